// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/commands/print_commands.h"

#include "ui/dialogs/picture_dialog.h"
#include "ui/dialogs/print_dialog.h"
#include "ui/messages.h"
#include "ui/wait_cursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zelvo {

namespace {

// Where the save dialog starts: beside the design or data file, named after it.
QString pictureStart(const std::string& source, PictureView view)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(source));
    const QFileInfo info(path);
    QString stem = info.completeBaseName();
    if (view == PictureView::Schematic)
        stem += QStringLiteral("_schematic");
    else if (view != PictureView::Chart)
        stem +=
            QLatin1Char('_') + pictureViewName(view).replace(QLatin1Char(' '), QLatin1Char('_'));
    if (path.isEmpty() || path.startsWith(QLatin1Char('<')) || !info.isAbsolute())
        return QDir::home().filePath(QStringLiteral("unnamed") + stem + QStringLiteral(".pdf"));
    return info.absolutePath() + QLatin1Char('/') + stem + QStringLiteral(".pdf");
}

} // namespace

void printCommand(CommandContext& c)
{
    if (c.state.mode == AppMode::Chart) {
        PrintDialog dialog(c.state, c.platform, c.parent());
        dialog.exec();
    }
    else if (!c.state.sparams.loaded) {
        // Three pages of empty grids are no print; nothing is asked either.
        tell(c.platform, c.state.settings, c.parent(), QString::fromLatin1(noSPlotFileText),
             MessageIcon::Error, true);
    }
    else {
        SPlotPrintDialog dialog(c.state, c.platform, c.parent());
        dialog.exec();
    }
}

void printerSetupCommand(CommandContext& c)
{
    setupPrinter(c.state, c.platform, c.parent());
}

void exportPictureCommand(CommandContext& c, std::optional<PictureView> sPlotView)
{
    const bool chart = c.state.mode == AppMode::Chart;
    const std::vector<PictureView> views =
        chart ? std::vector<PictureView>{PictureView::Chart, PictureView::Schematic}
              : std::vector<PictureView>{sPlotView.value_or(PictureView::S21)};
    PictureDialog dialog(c.state, c.platform, views, c.parent());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PictureView view = dialog.view();

    FileDialogRequest request;
    request.parent = c.parent();
    request.title = QCoreApplication::translate("Commands", "Export Picture");
    request.filters = pictureFileFilters();
    request.defaultSuffix = QStringLiteral("pdf");
    request.directory = pictureStart(chart ? c.design().fileName : c.state.sparams.fileName, view);
    const QString path = c.platform.saveFileName ? c.platform.saveFileName(request) : QString();
    if (path.isEmpty())
        return;

    const WaitCursor wait;
    const QString error = exportPicture({&c.design(), &c.state.sparams, &c.state.settings}, view,
                                        path, dialog.size());
    if (!error.isEmpty())
        tell(c.platform, c.state.settings, c.parent(), error, MessageIcon::Exclamation, true);
}

} // namespace zelvo
