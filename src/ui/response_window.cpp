// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/response_window.h"

#include "core/format.h"
#include "core/numeric.h"
#include "model/dialog_message.h"
#include "model/file_io.h"
#include "render/painter_canvas.h"
#include "render/splot_readout.h"
#include "ui/app_state.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/dialogs/print_dialog.h"
#include "ui/language.h"
#include "ui/messages.h"
#include "ui/picture_export.h"
#include "ui/shell.h"
#include "ui/splot_windows.h"
#include "ui/wait_cursor.h"
#include "ui/white_background.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zelvo {

ResponseView::ResponseView(ResponseGraph& graph, QWidget* parent)
    : QWidget(parent), graph_(graph), hover_(std::make_unique<HoverLabel>(this))
{
    whiteBackground(this);
    setMouseTracking(true);
    setMinimumSize(400, 300);
}

ResponseView::~ResponseView() = default;

int ResponseView::fontHeight() const
{
    return QFontMetrics(font()).height();
}

std::optional<int> ResponseView::indexAt(QPoint client) const
{
    const ResponseLayout l = responseLayout(graph_, width(), height(), fontHeight());
    return responseIndexAt(graph_, l, {client.x(), client.y()});
}

void ResponseView::paintEvent(QPaintEvent*)
{
    const ResponseLayout l = responseLayout(graph_, width(), height(), fontHeight());
    FrameKey key{l, size(), devicePixelRatioF(), {}, graph_.response.load, graph_.lineWidth, {}};
    for (ResponseQuantity q : allResponseQuantities)
        key.showing[static_cast<std::size_t>(q)] = graph_.showing(q);
    for (const ResponseExtra& e : graph_.extras)
        key.extras.push_back(e.name + printfString("/%u/%d", e.colour, static_cast<int>(e.style)));
    if (frameKey_ != key) {
        const qreal dpr = key.devicePixelRatio > 0 ? key.devicePixelRatio : 1.0;
        frame_ = QImage(toInt(std::ceil(width() * dpr)), toInt(std::ceil(height() * dpr)),
                        QImage::Format_RGB32);
        frame_.setDevicePixelRatio(dpr);
        frame_.fill(Qt::white);
        QPainter painter(&frame_);
        PainterCanvas canvas(painter, CanvasMapping::device());
        drawResponseFrame(canvas, graph_, l, height());
        frameKey_ = key;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
    PainterCanvas canvas(painter, CanvasMapping::device());
    drawResponseTraces(canvas, graph_, l);
}

void ResponseView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const std::optional<int> i = indexAt(at);
    hover_->show(i ? QString::fromStdString(responseReadoutText(graph_, *i)) : QString(), at);
}

void ResponseView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (const std::optional<int> i = indexAt(event->position().toPoint())) {
        togglePinned(graph_.markers, *i);
        update();
    }
}

void ResponseView::leaveEvent(QEvent*)
{
    hover_->show(QString(), {});
}

namespace {

QCheckBox* checkBox(const QString& text, const QString& name, bool on, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}

QPushButton* pushButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// The field text of a frequency in the unit: as few digits as say it exactly.
QString frequencyText(double hertz, double unit)
{
    return QString::number(hertz / unit, 'g', 10);
}

} // namespace

ResponseWindow::ResponseWindow(AppState& state, const Platform& platform, Shell& shell,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), shell_(shell)
{
    setObjectName(QStringLiteral("responseWindow"));
    setWindowTitle(QCoreApplication::translate("ResponseWindow", "Frequency response"));
    graph_.texts = interfaceTexts();
    auto* layout = new QVBoxLayout(this);

    auto* sweepRow = new QHBoxLayout;
    sweepRow->addWidget(new QLabel(QCoreApplication::translate("ResponseWindow", "Start"), this));
    start_ = new QLineEdit(this);
    start_->setObjectName(QStringLiteral("start"));
    start_->setMaxLength(20);
    sweepRow->addWidget(start_);
    sweepRow->addWidget(new QLabel(QCoreApplication::translate("ResponseWindow", "Stop"), this));
    stop_ = new QLineEdit(this);
    stop_->setObjectName(QStringLiteral("stop"));
    stop_->setMaxLength(20);
    sweepRow->addWidget(stop_);
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unit"));
    fillUnits(unit_, frequencyUnits);
    sweepRow->addWidget(unit_);
    sweepRow->addWidget(new QLabel(QCoreApplication::translate("ResponseWindow", "Points"), this));
    points_ = new QSpinBox(this);
    points_->setObjectName(QStringLiteral("points"));
    points_->setRange(2, maxResponsePoints);
    points_->setValue(401);
    sweepRow->addWidget(points_);
    log_ = checkBox(QCoreApplication::translate("ResponseWindow", "&Logarithmic"), QStringLiteral("logarithmic"), false, this);
    sweepRow->addWidget(log_);
    QPushButton* apply = pushButton(QCoreApplication::translate("ResponseWindow", "&Sweep"), QStringLiteral("sweep"), this);
    sweepRow->addWidget(apply);
    QPushButton* defaults =
        pushButton(QCoreApplication::translate("ResponseWindow", "&Default"), QStringLiteral("defaultSweep"), this);
    sweepRow->addWidget(defaults);
    sweepRow->addStretch();
    layout->addLayout(sweepRow);

    auto* traceRow = new QHBoxLayout;
    for (ResponseQuantity q : allResponseQuantities) {
        QCheckBox* box = checkBox(QString::fromStdString(quantityName(q, interfaceTexts())),
                                  QStringLiteral("show") + QString::number(static_cast<int>(q)),
                                  true, this);
        traces_[q] = box;
        traceRow->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, q](bool on) { setShown(q, on); });
    }
    curve_ = checkBox(QCoreApplication::translate("ResponseWindow", "&Curve on chart"), QStringLiteral("chartCurve"), false, this);
    traceRow->addSpacing(20);
    traceRow->addWidget(curve_);
    traceRow->addStretch();
    layout->addLayout(traceRow);

    load_ = new QLabel(this);
    load_->setObjectName(QStringLiteral("loadModel"));
    layout->addWidget(load_);

    graph_.loadCaption = false;
    view_ = new ResponseView(graph_, this);
    layout->addWidget(view_, 1);

    auto* bottom = new QHBoxLayout;
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("message"));
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    bottom->addWidget(message_, 1);
    QPushButton* picture =
        pushButton(QCoreApplication::translate("ResponseWindow", "Export &picture..."), QStringLiteral("exportPicture"), this);
    QPushButton* csv =
        pushButton(QCoreApplication::translate("ResponseWindow", "Export as &CSV..."), QStringLiteral("exportCsv"), this);
    QPushButton* print = pushButton(QCoreApplication::translate("ResponseWindow", "P&rint..."), QStringLiteral("print"), this);
    bottom->addWidget(picture);
    bottom->addWidget(csv);
    bottom->addWidget(print);
    layout->addLayout(bottom);

    const auto applySweep = [this] {
        if (readSweep())
            recompute();
    };
    connect(apply, &QPushButton::clicked, this, applySweep);
    connect(start_, &QLineEdit::returnPressed, this, applySweep);
    connect(stop_, &QLineEdit::returnPressed, this, applySweep);
    connect(log_, &QCheckBox::toggled, this, applySweep);
    connect(points_, &QSpinBox::editingFinished, this, applySweep);
    connect(defaults, &QPushButton::clicked, this, [this] { useDefaultSweep(); });
    connect(curve_, &QCheckBox::toggled, this, [this](bool on) { setChartCurve(on); });
    connect(picture, &QPushButton::clicked, this, [this] { exportPicture(); });
    connect(csv, &QPushButton::clicked, this, [this] { exportCsv(); });
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });

    sweep_ = defaultSweep(state_.design);
    showSweep();
    resize(960, 680);
}

ResponseWindow::~ResponseWindow()
{
    state_.responseCurve.clear();
}

void ResponseWindow::showSweep()
{
    // The unit the stop frequency reads best in, for both fields.
    showFrequency(sweep_.stop > 0.0 ? sweep_.stop : 1e9, unit_);
    const double unit = unitFactor(unit_, frequencyUnits);
    start_->setText(frequencyText(sweep_.start, unit));
    stop_->setText(frequencyText(sweep_.stop, unit));
    {
        const QSignalBlocker b1(points_), b2(log_);
        points_->setValue(std::clamp(sweep_.points, 2, maxResponsePoints));
        log_->setChecked(sweep_.logarithmic);
    }
}

bool ResponseWindow::readSweep()
{
    const double unit = unitFactor(unit_, frequencyUnits);
    const FieldValue a = readField(start_->text()), b = readField(stop_->text());
    if (!a.isNumber() || !b.isNumber()) {
        message_->setText(QCoreApplication::translate("ResponseWindow", "Start and stop must be numbers."));
        return false;
    }
    Sweep s;
    s.start = a.value * unit;
    s.stop = b.value * unit;
    s.points = points_->value();
    s.logarithmic = log_->isChecked();
    if (!(s.start >= 0.0) || !(s.stop > s.start) || !std::isfinite(s.stop)) {
        message_->setText(QCoreApplication::translate("ResponseWindow", "The sweep needs 0 <= start < stop."));
        return false;
    }
    if (s.logarithmic && !(s.start > 0.0)) {
        message_->setText(QCoreApplication::translate("ResponseWindow", "A logarithmic sweep needs a start above 0 Hz."));
        return false;
    }
    message_->clear();
    sweep_ = s;
    followDefault_ = false;
    return true;
}

void ResponseWindow::setSweep(const Sweep& s)
{
    sweep_ = s;
    sweep_.points = std::clamp(s.points, 2, maxResponsePoints);
    followDefault_ = false;
    showSweep();
    recompute();
}

void ResponseWindow::useDefaultSweep()
{
    followDefault_ = true;
    message_->clear();
    sweep_ = defaultSweep(state_.design);
    showSweep();
    recompute();
}

void ResponseWindow::setChartCurve(bool on)
{
    chartCurve_ = on;
    if (curve_->isChecked() != on)
        curve_->setChecked(on);
    publishCurve();
    shell_.repaintChart();
}

void ResponseWindow::setShown(ResponseQuantity q, bool on)
{
    graph_.shown[static_cast<std::size_t>(q)] = on;
    QCheckBox* box = traces_[q];
    if (box->isChecked() != on)
        box->setChecked(on);
    view_->update();
}

void ResponseWindow::setExtraSource(const std::string& name, ExtraSource source)
{
    if (source)
        extraSources_[name] = std::move(source);
    else
        extraSources_.erase(name);
    recompute();
}

void ResponseWindow::designChanged()
{
    if (!isVisible())
        return;
    if (followDefault_) {
        const Sweep s = defaultSweep(state_.design);
        if (s.start != sweep_.start || s.stop != sweep_.stop) {
            sweep_.start = s.start;
            sweep_.stop = s.stop;
            showSweep();
        }
    }
    recompute();
}

void ResponseWindow::recompute()
{
    const std::vector<double> f =
        sweep_.points > 0 && sweep_.stop > sweep_.start ? sweepFrequencies(sweep_)
                                                         : std::vector<double>{};
    // Markers name sweep points; another sweep has other points.
    const auto& old = graph_.response.points;
    if (old.size() != f.size() || (!f.empty() && (old.front().f != f.front() ||
                                                   old.back().f != f.back())))
        graph_.markers.clear();
    graph_.response = computeResponse(state_.design, f);
    graph_.logarithmic = sweep_.logarithmic;
    graph_.lineWidth = state_.settings.lineWidth;
    graph_.extras.clear();
    for (const auto& [name, source] : extraSources_) {
        std::vector<ResponseExtra> more = source(state_, f);
        graph_.extras.insert(graph_.extras.end(), more.begin(), more.end());
    }
    const Response& r = graph_.response;
    for (const auto& [q, box] : traces_)
        box->setEnabled(quantityAvailable(r, q));
    QString load = QString::fromStdString(loadModelText(r.load, interfaceTexts()));
    if (state_.design.dataPointCount <= 0)
        load = QCoreApplication::translate("ResponseWindow", "No data points: the response needs a load.");
    else if (r.hasBlock && std::any_of(r.points.begin(), r.points.end(),
                                       [](const ResponsePoint& p) { return !p.defined; }))
        load += QCoreApplication::translate("ResponseWindow", " (a block has no data at some frequencies: gaps)");
    load_->setText(load);
    publishCurve();
    view_->update();
}

void ResponseWindow::publishCurve()
{
    std::vector<Complex>& curve = state_.responseCurve;
    curve.clear();
    if (!chartCurve_ || !isVisible())
        return;
    for (const ResponsePoint& p : graph_.response.points)
        if (p.defined)
            curve.push_back(p.input);
}

void ResponseWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (followDefault_) {
        sweep_ = defaultSweep(state_.design);
        showSweep();
    }
    recompute();
    if (chartCurve_)
        shell_.repaintChart();
}

void ResponseWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!state_.responseCurve.empty()) {
        state_.responseCurve.clear();
        shell_.repaintChart();
    }
}

QString ResponseWindow::fileStem() const
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(state_.design.fileName));
    const QFileInfo info(path);
    const QString stem = info.completeBaseName() + QStringLiteral("_response");
    if (path.isEmpty() || path.startsWith(QLatin1Char('<')) || !info.isAbsolute())
        return QDir::home().filePath(QStringLiteral("unnamed") + stem);
    return info.absolutePath() + QLatin1Char('/') + stem;
}

void ResponseWindow::exportPicture()
{
    FileDialogRequest request;
    request.parent = this;
    request.title = QCoreApplication::translate("ResponseWindow", "Export Picture");
    request.filters = pictureFileFilters();
    request.defaultSuffix = QStringLiteral("pdf");
    request.directory = fileStem() + QStringLiteral(".pdf");
    const QString path = platform_.saveFileName ? platform_.saveFileName(request) : QString();
    if (path.isEmpty())
        return;
    const WaitCursor wait;
    PictureSource source;
    source.settings = &state_.settings;
    ResponseGraph picture = graph_;
    picture.loadCaption = true;
    source.response = &picture;
    const QString error =
        zelvo::exportPicture(source, PictureView::Response, path, state_.memory.pictureSize);
    if (!error.isEmpty())
        tell(platform_, state_.settings, this, error, MessageIcon::Exclamation, true);
}

void ResponseWindow::exportCsv()
{
    FileDialogRequest request;
    request.parent = this;
    request.title = QCoreApplication::translate("ResponseWindow", "Export as CSV");
    request.filters = {QCoreApplication::translate("ResponseWindow", "CSV Files (*.csv)"), QCoreApplication::translate("ResponseWindow", "All Files (*)")};
    request.defaultSuffix = QStringLiteral("csv");
    request.directory = fileStem() + QStringLiteral(".csv");
    const QString path = platform_.saveFileName ? platform_.saveFileName(request) : QString();
    if (path.isEmpty())
        return;
    const std::string name = QFile::encodeName(path).toStdString();
    std::string why;
    if (!writeFileReplacing(name, responseCsv(graph_.response), &why)) {
        DialogMessage m;
        m.text = "Error while writing file '" + name + "'";
        tell(platform_, state_.settings, this, QString::fromLocal8Bit(withReason(m, why).text),
             MessageIcon::Exclamation, true);
    }
}

void ResponseWindow::print()
{
    ResponseGraph page = graph_;
    page.loadCaption = true;
    ResponsePrintDialog dialog(state_, platform_, page, this);
    dialog.exec();
}

} // namespace zelvo
