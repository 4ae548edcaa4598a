// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The numbered recent-file entries at the end of the File menu and what
// choosing one does.
#include "ui/commands/command_context.h"

#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace zelvo {

inline constexpr const char* recentFileGoneText =
    "The file '%s' no longer exists.\nIt has been removed from the list of recent files.";

// Puts a file just opened or saved at the top of the list.
void noteRecentFile(AppState& state, const QString& path);

// Opens a listed file in the mode it belongs to: a Touchstone file (".s2p")
// in S-Plot mode, anything else as a design in chart mode, after the save
// prompt. A file that has vanished is taken off the list with a message.
void openRecentFile(CommandContext& c, const QString& path);

class RecentFilesMenu {
  public:
    // Appends a separator and up to eight entries to `menu`; they follow the
    // list each time the menu opens.
    RecentFilesMenu(QMenu* menu, const std::vector<std::string>& list);

    // "&1 name" ... with the full path as status tip; hidden when unused.
    void refresh();
    const std::vector<QAction*>& entries() const { return entries_; }

    std::function<void(const QString& path)> onChosen;

  private:
    const std::vector<std::string>& list_;
    QAction* separator_ = nullptr;
    std::vector<QAction*> entries_;
};

} // namespace zelvo
