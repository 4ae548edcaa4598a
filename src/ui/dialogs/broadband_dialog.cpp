// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/broadband_dialog.h"

#include "core/chain.h"
#include "core/format.h"
#include "core/number_text.h"
#include "model/design_rules.h"
#include "model/part_losses.h"
#include "render/painter_canvas.h"
#include "ui/app_state.h"
#include "ui/element_label.h"
#include "ui/language.h"
#include "ui/messages.h"
#include "ui/tuner.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <complex>

namespace zelvo {

namespace {

enum Column { ColumnSize, ColumnNetwork, ColumnWorst, ColumnLimit, ColumnQ };
enum Source { SourceZo = 0, SourceTyped = 1 };
enum Spacing { SpacingEven = 0, SpacingOwn = 1 };

// A problem from the load readers, shown in a label as a message box would.
QString text(const std::string& s)
{
    return translatedMessage(QString::fromStdString(s));
}

// The band frequency nearest the centre: the start point of a network
// applied with a file's load, and the frequency its lines refer to.
std::size_t nearestCentre(const LadderBand& b)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < b.frequencies.size(); ++i)
        if (std::abs(b.frequencies[i] - b.centre) < std::abs(b.frequencies[best] - b.centre))
            best = i;
    return best;
}

} // namespace

ReturnLossPlotWidget::ReturnLossPlotWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("returnLossPlot"));
    setMinimumSize(420, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ReturnLossPlotWidget::setData(ReturnLossPlot data)
{
    data_ = std::move(data);
    data_.texts = interfaceTexts();
    update();
}

void ReturnLossPlotWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PainterCanvas canvas(painter, CanvasMapping::device());
    drawReturnLossPlot(canvas, data_, width(), height());
}

BroadbandDialog::BroadbandDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("BroadbandDialog", "Broadband match"));
    setObjectName(QStringLiteral("broadbandDialog"));
    setHelpKeyword(QStringLiteral("Broadband Match"));
    const Design& d = state.design;
    auto* column = new QVBoxLayout(this);

    auto* loadBox = new QGroupBox(QCoreApplication::translate("BroadbandDialog", "Load"), this);
    auto* loadGrid = new QGridLayout(loadBox);
    loadGroup_ = new QButtonGroup(this);
    auto* points = new QRadioButton(QCoreApplication::translate("BroadbandDialog", "&Data points of the design"), loadBox);
    auto* file = new QRadioButton(QCoreApplication::translate("BroadbandDialog", "One-port &file"), loadBox);
    loadGroup_->addButton(points, LoadDataPoints);
    loadGroup_->addButton(file, LoadFile);
    pointsLabel_ = new QLabel(loadBox);
    pointsLabel_->setObjectName(QStringLiteral("pointsLabel"));
    pointsLabel_->setWordWrap(true);
    filePath_ = new QLineEdit(loadBox);
    filePath_->setObjectName(QStringLiteral("filePath"));
    filePath_->setReadOnly(true);
    auto* browse = new QPushButton(QCoreApplication::translate("BroadbandDialog", "&Browse..."), loadBox);
    browse->setObjectName(QStringLiteral("browse"));
    loadGrid->addWidget(points, 0, 0);
    loadGrid->addWidget(pointsLabel_, 0, 1, 1, 2);
    loadGrid->addWidget(file, 1, 0);
    loadGrid->addWidget(filePath_, 1, 1);
    loadGrid->addWidget(browse, 1, 2);
    loadGrid->setColumnStretch(1, 1);

    auto* bandBox = new QGroupBox(QCoreApplication::translate("BroadbandDialog", "Source and band"), this);
    auto* bandGrid = new QGridLayout(bandBox);
    auto* sourceRow = new QHBoxLayout;
    sourceGroup_ = new QButtonGroup(this);
    auto* zo = new QRadioButton(
        QCoreApplication::translate("BroadbandDialog", "&Zo (%1 Ohm)").arg(static_cast<double>(d.z0), 0, 'f', 1), bandBox);
    auto* typed = new QRadioButton(QCoreApplication::translate("BroadbandDialog", "&Resistance"), bandBox);
    sourceGroup_->addButton(zo, SourceZo);
    sourceGroup_->addButton(typed, SourceTyped);
    zo->setChecked(true);
    sourceR_ = numberField(QStringLiteral("sourceR"));
    sourceR_->setText(fixed(d.z0, 1));
    sourceRow->addWidget(zo);
    sourceRow->addSpacing(12);
    sourceRow->addWidget(typed);
    sourceRow->addWidget(sourceR_);
    sourceRow->addWidget(new QLabel(QCoreApplication::translate("BroadbandDialog", "Ohm"), bandBox));
    sourceRow->addStretch(1);
    bandGrid->addWidget(new QLabel(QCoreApplication::translate("BroadbandDialog", "Source"), bandBox), 0, 0);
    bandGrid->addLayout(sourceRow, 0, 1, 1, 5);
    f1_ = numberField(QStringLiteral("f1"));
    f2_ = numberField(QStringLiteral("f2"));
    unit_ = new QComboBox(bandBox);
    unit_->setObjectName(QStringLiteral("unit"));
    fillUnits(unit_, frequencyUnits);
    unit_->setCurrentIndex(1); // MHz
    auto* fromLabel = new QLabel(QCoreApplication::translate("BroadbandDialog", "F&rom"), bandBox);
    fromLabel->setBuddy(f1_);
    bandGrid->addWidget(fromLabel, 1, 0);
    bandGrid->addWidget(f1_, 1, 1);
    bandGrid->addWidget(new QLabel(QCoreApplication::translate("BroadbandDialog", "to"), bandBox), 1, 2);
    bandGrid->addWidget(f2_, 1, 3);
    bandGrid->addWidget(unit_, 1, 4);
    spacingGroup_ = new QButtonGroup(this);
    auto* even = new QRadioButton(QCoreApplication::translate("BroadbandDialog", "E&venly spaced frequencies"), bandBox);
    auto* own = new QRadioButton(QCoreApplication::translate("BroadbandDialog", "The load's &own frequencies"), bandBox);
    spacingGroup_->addButton(even, SpacingEven);
    spacingGroup_->addButton(own, SpacingOwn);
    even->setChecked(true);
    count_ = new QSpinBox(bandBox);
    count_->setObjectName(QStringLiteral("count"));
    count_->setRange(minBandPoints, maxBandPoints);
    count_->setValue(defaultBandPoints);
    bandGrid->addWidget(even, 2, 0, 1, 2);
    bandGrid->addWidget(count_, 2, 2);
    bandGrid->addWidget(own, 2, 3, 1, 3);
    weight1_ = numberField(QStringLiteral("weight1"));
    weight2_ = numberField(QStringLiteral("weight2"));
    weight1_->setText(QStringLiteral("1"));
    weight2_->setText(QStringLiteral("1"));
    auto* weightLabel = new QLabel(QCoreApplication::translate("BroadbandDialog", "&Weight of |\u0393| at the lower edge"), bandBox);
    weightLabel->setBuddy(weight1_);
    bandGrid->addWidget(weightLabel, 3, 0, 1, 2);
    bandGrid->addWidget(weight1_, 3, 2);
    bandGrid->addWidget(new QLabel(QCoreApplication::translate("BroadbandDialog", "at the upper edge"), bandBox), 3, 3);
    bandGrid->addWidget(weight2_, 3, 4);
    bandGrid->setColumnStretch(5, 1);

    auto* networkBox = new QGroupBox(QCoreApplication::translate("BroadbandDialog", "Networks"), this);
    auto* networkRow = new QHBoxLayout(networkBox);
    elements_ = new QSpinBox(networkBox);
    elements_->setObjectName(QStringLiteral("maxElements"));
    elements_->setRange(1, maxBroadbandElements);
    elements_->setValue(BroadbandOptions{}.maxElements);
    auto* elementsLabel = new QLabel(QCoreApplication::translate("BroadbandDialog", "Ladders of up to"), networkBox);
    elementsLabel->setBuddy(elements_);
    lines_ = new QCheckBox(QCoreApplication::translate("BroadbandDialog", "&Lines and stubs, Zc from"), networkBox);
    lines_->setObjectName(QStringLiteral("lines"));
    zcMin_ = numberField(QStringLiteral("zcMin"));
    zcMax_ = numberField(QStringLiteral("zcMax"));
    zcMin_->setText(fixed(BroadbandOptions{}.zcMin, 0));
    zcMax_->setText(fixed(BroadbandOptions{}.zcMax, 0));
    networkRow->addWidget(elementsLabel);
    networkRow->addWidget(elements_);
    networkRow->addWidget(new QLabel(QCoreApplication::translate("BroadbandDialog", "elements of L and C"), networkBox));
    networkRow->addSpacing(12);
    networkRow->addWidget(lines_);
    networkRow->addWidget(zcMin_);
    networkRow->addWidget(new QLabel(QCoreApplication::translate("BroadbandDialog", "to"), networkBox));
    networkRow->addWidget(zcMax_);
    networkRow->addWidget(new QLabel(QCoreApplication::translate("BroadbandDialog", "Ohm"), networkBox));
    networkRow->addStretch(1);
    auto* go = new QPushButton(QCoreApplication::translate("BroadbandDialog", "&Search"), networkBox);
    go->setObjectName(QStringLiteral("search"));
    networkRow->addWidget(go);
    lines_->setText(QCoreApplication::translate("BroadbandDialog", "&Lines and stubs, Zc"));

    for (QLineEdit* e : {sourceR_, f1_, f2_, weight1_, weight2_})
        e->setMaximumWidth(90);
    zcMin_->setMaximumWidth(44);
    zcMax_->setMaximumWidth(44);
    count_->setMaximumWidth(70);
    unit_->setMaximumWidth(80);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("networks"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QCoreApplication::translate("BroadbandDialog", "Up to"), QCoreApplication::translate("BroadbandDialog", "Network (from the load)"),
                            QCoreApplication::translate("BroadbandDialog", "Worst RL"), QCoreApplication::translate("BroadbandDialog", "Below limit"),
                            QStringLiteral("Q")});
    list_->setMinimumSize(640, 110);
    plot_ = new ReturnLossPlotWidget(this);
    limit_ = new QLabel(this);
    limit_->setObjectName(QStringLiteral("limitText"));
    limit_->setWordWrap(true);
    limit_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the limit's lines from the start: a dialog does not grow by
    // itself when a label's text gets longer, and would squeeze its plot.
    limit_->setMinimumHeight(5 * limit_->fontMetrics().lineSpacing());
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("broadbandMessage"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    message_->setMinimumHeight(2 * message_->fontMetrics().lineSpacing());

    // The search finds ideal networks; real parts are a choice of the result.
    losses_ = new QCheckBox(QCoreApplication::translate("BroadbandDialog", "With the part l&osses of Options > Part Losses"), this);
    losses_->setObjectName(QStringLiteral("withLosses"));
    lossyResult_ = new QLabel(this);
    lossyResult_->setObjectName(QStringLiteral("lossyResult"));
    auto* lossRow = new QHBoxLayout;
    lossRow->addWidget(losses_);
    lossRow->addWidget(lossyResult_, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* apply = buttons->addButton(QCoreApplication::translate("BroadbandDialog", "&Apply"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("apply"));
    buttons->addButton(QDialogButtonBox::Close);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);

    column->addWidget(loadBox);
    column->addWidget(bandBox);
    column->addWidget(networkBox);
    column->addWidget(list_, 1);
    column->addWidget(plot_, 1);
    column->addWidget(limit_);
    column->addLayout(lossRow);
    column->addWidget(message_);
    column->addWidget(buttons);
    go->setDefault(true);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(apply, &QPushButton::clicked, this, [this] {
        if (applySelected())
            accept();
    });
    connect(go, &QPushButton::clicked, this, [this] { search(); });
    connect(browse, &QPushButton::clicked, this, [this] {
        FileDialogRequest r;
        r.parent = this;
        r.title = QCoreApplication::translate("BroadbandDialog", "One-port load");
        r.filters = {QCoreApplication::translate("BroadbandDialog", "One-port S-Files (*.s1p *.S1P)"), QCoreApplication::translate("BroadbandDialog", "All Files (*)")};
        r.directory = state_.lastTouchstonePath;
        const QString path = platform_.openFileName ? platform_.openFileName(r) : QString();
        if (!path.isEmpty() && loadFile(path))
            state_.lastTouchstonePath = path;
    });
    connect(loadGroup_, &QButtonGroup::idClicked, this, [this] { showLoadSpan(); });
    connect(lines_, &QCheckBox::toggled, this, [this](bool on) { setLines(on); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { preview(); });
    connect(losses_, &QCheckBox::toggled, this, [this] { preview(); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (applySelected())
            accept();
    });

    setLines(false);
    setLoadSource(designLoad(d).samples ? LoadDataPoints : LoadFile);
}

void BroadbandDialog::showEvent(QShowEvent* event)
{
    ZelvoDialog::showEvent(event);
    // Over the schematic column rather than the chart, so that the preview
    // stays in sight.
    if (const QWidget* p = parentWidget())
        move(p->mapToGlobal(QPoint(8, 40)));
}

BroadbandDialog::~BroadbandDialog()
{
    state_.matchPreview.clear();
    state_.bandLoadPreview.clear();
    state_.bandPreview.clear();
    if (onRepaint)
        onRepaint();
}

void BroadbandDialog::setLoadSource(LoadSource source)
{
    if (QAbstractButton* b = loadGroup_->button(source))
        b->setChecked(true);
    showLoadSpan();
}

bool BroadbandDialog::loadFile(const QString& path)
{
    const OnePortRead read = loadOnePortFile(QFile::encodeName(path).toStdString());
    if (!read.data) {
        report(platform_, state_.settings, this, {read.problem, "", MessageIcon::Error});
        return false;
    }
    const LoadRead load = onePortLoad(*read.data);
    if (!load.samples) {
        report(platform_, state_.settings, this, {load.problem, "", MessageIcon::Error});
        return false;
    }
    file_ = *read.data;
    filePath_->setText(path);
    setLoadSource(LoadFile);
    return true;
}

void BroadbandDialog::setBand(double f1, double f2)
{
    f1_->setText(showFrequency(f1, unit_));
    f2_->setText(fixed(f2 / unitFactor(unit_, frequencyUnits), 3));
}

void BroadbandDialog::setMaxElements(int n)
{
    elements_->setValue(n);
}

void BroadbandDialog::setLines(bool on)
{
    if (lines_->isChecked() != on)
        lines_->setChecked(on); // comes back here through toggled
    elements_->setMaximum(on ? maxBroadbandElementsWithLines : maxBroadbandElements);
    zcMin_->setEnabled(on);
    zcMax_->setEnabled(on);
}

std::optional<LoadSamples> BroadbandDialog::currentLoad(QString* problem)
{
    LoadRead r;
    if (loadGroup_->checkedId() == LoadFile) {
        if (!file_) {
            *problem = QCoreApplication::translate("BroadbandDialog", "Choose a one-port file (Browse...).");
            return std::nullopt;
        }
        r = onePortLoad(*file_);
    } else {
        r = designLoad(state_.design);
    }
    *problem = text(r.problem);
    if (r.samples && !r.samples->note.empty())
        *problem = text(r.samples->note);
    return r.samples;
}

void BroadbandDialog::showLoadSpan()
{
    const auto hz = [](double f) { return text(formatSi(f, 3) + "Hz"); };
    const auto span = [&](const LoadSamples& s) {
        return QCoreApplication::translate("BroadbandDialog", "%1 frequencies, %2 to %3")
            .arg(s.frequencies.size())
            .arg(hz(s.frequencies.front()), hz(s.frequencies.back()));
    };
    // The design's points whichever load is chosen, so that the choice is an
    // informed one.
    const LoadRead points = designLoad(state_.design);
    pointsLabel_->setText(points.samples ? span(*points.samples) +
                                               QCoreApplication::translate("BroadbandDialog", ", through the chain drawn so far")
                                         : text(points.problem));
    QString problem;
    const std::optional<LoadSamples> s = currentLoad(&problem);
    if (s) {
        if (loadGroup_->checkedId() == LoadFile)
            filePath_->setToolTip(span(*s));
        setBand(s->frequencies.front(), s->frequencies.back());
    }
    message_->setText(problem);
}

bool BroadbandDialog::search()
{
    QString problem;
    const std::optional<LoadSamples> load = currentLoad(&problem);
    if (!load) {
        message(problem, MessageIcon::Exclamation, true);
        return false;
    }
    BandRequest request;
    const double unit = unitFactor(unit_, frequencyUnits);
    // Each field a whole number; the first that is not gets its message.
    const auto read = [this](std::initializer_list<std::pair<QLineEdit*, double*>> fields) {
        for (const auto& [field, value] : fields) {
            const std::optional<double> v = requireNumber(field);
            if (!v)
                return false;
            *value = *v;
        }
        return true;
    };
    if (!read({{f1_, &request.f1}, {f2_, &request.f2}, {weight1_, &request.weight1},
               {weight2_, &request.weight2}}))
        return false;
    request.f1 *= unit;
    request.f2 *= unit;
    request.count = count_->value();
    request.ownFrequencies = spacingGroup_->checkedId() == SpacingOwn;
    request.source = static_cast<double>(state_.design.z0);
    if (sourceGroup_->checkedId() == SourceTyped) {
        double r = 0.0;
        if (!read({{sourceR_, &r}}))
            return false;
        if (!(r > 0.0) || r > resistanceLimit.max) {
            failField(sourceR_, QCoreApplication::translate("BroadbandDialog", "The source resistance must lie above 0 and up to %1.")
                                    .arg(QString::fromLatin1(resistanceLimit.text)));
            return false;
        }
        request.source = r;
    }
    BroadbandOptions options;
    options.maxElements = elements_->value();
    options.lines = lines_->isChecked();
    if (options.lines) {
        double lo = 0.0, hi = 0.0;
        if (!read({{zcMin_, &lo}, {zcMax_, &hi}}))
            return false;
        if (!(lo > 0.0) || !(hi >= lo) || hi > lineImpedanceLimit.max) {
            failField(zcMin_, QCoreApplication::translate("BroadbandDialog", "The line impedances must satisfy 0 < from <= to <= %1.")
                                  .arg(QString::fromLatin1(lineImpedanceLimit.text)));
            return false;
        }
        options.zcMin = lo;
        options.zcMax = hi;
    }

    BandProblem band = makeBandProblem(*load, request);
    if (!band.problem.empty()) {
        failField(f1_, text(band.problem)); // the band, the weights or the count
        return false;
    }
    options.centreLoad = band.centreLoad;
    const LadderEvaluator evaluator(band.band);

    QProgressDialog progress(QCoreApplication::translate("BroadbandDialog", "Searching..."), QCoreApplication::translate("BroadbandDialog", "Cancel"), 0,
                             topologyCount(options), this);
    progress.setWindowTitle(QCoreApplication::translate("BroadbandDialog", "Broadband match"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const auto report = [&](const BroadbandProgress& p) {
        if (progressOverride)
            return progressOverride(p);
        progress.setLabelText(
            (p.elements == 1
                 ? QCoreApplication::translate("BroadbandDialog",
                                               "Ladders of %1 element: %2 of %3\n"
                                               "Best worst-case return loss so far: %4 dB")
                 : QCoreApplication::translate("BroadbandDialog",
                                               "Ladders of %1 elements: %2 of %3\n"
                                               "Best worst-case return loss so far: %4 dB"))
                .arg(p.elements)
                .arg(p.done)
                .arg(p.total)
                .arg(returnLossOf(p.bestWorst), 0, 'f', 2));
        progress.setValue(std::min(p.done, p.total - 1));
        return !progress.wasCanceled();
    };
    result_ = searchBroadband(evaluator, options, report);
    progress.reset();

    problem_ = std::move(band);
    searchedLoad_ = static_cast<LoadSource>(loadGroup_->checkedId());
    f0_ = searchedLoad_ == LoadDataPoints
              ? designFrequency(state_.design)
              : problem_.band.frequencies[nearestCentre(problem_.band)];
    summary_ = summarise(evaluator, result_, f0_, state_.memory.lineEr, problem_.centreLoad);
    showResults();
    QString note = text(problem_.warning);
    if (result_.cancelled)
        note = QCoreApplication::translate("BroadbandDialog", "Search cancelled: the rows show the best found until then. ") + note;
    message_->setText(note.trimmed());
    return true;
}

void BroadbandDialog::showResults()
{
    list_->clear();
    const BroadbandSummary& s = summary_;
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const BroadbandRow& row = s.rows[i];
        auto* item = new QTreeWidgetItem(list_);
        item->setText(ColumnSize, QString::number(row.size));
        if (static_cast<int>(row.elements.size()) < row.size)
            item->setToolTip(ColumnSize,
                             QCoreApplication::translate("BroadbandDialog",
                                                         "No ladder of %1 elements does better "
                                                         "than this one of %2.")
                                 .arg(row.size)
                                 .arg(row.elements.size()));
        item->setText(ColumnNetwork, networkText(row.elements));
        item->setToolTip(ColumnNetwork, networkText(row.elements));
        item->setText(ColumnWorst, QCoreApplication::translate("BroadbandDialog", "%1 dB").arg(row.worstReturnLoss, 0, 'f', 2));
        item->setText(ColumnLimit, row.belowLimit
                                       ? QCoreApplication::translate("BroadbandDialog", "%1 dB").arg(*row.belowLimit, 0, 'f', 2)
                                       : QStringLiteral("-"));
        item->setText(ColumnQ, row.q ? QString::number(*row.q, 'f', 1) : QStringLiteral("-"));
        for (int c : {ColumnWorst, ColumnLimit, ColumnQ})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (static_cast<int>(i) == s.overall) {
            QFont bold = item->font(ColumnSize);
            bold.setBold(true);
            for (int c = 0; c < list_->columnCount(); ++c)
                item->setFont(c, bold);
            item->setText(ColumnSize, item->text(ColumnSize) + QCoreApplication::translate("BroadbandDialog", "  best"));
        }
    }
    for (int c = 0; c < list_->columnCount(); ++c)
        list_->resizeColumnToContents(c);
    QString limit = text(limitText(s, problem_.band.frequencies.front(),
                                   problem_.band.frequencies.back()));
    limit += QCoreApplication::translate("BroadbandDialog", "\nThe load alone: worst return loss %1 dB. Lines in wavelengths at %2Hz.")
                 .arg(s.none.worstReturnLoss, 0, 'f', 2)
                 .arg(text(formatSi(f0_, 3)));
    limit_->setText(limit);
    if (s.overall >= 0)
        list_->setCurrentItem(list_->topLevelItem(s.overall));
    else
        preview();
}

int BroadbandDialog::selectedRow() const
{
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    return row >= 0 && row < static_cast<int>(summary_.rows.size()) ? row : -1;
}

std::vector<Element> BroadbandDialog::networkAt(int row, double f0) const
{
    const LadderNetwork& n = result_.best[static_cast<std::size_t>(row)];
    std::vector<Element> network = ladderElements(n.topology, n.x, problem_.band.source,
                                                  problem_.band.centre, f0, state_.memory.lineEr);
    if (losses_->isChecked())
        for (Element& e : network)
            e.loss = defaultLossFor(state_.settings.partLosses, e.kind, f0);
    return network;
}

void BroadbandDialog::preview()
{
    const int row = selectedRow();
    state_.matchPreview.clear();
    state_.bandPreview.clear();
    lossyResult_->clear();
    state_.bandLoadPreview = problem_.band.loads;
    ReturnLossPlot plot;
    plot.frequencies = problem_.band.frequencies;
    plot.unmatched = summary_.none.returnLoss;
    plot.limit = summary_.limitReturnLoss;
    if (row >= 0) {
        const std::vector<Element> network = networkAt(row, f0_);
        plot.returnLoss = summary_.rows[static_cast<std::size_t>(row)].returnLoss;
        const LadderBand& b = problem_.band;
        std::vector<double> lossy;
        for (std::size_t i = 0; i < b.frequencies.size(); ++i) {
            Complex z = b.loads[i];
            for (const Element& e : network)
                z = transformElement(e, z, b.frequencies[i], f0_);
            state_.bandPreview.push_back(z);
            if (!losses_->isChecked())
                continue;
            const double gamma = std::abs(std::complex<double>(z.re - b.source, z.im) /
                                          std::complex<double>(z.re + b.source, z.im));
            lossy.push_back(-20.0 * std::log10(std::max(gamma, 1e-15)));
        }
        if (!lossy.empty()) {
            lossyResult_->setText(QCoreApplication::translate("BroadbandDialog", "worst RL %1 dB (ideal parts %2 dB)")
                                      .arg(*std::min_element(lossy.begin(), lossy.end()), 0, 'f', 2)
                                      .arg(summary_.rows[static_cast<std::size_t>(row)].worstReturnLoss,
                                           0, 'f', 2));
            plot.returnLoss = std::move(lossy);
        }
        // The network's arcs at the frequency its lines refer to, from the
        // load there: the chain's end, or the file's band point.
        if (!network.empty()) {
            const Complex start = searchedLoad_ == LoadDataPoints
                                      ? chainEnd(state_.design)
                                      : b.loads[nearestCentre(b)];
            std::vector<Element> placed = network;
            placed[0].rBegin = start.re;
            placed[0].xBegin = start.im;
            recomputeChain(placed, 0, f0_);
            state_.matchPreview = std::move(placed);
        }
    }
    plot_->setData(std::move(plot));
    if (onRepaint)
        onRepaint();
}

bool BroadbandDialog::applySelected()
{
    Design& d = state_.design;
    const int row = selectedRow();
    if (row < 0) {
        message(QCoreApplication::translate("BroadbandDialog", "Search first, then choose a network."), MessageIcon::Exclamation,
                false);
        return false;
    }
    const bool fromFile = searchedLoad_ == LoadFile;
    std::vector<DataPoint> points;
    int start = 0;
    double f0 = f0_;
    if (fromFile) {
        if (d.dataPointCount > 0 || d.widebandDone) {
            message(QStringLiteral("This network is for the file's load. Apply adds the band's "
                                   "frequencies as data points with the network after them, so "
                                   "it needs a design without data points: start one with "
                                   "File > New, then search and apply again."),
                    MessageIcon::Exclamation, true);
            return false;
        }
        const LadderBand& b = problem_.band;
        for (std::size_t i = 0; i < b.frequencies.size(); ++i)
            points.push_back({b.loads[i].re, b.loads[i].im, b.frequencies[i]});
        start = static_cast<int>(nearestCentre(b)) + 1;
        f0 = points[static_cast<std::size_t>(start - 1)].f;
    } else if (const auto refusal = checkElementButton(d)) {
        report(platform_, state_.settings, this, *refusal);
        return false;
    }
    const std::vector<Element> network = networkAt(row, f0);
    if (const auto full = checkRoomFor(d, points.size(), network.size())) {
        report(platform_, state_.settings, this, *full);
        return false;
    }
    // The checks above leave appendAsOneStep nothing to refuse.
    appendAsOneStep(d, points, network, start);
    state_.matchPreview.clear();
    state_.bandPreview.clear();
    state_.bandLoadPreview.clear();
    if (onRepaint)
        onRepaint();
    return true;
}

} // namespace zelvo
