#include "ui/commands/splot_commands.h"

#include "model/touchstone.h"
#include "ui/commands/file_commands.h"
#include "ui/messages.h"
#include "ui/recent_files.h"
#include "ui/wait_cursor.h"

#include <QFile>

namespace zelvo {

void loadTouchstone(CommandContext& c, const QString& path)
{
    SParamSet& set = c.state.sparams;
    c.state.lastTouchstonePath = path;
    LoadResult result;
    {
        const WaitCursor wait;
        result = loadTouchstoneFile(set, QFile::encodeName(path).toStdString());
    }
    c.shell.refreshMenu(); // the Window menu's file item names the file
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
    case LoadStatus::Ok:
        set.loaded = true;
        noteRecentFile(c.state, path);
        break;
    }
    c.shell.updateTitle();
    c.shell.refreshMenu();
    c.shell.repaintAll();
}

void openTouchstoneCommand(CommandContext& c)
{
    FileDialogRequest r;
    r.parent = c.parent();
    r.title = QStringLiteral("Open");
    r.filters = {QStringLiteral("S-Files (*.S2P)"), QStringLiteral("All Files (*)")};
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
    set.pointCount = 0;
    set.noiseCount = 0;
    set.sourceText.clear();
    c.shell.updateTitle();
    c.shell.refreshMenu();
    c.shell.repaintAll();
}

void importToChartCommand(CommandContext& c, bool)
{
    if (c.design().widebandDone) {
        tell(c.platform, c.state.settings, c.parent(),
             QStringLiteral("Wideband calculation done.\n\rNo more datapoints possible."),
             MessageIcon::Error, true);
        return;
    }
    if (!c.state.sparams.loaded) {
        tell(c.platform, c.state.settings, c.parent(),
             QStringLiteral("Open a file in S-Plot mode first."), MessageIcon::Error, true);
        return;
    }
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
