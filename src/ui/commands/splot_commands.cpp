// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/commands/splot_commands.h"

#include "core/number_text.h"
#include "model/design_rules.h"
#include "model/touchstone.h"
#include "model/value_rules.h"
#include "ui/commands/file_commands.h"
#include "ui/dialogs/circle_dialogs.h"
#include "ui/dialogs/sparam_line_dialog.h"
#include "ui/messages.h"
#include "ui/recent_files.h"
#include "ui/wait_cursor.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace zelvo {

void loadTouchstone(CommandContext& c, const QString& path)
{
    c.state.lastTouchstonePath = path;
    // Read into a fresh set: a file that fails keeps the one already shown.
    auto fresh = std::make_unique<SParamSet>();
    LoadResult result;
    {
        const WaitCursor wait;
        result = loadTouchstoneFile(*fresh, QFile::encodeName(path).toStdString());
    }
    switch (result.status) {
    case LoadStatus::OpenFailed:
    case LoadStatus::OutOfMemory:
        if (result.message)
            report(c.platform, c.state.settings, c.parent(), *result.message);
        return;
    case LoadStatus::FormatError:
        if (result.message)
            report(c.platform, c.state.settings, c.parent(), *result.message);
        break;
    case LoadStatus::Ok: {
        const std::uint64_t revision = c.state.sparams.revision + 1;
        c.state.sparams = std::move(*fresh);
        c.state.sparams.loaded = true;
        c.state.sparams.revision = revision;
        noteRecentFile(c.state, path);
        break;
    }
    }
    c.shell.updateTitle();
    c.shell.refreshMenu();
    c.shell.repaintAll();
}

void openTouchstoneCommand(CommandContext& c)
{
    FileDialogRequest r;
    r.parent = c.parent();
    r.title = QCoreApplication::translate("Commands", "Open");
    r.filters = {QCoreApplication::translate("Commands", "S-Files (*.S2P)"), QCoreApplication::translate("Commands", "All Files (*)")};
    r.directory = c.state.lastTouchstonePath;
    const QString path = c.platform.openFileName ? c.platform.openFileName(r) : QString();
    if (path.isEmpty())
        return;
    loadTouchstone(c, path);
}

void closeTouchstoneCommand(CommandContext& c)
{
    SParamSet& set = c.state.sparams;
    set.loaded = false;
    set.resizePoints(0);
    set.resizeNoise(0);
    set.sourceText.clear();
    ++set.revision;
    c.shell.updateTitle();
    c.shell.refreshMenu();
    c.shell.repaintAll();
}

void importToChartCommand(CommandContext& c, bool s22)
{
    if (c.design().widebandDone) {
        tell(c.platform, c.state.settings, c.parent(),
             QCoreApplication::translate("Commands", "Wideband calculation done.\n\rNo more datapoints possible."),
             MessageIcon::Error, true);
        return;
    }
    if (!c.state.sparams.loaded) {
        tell(c.platform, c.state.settings, c.parent(),
             QCoreApplication::translate("Commands", "Open a file in S-Plot mode first."), MessageIcon::Error, true);
        return;
    }
    const SParamSet& set = c.state.sparams;
    const std::optional<std::vector<int>> chosen =
        selectPointsDialog(c.state, c.platform, pointLines(set), c.parent());
    if (!chosen)
        return;
    // The set as it was at OK: the dialog is modal, nothing changes it meanwhile.
    const double zref = set.referenceImpedance;
    const double scale = std::pow(10.0, set.freqExponent);
    Design& d = c.design();
    int added = 0;
    int refused = 0;
    double firstRefused = 0.0;
    for (int row : *chosen) {
        if (row < 0 || row >= set.validPoints())
            continue;
        std::optional<DialogMessage> refusal = checkDataPointLimit(d);
        if (!refusal)
            refusal = checkHistoryRoom(d);
        if (refusal) {
            report(c.platform, c.state.settings, c.parent(), *refusal);
            break;
        }
        const SParamPoint& p = set.points[static_cast<std::size_t>(row)];
        // Every element divides by a data point's frequency; a design with
        // such a point (a file's DC line) could be neither used nor read back.
        if (!pointFrequencyAccepted(p.frequency * scale)) {
            if (refused++ == 0)
                firstRefused = p.frequency;
            continue;
        }
        const Complex z = s22 ? gammaToImpedance(p.s22re, p.s22im, zref)
                              : gammaToImpedance(p.s11re, p.s11im, zref);
        if (appendDataPoint(d, DataPoint{z.re, z.im, static_cast<double>(p.frequency) * scale}))
            ++added;
    }
    if (added > 0) {
        d.currentPoint = {d.dataPoints[0].r, d.dataPoints[0].x};
        d.startPoint = 1;
        d.modified = true;
    }
    if (refused == 1) {
        // As the chooser lists it: the file's number in the file's unit.
        const int e = set.freqExponent;
        const char* unit = e == 0 ? "Hz" : e == 3 ? "kHz" : e == 6 ? "MHz" : "GHz";
        tell(c.platform, c.state.settings, c.parent(),
             QStringLiteral("The point at %1 %2 cannot become a data point:\n\r"
                            "its frequency must be > 0 and at most 1000 GHz.")
                 .arg(QString::fromStdString(fixedText(firstRefused, 3)), QLatin1String(unit)),
             MessageIcon::Error, true);
    }
    else if (refused > 1)
        tell(c.platform, c.state.settings, c.parent(),
             QStringLiteral("%1 of the chosen points cannot become data points:\n\r"
                            "a frequency must be > 0 and at most 1000 GHz.")
                 .arg(refused),
             MessageIcon::Error, true);
    c.shell.repaintAll();
}

void exportParametersCommand(CommandContext& c, ParameterKind kind)
{
    const ExportTexts texts = exportTexts(kind);
    FileDialogRequest r;
    r.parent = c.parent();
    // The model's English texts rebuilt from their parts, in the user's language.
    const QString letter = QString::fromStdString(texts.defaultExtension.substr(0, 1));
    r.title = QCoreApplication::translate("Commands", "Filename of %1-Parameter-File to save")
                  .arg(letter);
    r.filters = {QCoreApplication::translate("Commands", "%1-Parameter-Files (%2)")
                     .arg(letter, QString::fromStdString(texts.filterPattern)),
                 QCoreApplication::translate("Commands", "All Files (*)")};
    r.defaultSuffix = QString::fromStdString(texts.defaultExtension);
    r.directory = c.state.lastExportPath;
    const QString path = c.platform.saveFileName ? c.platform.saveFileName(r) : QString();
    if (path.isEmpty())
        return;
    c.state.lastExportPath = path;
    const std::string target = QFile::encodeName(path).toStdString();
    // Reported before the normalisation is asked, as a failed create would be.
    if (const std::optional<DialogMessage> m = probeExportTarget(target)) {
        report(c.platform, c.state.settings, c.parent(), *m);
        return;
    }
    const std::optional<bool> normalise = chooseNormalisation(c.state, c.platform, c.parent());
    if (!normalise)
        return;
    const ExportResult result = exportTwoPortFile(c.state.sparams, kind, *normalise, target);
    report(c.platform, c.state.settings, c.parent(), result.message);
}

CommandLineFile commandLineKind(const QString& argument)
{
    const QString lower = argument.toLower();
    if (lower.contains(QLatin1String(".s2p")))
        return CommandLineFile::Touchstone;
    if (lower.contains(QLatin1String(".zvc")))
        return CommandLineFile::Design;
    return CommandLineFile::None;
}

void openCommandLine(CommandContext& c, const QString& argument)
{
    switch (commandLineKind(argument)) {
    case CommandLineFile::Touchstone:
        c.shell.switchMode(AppMode::SPlot);
        loadTouchstone(c, argument);
        break;
    case CommandLineFile::Design:
        if (openDesignFile(c, argument))
            c.state.lastDesignPath = argument;
        break;
    case CommandLineFile::None:
        break;
    }
}

} // namespace zelvo
