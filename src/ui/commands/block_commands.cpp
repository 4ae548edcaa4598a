// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/commands/block_commands.h"

#include "core/format.h"
#include "model/block_file.h"
#include "model/design_rules.h"
#include "model/network_touchstone.h"
#include "ui/dialogs/block_dialog.h"
#include "ui/dialogs/network_export_dialog.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/wait_cursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zelvo {

namespace {

std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// Where the export's file dialog opens: beside the design, named after it.
QString exportStart(const CommandContext& c)
{
    if (!c.state.lastNetworkExportPath.isEmpty())
        return c.state.lastNetworkExportPath;
    const std::string& name = c.design().fileName;
    if (name.find("<unnamed>") != std::string::npos)
        return c.state.lastDesignPath.isEmpty()
                   ? QString()
                   : QFileInfo(c.state.lastDesignPath).absolutePath();
    const QFileInfo design(QFile::decodeName(QByteArray::fromStdString(name)));
    return QDir(design.absolutePath()).filePath(design.completeBaseName() + QStringLiteral(".s2p"));
}

} // namespace

void insertBlockCommand(CommandContext& c)
{
    Design& d = c.design();
    if (const std::optional<DialogMessage> refusal = checkElementButton(d)) {
        report(c.platform, c.state.settings, c.parent(), *refusal);
        return;
    }
    if (const auto full = checkHistoryRoom(d)) {
        report(c.platform, c.state.settings, c.parent(), *full);
        return;
    }
    // A placement in progress gives way, as to any other element button.
    if (c.state.placement.placing)
        cancelPlacement(c.state);
    FileDialogRequest r;
    r.parent = c.parent();
    r.title = QCoreApplication::translate("Commands", "Insert two-port block");
    r.filters = {QCoreApplication::translate("Commands", "Touchstone two-port files (*.s2p *.S2P)"),
                 QCoreApplication::translate("Commands", "All Files (*)")};
    r.directory = c.state.lastBlockPath.isEmpty() ? c.state.lastTouchstonePath
                                                  : c.state.lastBlockPath;
    const QString path = c.platform.openFileName ? c.platform.openFileName(r) : QString();
    if (path.isEmpty())
        return;
    c.state.lastBlockPath = path;
    BlockLoad load;
    {
        const WaitCursor wait;
        load = loadBlockFile(nativePath(path));
    }
    if (const auto* problem = std::get_if<DialogMessage>(&load)) {
        report(c.platform, c.state.settings, c.parent(), *problem);
        return;
    }
    const std::shared_ptr<const BlockData> block = std::get<std::shared_ptr<const BlockData>>(load);
    const double f0 = designFrequency(d);
    if (!blockCovers(*block, f0)) {
        report(c.platform, c.state.settings, c.parent(),
               {"The two-port block '" + block->name + "' has no value at the design\n\r"
                "frequency " + formatSi(f0, 3) + "Hz: its data cover " + blockRangeText(*block) +
                    ".\n\rNothing was placed.",
                "", MessageIcon::Error});
        return;
    }
    BlockDialog dialog(c.state, c.platform, *block, false,
                       QCoreApplication::translate("Commands", "Insert two-port block as element %1")
                           .arg(d.elementCount + 1),
                       c.parent());
    if (dialog.exec() != QDialog::Accepted)
        return;
    Element e;
    e.kind = ElementKind::Block;
    e.block = block;
    e.reversed = dialog.reversed();
    if (d.elementCount >= 1) {
        const Element& last = d.elements[static_cast<std::size_t>(d.elementCount - 1)];
        d.currentPoint = {last.rEnd, last.xEnd};
    }
    appendElement(d, e);
    c.shell.repaintAll();
}

void editBlockCommand(CommandContext& c, int index)
{
    Design& d = c.design();
    if (index < 0 || index >= std::min(d.elementCount, Design::elementCapacity))
        return;
    const Element& e = d.elements[static_cast<std::size_t>(index)];
    if (e.kind != ElementKind::Block || !e.block)
        return;
    // Held here: the dialog shows the data while the element may change.
    const std::shared_ptr<const BlockData> block = e.block;
    BlockDialog dialog(c.state, c.platform, *block, e.reversed,
                       QCoreApplication::translate("Commands", "Element %1: two-port block").arg(index + 1), c.parent());
    if (dialog.exec() != QDialog::Accepted || dialog.reversed() == e.reversed)
        return;
    Element edited = e;
    edited.reversed = dialog.reversed();
    if (!editElement(d, index, edited)) {
        if (const auto full = checkHistoryRoom(d))
            report(c.platform, c.state.settings, c.parent(), *full);
        return;
    }
    c.shell.repaintAll();
}

void exportNetworkCommand(CommandContext& c)
{
    const Design& d = c.design();
    if (const auto refusal = checkNetworkExport(d)) {
        report(c.platform, c.state.settings, c.parent(), *refusal);
        return;
    }
    NetworkExportDialog sweep(c.state, c.platform, c.parent());
    if (sweep.exec() != QDialog::Accepted)
        return;
    FileDialogRequest r;
    r.parent = c.parent();
    r.title = QCoreApplication::translate("Commands", "Export network as Touchstone");
    r.filters = {QCoreApplication::translate("Commands", "Touchstone two-port files (*.s2p)"), QCoreApplication::translate("Commands", "All Files (*)")};
    r.defaultSuffix = QStringLiteral("s2p");
    r.directory = exportStart(c);
    const QString path = c.platform.saveFileName ? c.platform.saveFileName(r) : QString();
    if (path.isEmpty())
        return;
    NetworkExportResult result;
    {
        const WaitCursor wait;
        result = writeNetworkTouchstone(d, sweep.frequencies(), nativePath(path));
    }
    if (result.ok)
        c.state.lastNetworkExportPath = path;
    report(c.platform, c.state.settings, c.parent(), result.message);
}

} // namespace zelvo
