// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Print jobs on a QPrinter: the chosen printer made on first use, the
// printer text of the dialogs, and the page loop with its abort check. A PDF
// job is drawn in memory and saved through writeFileReplacing only when
// complete, so that a cancelled or failed job never leaves a half-written
// file and never destroys the file it was to replace.
#include "ui/app_state.h"
#include "render/response_graph.h"
#include "ui/print_pages.h"

#include <QString>
#include <functional>
#include <vector>

class QPainter;
class QPrinter;

namespace zelvo {

// The run's printer: the system's default printer, or PDF output when the
// print system offers none. Made on the first call.
QPrinter& printerOf(AppState& state);

// "%s, %s at %s": printer name, driver (make and model, else the print
// system) and location; "PDF file, ..." with the output path for PDF output.
QString printerText(const QPrinter& printer);

// The printable area of the printer in device pixels and its scale to 600 dpi.
PageFrame pageFrameOf(const QPrinter& printer);

// Draws one page on a painter that is active on the printer; false: aborted.
using PagePainter = std::function<bool(QPainter&, const PageFrame&)>;

// WriteFailed: a PDF file could not be saved (the previous file is kept).
enum class PrintOutcome { Printed, Aborted, StartFailed, WriteFailed };

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Printed;
    // StartFailed: why the document could not be started, when known;
    // WriteFailed: the whole message, with the file and the system's reason.
    QString detail;
};

// Runs the pages as one document named `documentName`, checking `aborted`
// before every page (pages check it between their layers too).
PrintResult printPages(QPrinter& printer, const QString& documentName,
                       const std::vector<PagePainter>& pages, const AbortCheck& aborted);

// The pages of the chart print for the flags: the comments page, then the
// chart page when the chart or the schematic is chosen.
std::vector<PagePainter> chartPrintPages(const Design& design, const Settings& settings,
                                         std::uint16_t flags, const AbortCheck& aborted);
// The frequency response graph across the page, `title` above it.
std::vector<PagePainter> responsePrintPages(const ResponseGraph& graph, const std::string& title);
// The three S-Plot pages.
std::vector<PagePainter> sPlotPrintPages(const SParamSet& set, const Settings& settings);

} // namespace zelvo
