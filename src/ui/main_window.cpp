// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/main_window.h"

#include "model/recent_files.h"
#include "model/settings_file.h"
#include "model/touchstone.h"
#include "ui/about.h"
#include "ui/chart_window.h"
#include "model/design_spread.h"
#include "ui/dialogs/tolerance_dialog.h"
#include "ui/commands/block_commands.h"
#include "ui/commands/chart_commands.h"
#include "ui/commands/circle_commands.h"
#include "ui/commands/file_commands.h"
#include "ui/commands/print_commands.h"
#include "ui/commands/network_commands.h"
#include "ui/commands/splot_commands.h"
#include "ui/icons.h"
#include "ui/messages.h"
#include "ui/point_list_window.h"
#include "ui/readout_panel.h"
#include "ui/response_window.h"
#include "ui/recent_files.h"
#include "ui/schematic_window.h"
#include "ui/splot_windows.h"
#include "ui/tips.h"
#include "ui/toolbox.h"
#include "ui/tuner.h"
#include "ui/tuner_dock.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>

#include <string_view>

namespace zelvo {

namespace {

// The full-screen client area: the work area less a caption.
QSize fullScreenClient(const QWidget& w)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {area.width(), area.height() - w.style()->pixelMetric(QStyle::PM_TitleBarHeight)};
}

constexpr SPlotWindow allSPlot[] = {
    SPlotWindow::S11,  SPlotWindow::S12,       SPlotWindow::S21,      SPlotWindow::S22,
    SPlotWindow::Text, SPlotWindow::GainTable, SPlotWindow::GainGraph};

// A caption without a close box.
constexpr Qt::WindowFlags fixedFrame = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

QIcon sPlotIcon(SPlotWindow w)
{
    switch (w) {
    case SPlotWindow::S11:
    case SPlotWindow::S22:
        return reflectionPlotIcon();
    case SPlotWindow::S12:
    case SPlotWindow::S21:
        return transmissionPlotIcon();
    default:
        return dataWindowIcon();
    }
}

} // namespace

MainWindow::MainWindow(AppState& state, const Platform& platform, QSize screen, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(programIcon());
    const QSize s = screen.isEmpty() ? fullScreenClient(*this) : screen;
    screenW_ = s.width();
    screenH_ = s.height();
    // The status bar's line comes off the client area the layout fills.
    if (screen.isEmpty())
        screenH_ -= statusBar()->sizeHint().height();
    menu_ = std::make_unique<MainMenu>(menuBar(), this);
    menu_->onCommand = [this](Command c) { run(c); };
    applyMenuTips(*menu_);
    recent_ = std::make_unique<RecentFilesMenu>(menuBar()->actions().constFirst()->menu(),
                                                state_.recentFiles);
    recent_->onChosen = [this](const QString& path) {
        CommandContext c = context();
        openRecentFile(c, path);
    };
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    createChildren();
    state_.design.maxItems = 150;
    readouts_->setZo(zoStartText(state_.design.z0));
    charW_ = readouts_->charWidth();
    updateTitle();
    refreshMenu();
    resize(screenW_, screenH_ + (screen.isEmpty() ? statusBar()->sizeHint().height() : 0));
}

MainWindow::~MainWindow()
{
    // Its last repaint would reach a window half taken down.
    if (tolerance_) {
        tolerance_->onRepaint = nullptr;
        QObject::disconnect(tolerance_, nullptr, this, nullptr);
        delete tolerance_;
    }
}

void MainWindow::publishToleranceBand()
{
    if (!response_)
        return;
    if (!tolerance_) {
        response_->setExtraSource("tolerance", {});
        return;
    }
    response_->setExtraSource("tolerance", [](const AppState& s, std::span<const double> f) {
        const DialogMemory& m = s.memory;
        ToleranceSetup setup;
        setup.law = m.toleranceGaussian ? SpreadLaw::Gaussian : SpreadLaw::Uniform;
        // A sweep has ten times the data points' frequencies: 2000 samples
        // keep a tuning step quick and draw the band's edges closely.
        setup.samples = std::min(m.toleranceSamples, 2000);
        setup.seed = static_cast<std::uint64_t>(m.toleranceSeed);
        const ReturnLossBand band =
            returnLossBand(s.design, std::vector<double>(f.begin(), f.end()), setup);
        ResponseExtra e;
        e.name = QCoreApplication::translate("MainWindow", "Input RL spread").toStdString();
        e.colour = rgb(0, 130, 150);
        e.style = PenStyle::Solid;
        e.values = band.bestDb;
        e.lower = band.worstDb;
        return std::vector<ResponseExtra>{e};
    });
}

ToleranceDialog* MainWindow::toleranceWindow() const
{
    return tolerance_.data();
}

void MainWindow::openToleranceWindow()
{
    const Design& d = state_.design;
    if (d.elementCount <= 0 || d.dataPointCount <= 0) {
        report(platform_, state_.settings, this,
               {"Tolerance analysis needs at least one data point and one element.", "",
                MessageIcon::Exclamation});
        return;
    }
    if (!tolerance_) {
        tolerance_ = new ToleranceDialog(state_, platform_, this);
        tolerance_->setAttribute(Qt::WA_DeleteOnClose);
        tolerance_->onRepaint = [this] {
            updateTitle();
            repaintChart();
        };
        tolerance_->show();
        // Over the schematic column, as the matching dialog, so that the
        // clouds on the chart stay in sight.
        tolerance_->move(mapToGlobal(QPoint(8, 60)));
        // While the window goes its pointer still reads as set.
        connect(tolerance_, &QObject::destroyed, this, [this] {
            if (response_)
                response_->setExtraSource("tolerance", {});
        });
        tolerance_->run();
        publishToleranceBand();
    }
    tolerance_->show();
    tolerance_->raise();
    tolerance_->activateWindow();
}

QString MainWindow::shownTitle() const
{
    QString t = windowTitle();
    t.replace(QLatin1String("[*]"), isWindowModified() ? QStringLiteral("*") : QString());
    return t;
}

void MainWindow::createChildren()
{
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("clientArea"));
    area_->setBackground(Qt::white);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(area_);
    area_->viewport()->installEventFilter(this);

    chart_ = new ChartWindow(state_, platform_, *this, area_->viewport());
    readouts_ = std::make_unique<ReadoutPanel>(area_->viewport());
    chart_->setReadoutSink([this](const ReadoutTexts& t) { readouts_->show(t); });

    schematic_ = new SchematicWindow(state_, platform_, *this);
    schematicFrame_ = area_->addSubWindow(schematic_, fixedFrame);
    schematicFrame_->setWindowTitle(QCoreApplication::translate("MainWindow", "Schematic"));
    pointList_ = new PointListWindow(state_, *this);
    pointListFrame_ = area_->addSubWindow(pointList_, fixedFrame);
    pointListFrame_->setWindowTitle(QCoreApplication::translate("MainWindow", "Data Points"));

    // The child windows live as long as the main window: a close request
    // (Ctrl+F4 in a sub-window) is refused rather than deleting one.
    for (QMdiSubWindow* frame : {schematicFrame_, pointListFrame_}) {
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        frame->installEventFilter(this);
    }

    tuner_ = std::make_unique<Tuner>(state_, *this);
    tuner_->readoutSink = [this](const ReadoutTexts& t) { readouts_->show(t); };
    tunerDock_ = new TunerDock(state_, platform_, *tuner_, this);
    addDockWidget(Qt::RightDockWidgetArea, tunerDock_);
    tunerDock_->setFloating(true);
    tunerDock_->hide();
    tuner_->onChanged = [this] { tunerDock_->refresh(); };
    connect(tunerDock_, &QDockWidget::visibilityChanged, this,
            [this](bool shown) { menu_->action(Command::Tuner)->setChecked(shown); });
    schematic_->setTuner(tuner_.get());
    pointList_->setTuner(tuner_.get());

    toolbox_ = new Toolbox(state_, platform_, *this, this);
    toolbox_->setImport([this](InputDevice d) {
        CommandContext c = context();
        importToChartCommand(c, d == InputDevice::S22);
        repaintAll();
    });
    applyToolboxTips(toolbox_);
    applyReadoutTips(area_->viewport());
    toolbox_->installEventFilter(this); // its status tips go to the status bar
    chart_->setStatusSink([this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });
    // The accelerators work while the toolbox has the focus too.
    for (const auto& [id, action] : menu_->actions())
        if (!action->shortcut().isEmpty())
            toolbox_->addAction(action);
}

// Built on first use: most sessions never leave chart mode, and the first
// window should not wait for seven hidden ones.
void MainWindow::createSPlotWindows()
{
    if (sPlotFrames_.front())
        return;
    // Minimise and maximise boxes but no close box.
    const Qt::WindowFlags plotFrame = fixedFrame | Qt::WindowMinMaxButtonsHint;
    const QWidget* client = area_->viewport();
    const MainLayout l = mainLayout(screenW_, screenH_, charW_, client->width(), client->height());
    for (SPlotWindow w : allSPlot) {
        QMdiSubWindow* frame = area_->addSubWindow(createSPlotView(state_, w, nullptr), plotFrame);
        frame->setWindowTitle(sPlotTitle(w));
        frame->setWindowIcon(sPlotIcon(w));
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        frame->installEventFilter(this);
        frame->setGeometry(l.sPlot[static_cast<std::size_t>(w)]);
        frame->hide();
        sPlotFrames_[static_cast<std::size_t>(w)] = frame;
    }
}

QMdiSubWindow* MainWindow::sPlotFrame(SPlotWindow w)
{
    createSPlotWindows();
    return sPlotFrames_[static_cast<std::size_t>(w)];
}

std::optional<PictureView> MainWindow::activePictureView() const
{
    constexpr PictureView views[sPlotWindowCount] = {
        PictureView::S11,      PictureView::S12,       PictureView::S21,      PictureView::S22,
        PictureView::FileText, PictureView::GainTable, PictureView::GainGraph};
    const QMdiSubWindow* active = area_->activeSubWindow();
    for (std::size_t i = 0; i < sPlotFrames_.size(); ++i)
        if (active != nullptr && sPlotFrames_[i] == active)
            return views[i];
    return std::nullopt;
}

QWidget* MainWindow::clientArea() const
{
    return area_->viewport();
}

CommandContext MainWindow::context()
{
    return CommandContext{state_, platform_, *this};
}

void MainWindow::layoutChildren()
{
    const QWidget* client = area_->viewport();
    const MainLayout l = mainLayout(screenW_, screenH_, charW_, client->width(), client->height());
    chart_->setGeometry(l.chart);
    chart_->lower();
    readouts_->place(l);
    schematicFrame_->setGeometry(l.schematic);
    pointListFrame_->setGeometry(l.pointList);
    for (SPlotWindow w : allSPlot)
        if (QMdiSubWindow* f = sPlotFrames_[static_cast<std::size_t>(w)])
            f->setGeometry(l.sPlot[static_cast<std::size_t>(w)]);
    showModeWindows();
}

void MainWindow::showModeWindows()
{
    const bool chart = state_.mode == AppMode::Chart;
    if (!chart)
        createSPlotWindows();
    chart_->setVisible(chart);
    readouts_->setVisible(chart);
    if (!chart) {
        tunerDock_->hide();
        if (response_)
            response_->hide();
    }
    schematicFrame_->setVisible(chart);
    pointListFrame_->setVisible(chart);
    for (QMdiSubWindow* f : sPlotFrames_)
        if (f)
            f->setVisible(!chart);
    if (!chart || isMinimized() || !isVisible() || toolboxHeld_) {
        toolbox_->hide();
        return;
    }
    if (!toolboxPlaced_) {
        // Between the schematic column and the chart.
        toolbox_->adjustSize();
        toolbox_->move(area_->viewport()->mapToGlobal(QPoint(screenW_ / 4 + 20, screenH_ / 12)));
        toolboxPlaced_ = true;
    }
    toolbox_->show();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == toolbox_ && event->type() == QEvent::StatusTip) {
        statusBar()->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    // The viewport, not the area: the area resizes its viewport only after
    // its own resize event, and the S-Plot rows follow the client size.
    if (watched == area_->viewport() && event->type() == QEvent::Resize) {
        layoutChildren();
    }
    else if (event->type() == QEvent::Close && qobject_cast<QMdiSubWindow*>(watched)) {
        event->ignore();
        return true;
    }
    else if (watched == area_->viewport() && event->type() == QEvent::MouseButtonPress) {
        // Presses on the empty client area and the readouts.
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::RightButton) {
            chart_->undoGesture();
            return true;
        }
        if (e->button() == Qt::MiddleButton) {
            chart_->redoGesture();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        chart_->undoGesture();
    else if (event->button() == Qt::MiddleButton)
        chart_->redoGesture();
    else
        QMainWindow::mousePressEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && chart_ && chart_->escape())
        return;
    QMainWindow::keyPressEvent(event);
}

void MainWindow::holdToolbox(bool hold)
{
    toolboxHeld_ = hold;
    showModeWindows();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMinimized())
        toolbox_->hide();
    else if (state_.mode == AppMode::Chart && isVisible() && !toolboxHeld_)
        toolbox_->show();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    CommandContext c = context();
    if (!savePrompt(c)) {
        event->ignore();
        return;
    }
    if (!state_.settingsPath.isEmpty() &&
        writeSettingsWithRecent(settingsFileText(state_.settings), state_.recentFiles,
                                QFile::encodeName(state_.settingsPath).toStdString()) !=
            settingsFileOk)
        tell(platform_, state_.settings, this, QString::fromLatin1(settingsWriteErrorText),
             MessageIcon::Exclamation, true);
    toolbox_->hide();
    event->accept();
    if (onClosed_)
        onClosed_();
}

void MainWindow::repaintChart()
{
    ++chartRepaints_;
    if (state_.mode == AppMode::Chart)
        setWindowModified(state_.design.modified);
    // Before the chart paints: it draws the response window's curve.
    if (response_)
        response_->designChanged();
    chart_->invalidate();
}

void MainWindow::repaintSchematic()
{
    if (state_.mode == AppMode::Chart)
        setWindowModified(state_.design.modified);
    schematic_->refresh();
}

void MainWindow::repaintPointList()
{
    if (state_.mode == AppMode::Chart)
        setWindowModified(state_.design.modified);
    pointList_->refresh();
}

void MainWindow::repaintAll()
{
    repaintChart();
    repaintSchematic();
    repaintPointList();
    if (tunerDock_)
        tunerDock_->refresh();
    for (QMdiSubWindow* f : sPlotFrames_) {
        if (!f)
            continue;
        f->widget()->update();
        if (auto* scroll = qobject_cast<QAbstractScrollArea*>(f->widget()))
            scroll->viewport()->update();
    }
    update();
}

void MainWindow::resetInteraction()
{
    chart_->resetInteraction();
    tuner_->clear();
}

void MainWindow::repaintChain()
{
    setWindowModified(state_.design.modified);
    if (response_)
        response_->designChanged();
    chart_->invalidateChain();
    schematic_->refresh();
    pointList_->refresh();
}

void MainWindow::updateTitle()
{
    if (state_.mode == AppMode::Chart) {
        // "[*]" is where the window system shows the unsaved-changes mark.
        setWindowTitle(QCoreApplication::translate("MainWindow", "Zelvo-Chart ") +
                       shownFileName(state_.design.fileName) + QStringLiteral("[*]"));
        setWindowModified(state_.design.modified);
        return;
    }
    const SParamSet& set = state_.sparams;
    sPlotFrame(SPlotWindow::Text)
        ->setWindowTitle(set.loaded ? shownFileName(set.fileName)
                                    : sPlotTitle(SPlotWindow::Text));
    static constexpr const char* prefix =
        QT_TRANSLATE_NOOP("MainWindow", "Zelvo-Chart, s-Plot - Mode    ");
    static_assert(std::string_view(prefix) == sPlotTitlePrefix);
    setWindowTitle(set.loaded
                       ? QCoreApplication::translate("MainWindow", prefix) +
                             shownFileName(set.fileName)
                       : QCoreApplication::translate("MainWindow", "Zelvo-Chart, s-Plot - Mode"));
}

void MainWindow::refreshZo()
{
    readouts_->setZo(zoText(state_.design.z0));
}

void MainWindow::refreshMenu()
{
    menu_->applyMode(state_.mode, state_.sparams.loaded);
    menu_->applySettings(state_.settings);
    menu_->setFileItemText(shownFileName(state_.sparams.fileName));
}

void MainWindow::switchMode(AppMode mode)
{
    if (mode == state_.mode) {
        refreshMenu();
        return;
    }
    state_.mode = mode;
    if (mode == AppMode::Chart)
        state_.design.maxItems = 150;
    showModeWindows();
    refreshMenu();
    updateTitle();
    repaintAll();
}

void MainWindow::arrangePlots()
{
    const QWidget* client = area_->viewport();
    const std::array<QRect, 4> grid = plotGrid(client->width(), client->height());
    const SPlotWindow order[4] = {SPlotWindow::S11, SPlotWindow::S12, SPlotWindow::S21,
                                  SPlotWindow::S22};
    for (int i = 0; i < 4; ++i) {
        QMdiSubWindow* f = sPlotFrame(order[i]);
        f->showNormal();
        f->setGeometry(grid[static_cast<std::size_t>(i)]);
        f->raise();
        f->widget()->setFocus();
    }
}

void MainWindow::showWhole(SPlotWindow w)
{
    QMdiSubWindow* f = sPlotFrame(w);
    f->showNormal();
    f->setGeometry(area_->viewport()->rect());
    f->raise();
    f->widget()->setFocus();
}

void MainWindow::openCommandLine(const QString& argument)
{
    CommandContext c = context();
    zelvo::openCommandLine(c, argument);
}

void MainWindow::run(Command command)
{
    CommandContext c = context();
    const bool chart = state_.mode == AppMode::Chart;
    switch (command) {
    case Command::New:
        chart ? newDesignCommand(c) : closeTouchstoneCommand(c);
        break;
    case Command::Open:
        chart ? openDesignCommand(c) : openTouchstoneCommand(c);
        break;
    case Command::Save:
        saveCommand(c);
        break;
    case Command::SaveAs:
        saveAsCommand(c);
        break;
    case Command::SaveNetlist:
        saveNetlistCommand(c);
        break;
    case Command::SaveSpiceNetlist:
        saveSpiceNetlistCommand(c);
        break;
    case Command::ImportOnePort:
        importOnePortCommand(c);
        break;
    case Command::Exit:
        close();
        break;
    case Command::Copy:
        copyCommand(c);
        break;
    case Command::Print:
        printCommand(c);
        break;
    case Command::PrinterSetup:
        printerSetupCommand(c);
        break;
    case Command::ExportPicture:
        exportPictureCommand(c, activePictureView());
        break;
    case Command::Undo:
        chart_->undoGesture();
        break;
    case Command::Redo:
        chart_->redoGesture();
        break;
    case Command::ChartMode:
        switchMode(AppMode::Chart);
        break;
    case Command::SPlotMode:
        switchMode(AppMode::SPlot);
        break;
    case Command::QCircles:
        contourCommand(c, ContourKind::Q);
        break;
    case Command::VswrCircles:
        contourCommand(c, ContourKind::Vswr);
        break;
    case Command::Wideband:
        widebandCommand(c);
        break;
    case Command::StabilityCircles:
        stabilityCircleCommand(c);
        break;
    case Command::GainCircles:
        gainCircleCommand(c);
        break;
    case Command::NoiseCircles:
        noiseCircleCommand(c);
        break;
    case Command::ExportH:
        exportParametersCommand(c, ParameterKind::H);
        break;
    case Command::ExportZ:
        exportParametersCommand(c, ParameterKind::Z);
        break;
    case Command::ExportY:
        exportParametersCommand(c, ParameterKind::Y);
        break;
    case Command::ExportA:
        exportParametersCommand(c, ParameterKind::A);
        break;
    case Command::ImportS11:
        importToChartCommand(c, false);
        break;
    case Command::ImportS22:
        importToChartCommand(c, true);
        break;
    case Command::ZChart:
        toggleOption(c, DisplayOption::ZChart);
        break;
    case Command::YChart:
        toggleOption(c, DisplayOption::YChart);
        break;
    case Command::Labels:
        toggleOption(c, DisplayOption::Labels);
        break;
    case Command::ChartLabeling:
        toggleOption(c, DisplayOption::ChartLabeling);
        break;
    case Command::MessageBeep:
        toggleOption(c, DisplayOption::MessageBeep);
        break;
    case Command::ConnectDatapoints:
        toggleOption(c, DisplayOption::ConnectDataPoints);
        break;
    case Command::Colors:
        coloursCommand(c);
        break;
    case Command::ChangeZo:
        changeZoCommand(c);
        break;
    case Command::Settings:
        lineWidthCommand(c);
        break;
    case Command::PartLosses:
        partLossesCommand(c);
        break;
    case Command::LanguageSystem:
        languageCommand(c, UiLanguage::System);
        break;
    case Command::LanguageEnglish:
        languageCommand(c, UiLanguage::English);
        break;
    case Command::LanguageChinese:
        languageCommand(c, UiLanguage::Chinese);
        break;
    case Command::ZoomIn:
        zoomInCommand(c);
        break;
    case Command::ZoomOut:
        zoomOutCommand(c);
        break;
    case Command::ZoomValue:
        zoomValueCommand(c);
        break;
    case Command::ArrangeAll: {
        const QWidget* client = area_->viewport();
        const MainLayout l =
            mainLayout(screenW_, screenH_, charW_, client->width(), client->height());
        for (SPlotWindow w : allSPlot) {
            QMdiSubWindow* f = sPlotFrame(w);
            f->showNormal();
            f->setGeometry(l.sPlot[static_cast<std::size_t>(w)]);
            f->raise();
        }
        break;
    }
    case Command::ArrangePlots:
        arrangePlots();
        break;
    case Command::WindowS11:
        showWhole(SPlotWindow::S11);
        break;
    case Command::WindowS12:
        showWhole(SPlotWindow::S12);
        break;
    case Command::WindowS21:
        showWhole(SPlotWindow::S21);
        break;
    case Command::WindowS22:
        showWhole(SPlotWindow::S22);
        break;
    case Command::WindowFile:
        showWhole(SPlotWindow::Text);
        break;
    case Command::GainTable:
        showWhole(SPlotWindow::GainTable);
        break;
    case Command::GainGraphs:
        showWhole(SPlotWindow::GainGraph);
        break;
    case Command::Redraw:
        chart_->centreChart();
        repaintAll();
        break;
    case Command::MatchAutomatically:
        tuner_->endSession();
        matchCommand(c);
        break;
    case Command::Optimise:
        tuner_->endSession();
        optimiseCommand(c);
        break;
    case Command::BroadbandMatch:
        tuner_->endSession();
        broadbandCommand(c);
        break;
    case Command::StandardValues:
        tuner_->endSession();
        standardValuesCommand(c);
        break;
    case Command::ToleranceAnalysis:
        openToleranceWindow();
        break;
    case Command::MatchAmplifier:
        tuner_->endSession();
        matchAmplifierCommand(c);
        break;
    case Command::Tuner:
        if (!tunerDock_->isVisible() && tunerDock_->isFloating() && !tunerPlaced_) {
            // Floating in the free room under the toolbox, beside the chart:
            // docked, it would take its room from the chart, whose size
            // follows the screen, and the data point list below the schematic
            // must stay in view while a value changes.
            const QRect tools(toolbox_->mapToGlobal(QPoint(0, 0)), toolbox_->size());
            const int chartLeft =
                chart_->mapToGlobal(chart_->clientPoint(Point{-state_.chartView.baseRadius, 0})).x();
            // The readout captions sit a line above their fields.
            const QLabel* zo = readouts_->field(Readout::Zo);
            const int bottom = zo->mapToGlobal(QPoint(0, 0)).y() - 2 * zo->height();
            const int width = chartLeft - tools.left() - 8;
            const int height = std::min(520, bottom - tools.bottom() - 20);
            if (width >= 300 && height >= 200) {
                tunerDock_->setGeometry(tools.left(), tools.bottom() + 12, width, height);
            }
            else {
                const QPoint corner = area_->viewport()->mapToGlobal(
                    QPoint(10, std::max(0, area_->viewport()->height() - 300)));
                tunerDock_->setGeometry(corner.x(), corner.y(), 340, 300);
            }
            tunerPlaced_ = true;
        }
        tunerDock_->setVisible(!tunerDock_->isVisible());
        menu_->action(Command::Tuner)->setChecked(tunerDock_->isVisible());
        break;
    case Command::ZoomFit:
        zoomFitCommand(c);
        break;
    case Command::FrequencyResponse:
        if (!response_) {
            response_ = new ResponseWindow(state_, platform_, *this, this);
            publishToleranceBand();
        }
        response_->show();
        response_->raise();
        response_->activateWindow();
        break;
    case Command::InsertBlock:
        tuner_->endSession();
        insertBlockCommand(c);
        break;
    case Command::ExportNetwork:
        exportNetworkCommand(c);
        break;
    case Command::Help:
        if (platform_.showHelp)
            platform_.showHelp(QString());
        break;
    case Command::About: {
        AboutDialog about(this);
        about.exec();
        break;
    }
    default:
        break; // items of later work are grayed
    }
    refreshMenu();
}

} // namespace zelvo
