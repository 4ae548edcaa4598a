// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/recent_files.h"

#include "model/recent_files.h"
#include "ui/commands/file_commands.h"
#include "ui/commands/splot_commands.h"
#include "ui/messages.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace zelvo {

void noteRecentFile(AppState& state, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    addRecentFile(state.recentFiles, QFile::encodeName(absolute).toStdString());
}

void openRecentFile(CommandContext& c, const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        removeRecentFile(c.state.recentFiles, QFile::encodeName(path).toStdString());
        tell(c.platform, c.state.settings, c.parent(), withPath(recentFileGoneText, path),
             MessageIcon::Exclamation, true);
        return;
    }
    if (commandLineKind(path) == CommandLineFile::Touchstone) {
        openCommandLine(c, path); // switches to S-Plot mode first
        return;
    }
    if (!savePrompt(c))
        return;
    if (c.state.mode != AppMode::Chart)
        c.shell.switchMode(AppMode::Chart);
    if (openDesignFile(c, path))
        c.state.lastDesignPath = path;
}

RecentFilesMenu::RecentFilesMenu(QMenu* menu, const std::vector<std::string>& list) : list_(list)
{
    separator_ = menu->addSeparator();
    for (std::size_t i = 0; i < recentFilesLimit; ++i) {
        auto* a = menu->addAction(QString());
        a->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        QObject::connect(a, &QAction::triggered, menu, [this, a] {
            if (onChosen)
                onChosen(a->data().toString());
        });
        entries_.push_back(a);
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { refresh(); });
    refresh();
}

void RecentFilesMenu::refresh()
{
    separator_->setVisible(!list_.empty());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        QAction* a = entries_[i];
        if (i >= list_.size()) {
            a->setVisible(false);
            continue;
        }
        const QString path = QFile::decodeName(QByteArray::fromStdString(list_[i]));
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        a->setStatusTip(path);
        a->setToolTip(path);
        a->setData(path);
        a->setVisible(true);
    }
}

} // namespace zelvo
