// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/commands/file_commands.h"

#include "model/design_file.h"
#include "model/netlist.h"
#include "model/one_port.h"
#include "model/design_rules.h"
#include "model/spice_netlist.h"
#include "ui/chart_window.h"
#include "ui/dialogs/sparam_line_dialog.h"
#include "ui/messages.h"
#include "ui/recent_files.h"
#include "ui/wait_cursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace zelvo {

namespace {

constexpr const char* openErrorText = "Error while opening file '%s'";
constexpr const char* savePromptText = "Would you like to save changes made in '%s'?";

std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
QString fromNative(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

QString shownFileName(const std::string& name)
{
    if (name == "<unnamed>")
        return QCoreApplication::translate("Menu", "<unnamed>");
    return fromNative(name);
}

namespace {

QString designName(const Design& d)
{
    return fromNative(d.fileName);
}

// Where a save dialog opens: the design's own file, or where the last design came from.
QString saveStart(const CommandContext& c)
{
    const Design& d = c.design();
    if (d.fileName.find("<unnamed>") == std::string::npos)
        return designName(d);
    return c.state.lastDesignPath.isEmpty() ? QString()
                                            : QFileInfo(c.state.lastDesignPath).absolutePath();
}

// What Save Netlist proposes: the design's base name with a netlist suffix
// (the last netlist's, else ".mcf"), never the design file itself, in the
// folder of the last netlist or else of the design.
QString netlistStart(const CommandContext& c)
{
    const Design& d = c.design();
    const QString last = c.state.lastNetlistPath;
    if (d.fileName.find("<unnamed>") != std::string::npos)
        return last.isEmpty() ? saveStart(c) : last;
    const QFileInfo design(designName(d));
    const QFileInfo previous(last);
    QString suffix = last.isEmpty() ? QString() : previous.suffix();
    if (suffix.isEmpty() || suffix.compare(design.suffix(), Qt::CaseInsensitive) == 0)
        suffix = QStringLiteral("mcf");
    const QString folder = last.isEmpty() ? design.absolutePath() : previous.absolutePath();
    return QDir(folder).filePath(design.completeBaseName() + QLatin1Char('.') + suffix);
}

bool writeDesignTo(CommandContext& c, const QString& path)
{
    std::string why;
    if (writeDesignFile(c.design(), nativePath(path), &why) == designFileOk)
        return true;
    tell(c.platform, c.state.settings, c.parent(),
         withReason(withPath(designWriteErrorText, path), why), MessageIcon::Exclamation, true,
         {}, MessageButtons::OkCancel);
    return false;
}

} // namespace

QStringList designFileFilters()
{
    return {QCoreApplication::translate("Commands", "Zelvo-Chart-Files (*.ZVC)"), QCoreApplication::translate("Commands", "All Files (*)")};
}

QStringList netlistFileFilters()
{
    return {QCoreApplication::translate("Commands", "MMICAD Circuit (*.mcf)"), QCoreApplication::translate("Commands", "MMICAD&Touch.(*.ckt)"),
            QCoreApplication::translate("Commands", "Netlist Files (*.net)"), QCoreApplication::translate("Commands", "All Files (*)")};
}

bool savePrompt(CommandContext& c)
{
    if (!c.design().modified)
        return true;
    switch (tell(c.platform, c.state.settings, c.parent(),
                 withPath(savePromptText, shownFileName(c.design().fileName)), MessageIcon::Question, true, {},
                 MessageButtons::YesNoCancel)) {
    case MessageAnswer::Cancel:
        return false;
    case MessageAnswer::No:
        return true;
    default:
        return saveCommand(c);
    }
}

bool saveCommand(CommandContext& c)
{
    Design& d = c.design();
    if (d.fileName.find("<unnamed>") != std::string::npos)
        return saveAsCommand(c);
    if (!writeDesignTo(c, designName(d)))
        return false;
    d.modified = false;
    c.shell.updateTitle();
    return true;
}

bool saveAsCommand(CommandContext& c)
{
    FileDialogRequest r;
    r.parent = c.parent();
    r.title = QCoreApplication::translate("Commands", "Save As");
    r.filters = designFileFilters();
    r.defaultSuffix = QStringLiteral("ZVC");
    r.directory = saveStart(c);
    const QString path = c.platform.saveFileName ? c.platform.saveFileName(r) : QString();
    if (path.isEmpty())
        return false;
    if (!writeDesignTo(c, path))
        return false;
    Design& d = c.design();
    d.fileName = nativePath(path);
    d.modified = false;
    c.state.lastDesignPath = path;
    noteRecentFile(c.state, path);
    c.shell.updateTitle();
    return true;
}

namespace {

// Neither netlist can hold a measured block: said before any dialog opens.
bool netlistRefused(CommandContext& c, bool spice)
{
    const auto refusal = netlistBlockRefusal(c.design(), spice);
    if (refusal)
        report(c.platform, c.state.settings, c.parent(), *refusal);
    return refusal.has_value();
}

} // namespace

void saveNetlistCommand(CommandContext& c)
{
    if (netlistRefused(c, false))
        return;
    FileDialogRequest r;
    r.parent = c.parent();
    r.title = QCoreApplication::translate("Commands", "Save Netlist");
    r.filters = netlistFileFilters();
    r.defaultSuffix = QStringLiteral("mcf");
    r.directory = netlistStart(c);
    const QString path = c.platform.saveFileName ? c.platform.saveFileName(r) : QString();
    if (path.isEmpty())
        return;
    std::string why;
    if (writeNetlist(c.design(), nativePath(path), c.design().fileName, &why) != netlistOk) {
        tell(c.platform, c.state.settings, c.parent(),
             withReason(withPath(netlistWriteErrorText, path), why), MessageIcon::Exclamation,
             true, {}, MessageButtons::OkCancel);
        return;
    }
    c.state.lastNetlistPath = path;
    tell(c.platform, c.state.settings, c.parent(), withPath(netlistDoneText, path),
         MessageIcon::None, false);
}

void saveSpiceNetlistCommand(CommandContext& c)
{
    if (netlistRefused(c, true))
        return;
    FileDialogRequest r;
    r.parent = c.parent();
    r.title = QCoreApplication::translate("Commands", "Save SPICE Netlist");
    r.filters = {QCoreApplication::translate("Commands", "SPICE Netlist (*.cir)"), QCoreApplication::translate("Commands", "All Files (*)")};
    r.defaultSuffix = QStringLiteral("cir");
    r.directory = c.state.lastNetlistPath.isEmpty() ? saveStart(c) : c.state.lastNetlistPath;
    const QString path = c.platform.saveFileName ? c.platform.saveFileName(r) : QString();
    if (path.isEmpty())
        return;
    std::string why;
    if (!writeSpiceNetlist(c.design(), nativePath(path), c.design().fileName, &why)) {
        tell(c.platform, c.state.settings, c.parent(),
             withReason(withPath(netlistWriteErrorText, path), why), MessageIcon::Exclamation, true,
             {}, MessageButtons::OkCancel);
        return;
    }
    c.state.lastNetlistPath = path;
    tell(c.platform, c.state.settings, c.parent(), withPath(netlistDoneText, path),
         MessageIcon::None, false);
}

void importOnePortCommand(CommandContext& c)
{
    if (c.design().widebandDone) {
        report(c.platform, c.state.settings, c.parent(),
               DialogMessage{widebandNoPointsText, "", MessageIcon::Error});
        return;
    }
    FileDialogRequest r;
    r.parent = c.parent();
    r.title = QCoreApplication::translate("Commands", "Import one-port data");
    r.filters = {QCoreApplication::translate("Commands", "One-port S-Files (*.s1p *.S1P)"), QCoreApplication::translate("Commands", "All Files (*)")};
    r.directory = c.state.lastTouchstonePath;
    const QString path = c.platform.openFileName ? c.platform.openFileName(r) : QString();
    if (path.isEmpty())
        return;
    OnePortRead read;
    {
        const WaitCursor wait;
        read = loadOnePortFile(nativePath(path));
    }
    if (!read.data) {
        report(c.platform, c.state.settings, c.parent(),
               DialogMessage{read.problem, "", MessageIcon::Error});
        return;
    }
    LineListSource source;
    source.fileName = QString::fromStdString(read.data->fileName);
    source.header = QString::fromStdString(onePortHeader(read.data->freqExponent));
    for (const std::string& line : onePortLines(*read.data))
        source.lines << QString::fromStdString(line);
    const std::optional<std::vector<int>> rows =
        selectPointsDialog(c.state, c.platform, source, c.parent());
    if (!rows)
        return;
    if (const std::optional<DialogMessage> m = importOnePortPoints(c.design(), *read.data, *rows))
        report(c.platform, c.state.settings, c.parent(), *m);
    c.shell.updateTitle();
    c.shell.repaintAll();
}

void newDesignCommand(CommandContext& c)
{
    if (!savePrompt(c))
        return;
    newDesign(c.design());
    c.shell.resetInteraction();
    c.shell.updateTitle();
    c.shell.refreshZo();
    c.shell.repaintAll();
}

void openDesignCommand(CommandContext& c)
{
    if (!savePrompt(c))
        return;
    FileDialogRequest r;
    r.parent = c.parent();
    r.title = QCoreApplication::translate("Commands", "Open");
    r.filters = designFileFilters();
    r.directory = c.state.lastDesignPath;
    const QString path = c.platform.openFileName ? c.platform.openFileName(r) : QString();
    if (path.isEmpty())
        return;
    c.state.lastDesignPath = path;
    openDesignFile(c, path);
    c.shell.repaintAll();
}

bool openDesignFile(CommandContext& c, const QString& path)
{
    const WaitCursor wait;
    // Read into a design of its own: a file that fails half way must not
    // leave its fragments under the name of the design it replaced.
    auto fresh = std::make_unique<Design>();
    fresh->maxItems = c.design().maxItems;
    std::string problem;
    const int result = readDesignFile(*fresh, nativePath(path), &problem);
    if (result != designFileOk) {
        tell(c.platform, c.state.settings, c.parent(),
             withReason(withPath(result == designFileCannotOpen ? openErrorText : designReadErrorText,
                                 path),
                        problem),
             MessageIcon::Exclamation, true);
        return false;
    }
    fresh->fileName = nativePath(path);
    fresh->modified = false;
    noteRecentFile(c.state, path);
    c.shell.resetInteraction();
    c.state.design = *fresh;
    c.shell.updateTitle();
    c.shell.refreshZo();
    c.shell.repaintAll();
    return true;
}

} // namespace zelvo
