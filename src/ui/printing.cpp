// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/printing.h"

#include "render/painter_canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <cstring>
#include <memory>

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

// Puts the printer's output file name back however the job ends.
class OutputNameGuard {
  public:
    explicit OutputNameGuard(QPrinter& p) : printer_(p), name_(p.outputFileName()) {}
    ~OutputNameGuard() { printer_.setOutputFileName(name_); }
    OutputNameGuard(const OutputNameGuard&) = delete;
    OutputNameGuard& operator=(const OutputNameGuard&) = delete;

  private:
    QPrinter& printer_;
    QString name_;
};

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
        const QString path = printer.outputFileName().isEmpty()
                                 ? QStringLiteral("the file chosen when printing")
                                 : QDir::toNativeSeparators(printer.outputFileName());
        return QStringLiteral("PDF file, Qt PDF at %1").arg(path);
    }
    const QPrinterInfo info(printer);
    QString driver = info.makeAndModel();
    if (driver.isEmpty())
        driver = QStringLiteral("CUPS");
    QString port = info.location();
    if (port.isEmpty())
        port = QStringLiteral("the print system");
    return QStringLiteral("%1, %2 at %3").arg(printer.printerName(), driver, port);
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
    printer.setDocName(documentName);
    const OutputNameGuard keepName(printer);
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QString target = printer.outputFileName();
    std::unique_ptr<QTemporaryFile> part;
    if (toFile) {
        if (target.isEmpty())
            return {PrintOutcome::StartFailed, QStringLiteral("No output file was chosen.")};
        const QFileInfo info(target);
        part = std::make_unique<QTemporaryFile>(info.absolutePath() + QStringLiteral("/.") +
                                                info.fileName() + QStringLiteral(".XXXXXX"));
        if (!part->open())
            return {PrintOutcome::StartFailed,
                    QStringLiteral("Cannot write to the folder '%1': %2")
                        .arg(QDir::toNativeSeparators(info.absolutePath()), part->errorString())};
        part->close();
        printer.setOutputFileName(part->fileName());
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return {PrintOutcome::StartFailed, {}};
    const PageFrame frame = pageFrameOf(printer);
    bool complete = true;
    for (std::size_t i = 0; i < pages.size() && complete; ++i) {
        if ((aborted && aborted()) || (i > 0 && !printer.newPage()))
            complete = false;
        else
            complete = pages[i](painter, frame);
    }
    if (!complete) {
        printer.abort();
        painter.end();
        return {PrintOutcome::Aborted, {}};
    }
    if (!painter.end())
        return {PrintOutcome::StartFailed, QStringLiteral("The document could not be finished.")};
    if (toFile) {
        // rename() replaces the target in one step: readers see the old file or the new one.
        const QByteArray from = QFile::encodeName(part->fileName());
        const QByteArray to = QFile::encodeName(target);
        if (std::rename(from.constData(), to.constData()) != 0)
            return {PrintOutcome::StartFailed,
                    QStringLiteral("Cannot write '%1': %2")
                        .arg(QDir::toNativeSeparators(target),
                             QString::fromLocal8Bit(std::strerror(errno)))};
        part->setAutoRemove(false);
    }
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

} // namespace zelvo
