// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/printing.h"

#include "model/file_io.h"
#include "render/painter_canvas.h"
#include "ui/messages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>
#include <string>

namespace zelvo {

namespace {

// A one-pixel line at 600 dpi is a hair on paper; this makes it about 0.13 mm.
constexpr double printPenScale = 3.0;

// The chart page and the plots page are y-up from the page centre; the list
// pages are y-down from the top-left corner.
CanvasMapping pageMapping(const PageFrame& page, bool centred)
{
    return centred ? CanvasMapping::chart(page.width / 2, page.height / 2)
                   : CanvasMapping::device();
}

constexpr const char* writeErrorText = "Error while writing file '%s'";

// As pageFrameOf for a PDF writer, whose device is its printable area.
PageFrame frameOf(const QPdfWriter& device)
{
    PageFrame f;
    f.width = device.width();
    f.height = device.height();
    f.sx = device.logicalDpiX() / 600.0;
    f.sy = device.logicalDpiY() / 600.0;
    return f;
}

// Runs the pages on a painter that is active on `device`; false: aborted.
bool paintPages(QPainter& painter, QPagedPaintDevice& device, const PageFrame& frame,
                const std::vector<PagePainter>& pages, const AbortCheck& aborted)
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if ((aborted && aborted()) || (i > 0 && !device.newPage()))
            return false;
        if (!pages[i](painter, frame))
            return false;
    }
    return true;
}

QString writeFailedText(const QString& target, const std::string& why)
{
    return withReason(withPath(writeErrorText, QDir::toNativeSeparators(target)), why);
}

// A PDF job is drawn in memory and saved as every other file is: nothing is
// written before the document is complete, and the file it replaces is kept
// when the disk refuses the new one.
PrintResult printToPdf(const QPrinter& printer, const QString& documentName,
                       const std::vector<PagePainter>& pages, const AbortCheck& aborted)
{
    const QString target = printer.outputFileName();
    if (target.isEmpty())
        return {PrintOutcome::StartFailed,
                QCoreApplication::translate("Printing", "No output file was chosen.")};
    const std::string path = QFile::encodeName(target).toStdString();
    // Checked first, so that a long job is not drawn for a file it cannot
    // replace: the document cannot be started then.
    if (const std::optional<std::string> blocker = replaceBlocker(path))
        return {PrintOutcome::StartFailed,
                QCoreApplication::translate("Printing", "Cannot write '%1': %2.")
                    .arg(QDir::toNativeSeparators(target), QString::fromLocal8Bit(*blocker))};

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(printer.resolution());
    pdf.setPageLayout(printer.pageLayout());
    pdf.setTitle(documentName);
    pdf.setCreator(QStringLiteral("Zelvo"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return {PrintOutcome::StartFailed, {}};
    const bool complete = paintPages(painter, pdf, frameOf(pdf), pages, aborted);
    const bool ended = painter.end();
    if (!complete)
        return {PrintOutcome::Aborted, {}};
    if (!ended)
        return {PrintOutcome::StartFailed,
                QCoreApplication::translate("Printing", "The document could not be finished.")};
    const QByteArray& bytes = buffer.data();
    std::string why;
    if (!writeFileReplacing(
            path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
            &why))
        return {PrintOutcome::WriteFailed, writeFailedText(target, why)};
    return {};
}

} // namespace

QPrinter& printerOf(AppState& state)
{
    if (!state.print.printer) {
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty() || printer->printerName().isEmpty()) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            // The layout is made for 600 dpi; finer only thins the lines.
            printer->setResolution(600);
        }
        state.print.printer = std::move(printer);
    }
    return *state.print.printer;
}

QString printerText(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString path =
            printer.outputFileName().isEmpty()
                ? QCoreApplication::translate("Printing", "the file chosen when printing")
                : QDir::toNativeSeparators(printer.outputFileName());
        return QCoreApplication::translate("Printing", "PDF file, Qt PDF at %1").arg(path);
    }
    const QPrinterInfo info(printer);
    QString driver = info.makeAndModel();
    if (driver.isEmpty())
        driver = QStringLiteral("CUPS");
    QString port = info.location();
    if (port.isEmpty())
        port = QCoreApplication::translate("Printing", "the print system");
    return QCoreApplication::translate("Printing", "%1, %2 at %3", "printer name, driver, location")
        .arg(printer.printerName(), driver, port);
}

PageFrame pageFrameOf(const QPrinter& printer)
{
    const QRect r = printer.pageRect(QPrinter::DevicePixel).toRect();
    PageFrame f;
    f.width = r.width();
    f.height = r.height();
    f.sx = printer.logicalDpiX() / 600.0;
    f.sy = printer.logicalDpiY() / 600.0;
    return f;
}

PrintResult printPages(QPrinter& printer, const QString& documentName,
                       const std::vector<PagePainter>& pages, const AbortCheck& aborted)
{
    if (pages.empty())
        return {}; // nothing chosen: no blank sheet
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printToPdf(printer, documentName, pages, aborted);
    printer.setDocName(documentName);
    QPainter painter;
    if (!painter.begin(&printer))
        return {PrintOutcome::StartFailed, {}};
    if (!paintPages(painter, printer, pageFrameOf(printer), pages, aborted)) {
        printer.abort();
        painter.end();
        return {PrintOutcome::Aborted, {}};
    }
    if (!painter.end())
        return {PrintOutcome::StartFailed,
                QCoreApplication::translate("Printing", "The document could not be finished.")};
    return {};
}

std::vector<PagePainter> chartPrintPages(const Design& design, const Settings& settings,
                                         std::uint16_t flags, const AbortCheck& aborted)
{
    std::vector<PagePainter> pages;
    if ((flags & printComments) != 0)
        pages.push_back([&design](QPainter& painter, const PageFrame& page) {
            PainterCanvas canvas(painter, pageMapping(page, false));
            canvas.setPenScale(printPenScale * page.sx);
            drawCommentsPage(canvas, design, page);
            return true;
        });
    if ((flags & (printChart | printSchematic)) != 0)
        pages.push_back(
            [&design, &settings, flags, aborted](QPainter& painter, const PageFrame& page) {
                PainterCanvas canvas(painter, pageMapping(page, true));
                canvas.setPenScale(printPenScale * page.sx);
                return drawChartPage(canvas, design, settings, flags, page, aborted);
            });
    return pages;
}

std::vector<PagePainter> sPlotPrintPages(const SParamSet& set, const Settings& settings)
{
    return {[&set](QPainter& painter, const PageFrame& page) {
                PainterCanvas canvas(painter, pageMapping(page, false));
                canvas.setPenScale(printPenScale * page.sx);
                drawGainGraphPage(canvas, set, page);
                return true;
            },
            [&set](QPainter& painter, const PageFrame& page) {
                PainterCanvas canvas(painter, pageMapping(page, false));
                canvas.setPenScale(printPenScale * page.sx);
                drawGainTablePage(canvas, set, page);
                return true;
            },
            [&set, &settings](QPainter& painter, const PageFrame& page) {
                PainterCanvas canvas(painter, pageMapping(page, true));
                canvas.setPenScale(printPenScale * page.sx);
                drawPlotsPage(canvas, set, settings, page);
                return true;
            }};
}

std::vector<PagePainter> responsePrintPages(const ResponseGraph& graph, const std::string& title)
{
    return {[&graph, title](QPainter& painter, const PageFrame& page) {
        PainterCanvas canvas(painter, pageMapping(page, false));
        canvas.setPenScale(printPenScale * page.sx);
        const int font = page.scaledY(50);
        canvas.setTextColour(rgb(0, 0, 0));
        canvas.setFont({font, FontFace::Default, 700, 0});
        canvas.text({page.width / 2, 2 * font}, title, TextAlign::CentreTop);
        // Landscape proportions across the top of the page.
        const int top = 5 * font;
        painter.save();
        painter.translate(0, top);
        drawResponseGraph(canvas, graph, page.width, std::min(page.height - top, page.width * 2 / 3),
                          font);
        painter.restore();
        return true;
    }};
}

} // namespace zelvo
