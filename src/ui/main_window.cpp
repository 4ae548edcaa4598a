#include "ui/main_window.h"

#include "model/settings_file.h"
#include "model/touchstone.h"
#include "ui/about.h"
#include "ui/chart_window.h"
#include "ui/commands/chart_commands.h"
#include "ui/commands/file_commands.h"
#include "ui/commands/print_commands.h"
#include "ui/commands/splot_commands.h"
#include "ui/icons.h"
#include "ui/messages.h"
#include "ui/point_list_window.h"
#include "ui/readout_panel.h"
#include "ui/schematic_window.h"
#include "ui/splot_windows.h"
#include "ui/toolbox.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>

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
    menu_ = std::make_unique<MainMenu>(menuBar(), this);
    menu_->onCommand = [this](Command c) { run(c); };
    createChildren();
    state_.design.maxItems = 150;
    readouts_->setZo(zoStartText(state_.design.z0));
    charW_ = readouts_->charWidth();
    updateTitle();
    refreshMenu();
    resize(screenW_, screenH_);
}

MainWindow::~MainWindow() = default;

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

    const Qt::WindowFlags fixedFrame =
        Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    schematic_ = new SchematicWindow(state_, platform_, *this);
    schematicFrame_ = area_->addSubWindow(schematic_, fixedFrame);
    schematicFrame_->setWindowTitle(QStringLiteral("Schematic"));
    pointList_ = new PointListWindow(state_, *this);
    pointListFrame_ = area_->addSubWindow(pointList_, fixedFrame);
    pointListFrame_->setWindowTitle(QStringLiteral("Data Points"));

    // Minimise and maximise boxes but no close box.
    const Qt::WindowFlags plotFrame = fixedFrame | Qt::WindowMinMaxButtonsHint;
    for (SPlotWindow w : allSPlot) {
        QMdiSubWindow* frame = area_->addSubWindow(createSPlotView(state_, w, nullptr), plotFrame);
        frame->setWindowTitle(sPlotTitle(w));
        frame->setWindowIcon(sPlotIcon(w));
        frame->hide();
        sPlotFrames_[static_cast<std::size_t>(w)] = frame;
    }
    // The child windows live as long as the main window: a close request
    // (Ctrl+F4 in a sub-window) is refused rather than deleting one.
    for (QMdiSubWindow* frame : area_->subWindowList()) {
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        frame->installEventFilter(this);
    }

    toolbox_ = new Toolbox(state_, platform_, *this, this);
    toolbox_->setImport([this](InputDevice d) {
        CommandContext c = context();
        importToChartCommand(c, d == InputDevice::S22);
        repaintAll();
    });
    // The accelerators work while the toolbox has the focus too.
    for (const auto& [id, action] : menu_->actions())
        if (!action->shortcut().isEmpty())
            toolbox_->addAction(action);
}

QMdiSubWindow* MainWindow::sPlotFrame(SPlotWindow w) const
{
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
        sPlotFrame(w)->setGeometry(l.sPlot[static_cast<std::size_t>(w)]);
    showModeWindows();
}

void MainWindow::showModeWindows()
{
    const bool chart = state_.mode == AppMode::Chart;
    chart_->setVisible(chart);
    readouts_->setVisible(chart);
    schematicFrame_->setVisible(chart);
    pointListFrame_->setVisible(chart);
    for (QMdiSubWindow* f : sPlotFrames_)
        f->setVisible(!chart);
    if (!chart || isMinimized() || !isVisible()) {
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

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMinimized())
        toolbox_->hide();
    else if (state_.mode == AppMode::Chart && isVisible())
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
        writeSettings(state_.settings, QFile::encodeName(state_.settingsPath).toStdString()) !=
            settingsFileOk)
        tell(platform_, state_.settings, this, QString::fromLatin1(settingsWriteErrorText),
             MessageIcon::Exclamation, true, QStringLiteral("ERROR"));
    toolbox_->hide();
    event->accept();
    if (onClosed_)
        onClosed_();
}

void MainWindow::repaintChart()
{
    ++chartRepaints_;
    chart_->invalidate();
}

void MainWindow::repaintSchematic()
{
    schematic_->refresh();
}

void MainWindow::repaintPointList()
{
    pointList_->refresh();
}

void MainWindow::repaintAll()
{
    repaintChart();
    repaintSchematic();
    repaintPointList();
    for (QMdiSubWindow* f : sPlotFrames_) {
        f->widget()->update();
        if (auto* scroll = qobject_cast<QAbstractScrollArea*>(f->widget()))
            scroll->viewport()->update();
    }
    update();
}

void MainWindow::updateTitle()
{
    if (state_.mode == AppMode::Chart) {
        setWindowTitle(QStringLiteral("Zelvo-Chart ") +
                       QFile::decodeName(QByteArray::fromStdString(state_.design.fileName)));
        return;
    }
    const SParamSet& set = state_.sparams;
    setWindowTitle(set.loaded ? QString::fromLatin1(sPlotTitlePrefix) +
                                    QFile::decodeName(QByteArray::fromStdString(set.fileName))
                              : QStringLiteral("Zelvo-Chart, s-Plot - Mode"));
}

void MainWindow::refreshZo()
{
    readouts_->setZo(zoText(state_.design.z0));
}

void MainWindow::refreshMenu()
{
    menu_->applyMode(state_.mode, state_.sparams.loaded);
    menu_->applySettings(state_.settings);
    menu_->setFileItemText(QFile::decodeName(QByteArray::fromStdString(state_.sparams.fileName)));
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
        repaintAll();
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
