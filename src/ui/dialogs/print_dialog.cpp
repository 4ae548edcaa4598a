// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/print_dialog.h"

#include "ui/app_state.h"
#include "ui/messages.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>

namespace zelvo {

namespace {

constexpr const char* unableText = "Unable to initialize printer.\r\nCheck printer setup.";

// The check boxes that only mean something with the chart.
constexpr std::uint16_t chartDependents = printZGrid | printYGrid | printElements | printQCircles |
                                          printStabilityCircles | printGainCircles | printLabels |
                                          printVswrCircles | printWideband | printNoiseCircles;

QString controlName(int id)
{
    return QStringLiteral("control%1").arg(id);
}

QLabel* printerLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(controlName(1039));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

// The design's or the data file's path with ".pdf", or "unnamed.pdf" at home.
QString pdfNameFor(const std::string& source)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(source));
    const QFileInfo info(path);
    if (path.isEmpty() || path.startsWith(QLatin1Char('<')) || !info.isAbsolute())
        return QDir::home().filePath(QStringLiteral("unnamed.pdf"));
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
           QStringLiteral(".pdf");
}

struct Job {
    QString documentName;
    QString shownName;
    std::string pdfSource;
    std::function<std::vector<PagePainter>(const AbortCheck&)> pages;
    QString startFailedText;
};

// One print run: PDF file choice, the progress window, the pages, the
// messages. False when the user cancelled the choice of the PDF file.
bool runJob(AppState& state, const Platform& platform, QDialog* owner, QWidget* body,
            const Job& job)
{
    QPrinter& printer = printerOf(state);
    if (!printer.isValid()) {
        tell(platform, state.settings, owner, QString::fromLatin1(unableText),
             MessageIcon::Exclamation, true);
        return true;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        FileDialogRequest request;
        request.parent = owner;
        request.title = QCoreApplication::translate("PrintDialog", "Print to PDF file");
        request.filters = {QCoreApplication::translate("PrintDialog", "PDF Files (*.pdf)"), QCoreApplication::translate("PrintDialog", "All Files (*)")};
        request.defaultSuffix = QStringLiteral("pdf");
        request.directory = printer.outputFileName().isEmpty() ? pdfNameFor(job.pdfSource)
                                                               : printer.outputFileName();
        const QString path = platform.saveFileName ? platform.saveFileName(request) : QString();
        if (path.isEmpty())
            return false;
        printer.setOutputFileName(path);
    }

    body->setEnabled(false);
    // A window of the print dialog's own, so that the modal dialog does not block it.
    auto progress =
        std::make_unique<PrintProgressDialog>(job.shownName, printerText(printer), owner);
    progress->onCancel = [body] { body->setEnabled(true); };
    progress->show();
    PrintProgressDialog* shown = progress.get();
    const AbortCheck aborted = [shown] {
        QCoreApplication::processEvents();
        return shown->cancelled();
    };
    const PrintResult r = printPages(printer, job.documentName, job.pages(aborted), aborted);
    if (r.outcome != PrintOutcome::Aborted) {
        body->setEnabled(true);
        progress->close();
    }
    progress.reset();
    if (r.outcome == PrintOutcome::WriteFailed)
        tell(platform, state.settings, owner, r.detail, MessageIcon::Exclamation, true);
    if (r.outcome == PrintOutcome::StartFailed) {
        QString text = job.startFailedText;
        if (!r.detail.isEmpty())
            text += QStringLiteral("\n\n") + r.detail;
        tell(platform, state.settings, owner, text, MessageIcon::Exclamation, true);
    }
    return true;
}

QDialogButtonBox* okCancel(QDialog* dialog, QWidget* parent)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QPushButton* button(const char* text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(QCoreApplication::translate("PrintDialog", text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

void setupPrinter(AppState& state, const Platform& platform, QWidget* parent)
{
    if (platform.printerSetup)
        platform.printerSetup(parent, printerOf(state));
}

PrintProgressDialog::PrintProgressDialog(const QString& fileName, const QString& printer,
                                         QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("printingProgress"));
    setWindowTitle(QCoreApplication::translate("PrintDialog", "Printing"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(fileName, this);
    file->setObjectName(controlName(1078));
    layout->addWidget(file);
    layout->addWidget(printerLabel(this, printer));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        cancelled_ = true;
        if (onCancel)
            onCancel();
        hide();
    });
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

PrintDialog::PrintDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("PrintDialog", "PRINT"));
    setHelpKeyword(QStringLiteral("Print the Zelvo-Chart"));
    if (!state.print.flagsShown) {
        // The settings file's turned schematic text counts once per run.
        if (state.settings.schematicTextAngle == 900)
            state.print.flags |= printTurnText;
        state.print.flagsShown = true;
    }
    working_ = state.print.flags;

    // Everything sits on one page widget, which a running job disables; the
    // progress window stays a window of the dialog itself and keeps working.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    body_ = new QWidget(this);
    outer->addWidget(body_);
    auto* layout = new QVBoxLayout(body_);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);
    const auto check = [this](std::uint16_t bit, const char* text, QWidget* parent) {
        int id = 0;
        for (const auto& [b, control] : printControls)
            if (b == bit)
                id = control;
        auto* box = new QCheckBox(QCoreApplication::translate("PrintDialog", text), parent);
        box->setObjectName(controlName(id));
        box->setChecked((working_ & bit) != 0);
        connect(box, &QCheckBox::toggled, this, [this, bit](bool on) { toggle(bit, on); });
        boxes_[bit] = box;
        return box;
    };

    auto* chartGroup = new QGroupBox(QCoreApplication::translate("PrintDialog", "Chart"), body_);
    auto* chartLayout = new QGridLayout(chartGroup);
    chartLayout->addWidget(check(printChart, QT_TRANSLATE_NOOP("PrintDialog", "Zelvo Chart"), chartGroup), 0, 0, 1, 2);
    const std::pair<std::uint16_t, const char*> layers[] = {
        {printZGrid, QT_TRANSLATE_NOOP("PrintDialog", "Z-chart")},
        {printYGrid, QT_TRANSLATE_NOOP("PrintDialog", "Y-chart")},
        {printElements, QT_TRANSLATE_NOOP("PrintDialog", "Elements")},
        {printQCircles, QT_TRANSLATE_NOOP("PrintDialog", "Q-ellipses")},
        {printVswrCircles, QT_TRANSLATE_NOOP("PrintDialog", "VSWR-circles")},
        {printWideband, QT_TRANSLATE_NOOP("PrintDialog", "Wideband")},
        {printStabilityCircles, QT_TRANSLATE_NOOP("PrintDialog", "Stability circles")},
        {printGainCircles, QT_TRANSLATE_NOOP("PrintDialog", "Constant gain circles")},
        {printNoiseCircles, QT_TRANSLATE_NOOP("PrintDialog", "Noise circles")},
        {printLabels, QT_TRANSLATE_NOOP("PrintDialog", "Labels")},
    };
    int row = 1;
    for (const auto& [bit, text] : layers) {
        chartLayout->addWidget(check(bit, text, chartGroup), row, 1);
        ++row;
    }
    chartLayout->setColumnMinimumWidth(0, 16);
    columns->addWidget(chartGroup);

    auto* right = new QVBoxLayout;
    auto* pages = new QGroupBox(QCoreApplication::translate("PrintDialog", "Print"), body_);
    auto* pagesLayout = new QVBoxLayout(pages);
    pagesLayout->addWidget(check(printSchematic, QT_TRANSLATE_NOOP("PrintDialog", "Schematic"), pages));
    pagesLayout->addWidget(check(printTurnText, QT_TRANSLATE_NOOP("PrintDialog", "turn schematic-inscription 180°"), pages));
    pagesLayout->addWidget(check(printComments, QT_TRANSLATE_NOOP("PrintDialog", "Comments"), pages));
    right->addWidget(pages);

    auto* colours = new QGroupBox(QCoreApplication::translate("PrintDialog", "Colors"), body_);
    auto* colourLayout = new QVBoxLayout(colours);
    auto* mono = new QRadioButton(QCoreApplication::translate("PrintDialog", "Black and white"), colours);
    mono->setObjectName(controlName(1042));
    auto* screen = new QRadioButton(QCoreApplication::translate("PrintDialog", "Use screen colors"), colours);
    screen->setObjectName(controlName(1043));
    (working_ & printBlackWhite ? mono : screen)->setChecked(true);
    // Exactly one of the two bits is set, whatever the flags held before.
    connect(mono, &QRadioButton::toggled, this, [this](bool on) {
        working_ = static_cast<std::uint16_t>((working_ & ~(printBlackWhite | printScreenColours)) |
                                              (on ? printBlackWhite : printScreenColours));
    });
    working_ =
        static_cast<std::uint16_t>((working_ & ~(printBlackWhite | printScreenColours)) |
                                   (mono->isChecked() ? printBlackWhite : printScreenColours));
    colourLayout->addWidget(mono);
    colourLayout->addWidget(screen);
    right->addWidget(colours);

    auto* printerBox = new QGroupBox(QCoreApplication::translate("PrintDialog", "Printer"), body_);
    auto* printerLayout = new QVBoxLayout(printerBox);
    printer_ = printerLabel(printerBox, printerText(printerOf(state)));
    printerLayout->addWidget(printer_);
    QPushButton* setup = button(QT_TRANSLATE_NOOP("PrintDialog", "Setup..."), "setup", printerBox);
    connect(setup, &QPushButton::clicked, this, [this] { setupPrinter(); });
    printerLayout->addWidget(setup, 0, Qt::AlignLeft);
    right->addWidget(printerBox);
    right->addStretch();
    columns->addLayout(right);

    auto* bottom = new QHBoxLayout;
    QPushButton* help = button(QT_TRANSLATE_NOOP("PrintDialog", "Help..."), "help", body_);
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });
    bottom->addWidget(help);
    bottom->addWidget(okCancel(this, body_));
    layout->addLayout(bottom);
    enableDependents();
}

void PrintDialog::toggle(std::uint16_t bit, bool on)
{
    working_ = static_cast<std::uint16_t>(on ? working_ | bit : working_ & ~bit);
    if (bit == printChart)
        enableDependents();
}

void PrintDialog::enableDependents()
{
    const bool chart = (working_ & printChart) != 0;
    for (auto& [bit, box] : boxes_)
        if ((bit & chartDependents) != 0)
            box->setEnabled(chart);
}

void PrintDialog::setupPrinter()
{
    zelvo::setupPrinter(state_, platform_, this);
    printer_->setText(printerText(printerOf(state_)));
}

void PrintDialog::accept()
{
    // Nothing to print: said before a PDF name is asked for, and the dialog
    // stays open for the choice.
    if ((working_ & (printChart | printSchematic | printComments)) == 0) {
        refuse(QString::fromLatin1(nothingToPrintText));
        return;
    }
    state_.print.flags = working_;
    state_.settings.schematicTextAngle = schematicTextAngle(working_);
    const Design& d = state_.design;
    const Settings& settings = state_.settings;
    const std::uint16_t flags = working_;
    Job job;
    job.documentName = QCoreApplication::translate("PrintDialog", "Zelvo Chart ") +
                       QFile::decodeName(QByteArray::fromStdString(d.fileName));
    job.shownName = QFile::decodeName(QByteArray::fromStdString(d.fileName));
    job.pdfSource = d.fileName;
    job.pages = [&d, &settings, flags](const AbortCheck& aborted) {
        return chartPrintPages(d, settings, flags, aborted);
    };
    job.startFailedText = QCoreApplication::translate("PrintDialog", "Could not initialize printer");
    if (runJob(state_, platform_, this, body_, job))
        QDialog::accept();
}

ShortPrintDialog::ShortPrintDialog(AppState& state, const Platform& platform,
                                   const QString& caption, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("PrintDialog", "PRINT"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    body_ = new QWidget(this);
    outer->addWidget(body_);
    auto* layout = new QVBoxLayout(body_);
    layout->addWidget(new QLabel(caption, body_));
    printer_ = printerLabel(body_, printerText(printerOf(state)));
    layout->addWidget(printer_);
    auto* bottom = new QHBoxLayout;
    QPushButton* setup = button(QT_TRANSLATE_NOOP("PrintDialog", "Setup..."), "setup", body_);
    connect(setup, &QPushButton::clicked, this, [this] {
        zelvo::setupPrinter(state_, platform_, this);
        printer_->setText(printerText(printerOf(state_)));
    });
    bottom->addWidget(setup);
    bottom->addWidget(okCancel(this, body_));
    layout->addLayout(bottom);
    setMinimumWidth(420);
}

SPlotPrintDialog::SPlotPrintDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ShortPrintDialog(state, platform, QCoreApplication::translate("PrintDialog", "Print s-plots to:"), parent)
{
}

ResponsePrintDialog::ResponsePrintDialog(AppState& state, const Platform& platform,
                                         const ResponseGraph& graph, QWidget* parent)
    : ShortPrintDialog(state, platform, QCoreApplication::translate("PrintDialog", "Print frequency response to:"), parent),
      graph_(graph)
{
}

void ResponsePrintDialog::accept()
{
    const Design& d = state_.design;
    const QString path = QFile::decodeName(QByteArray::fromStdString(d.fileName));
    Job job;
    job.documentName = QCoreApplication::translate("PrintDialog", "Frequency response ") + path;
    job.shownName = path;
    job.pdfSource = d.fileName;
    const std::string title = QCoreApplication::translate("PrintDialog", "Frequency response: %1")
                                  .arg(path)
                                  .toStdString();
    job.pages = [this, title](const AbortCheck&) { return responsePrintPages(graph_, title); };
    job.startFailedText = QCoreApplication::translate("PrintDialog", "Could not initialize printer");
    if (runJob(state_, platform_, this, body_, job))
        QDialog::accept();
}

void SPlotPrintDialog::accept()
{
    const SParamSet& set = state_.sparams;
    if (!set.loaded) {
        message(QString::fromLatin1(noSPlotFileText), MessageIcon::Error, true);
        reject();
        return;
    }
    const Settings& settings = state_.settings;
    Job job;
    const QString path = QFile::decodeName(QByteArray::fromStdString(set.fileName));
    job.documentName = QCoreApplication::translate("PrintDialog", "S-Plot ") + path;
    job.shownName = path;
    job.pdfSource = set.fileName;
    job.pages = [&set, &settings](const AbortCheck&) { return sPlotPrintPages(set, settings); };
    job.startFailedText = QCoreApplication::translate("PrintDialog", "Error while 'STARTDOC'");
    if (runJob(state_, platform_, this, body_, job))
        QDialog::accept();
}

} // namespace zelvo
