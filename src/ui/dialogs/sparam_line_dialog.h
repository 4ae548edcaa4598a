// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "s-Parameters" and "Choose a line...": frequency points of the loaded
// two-port data as tab-separated lines, chosen several at a time (Shift or
// Ctrl) or one at a time. Any list of lines with a header works, so that
// other measured data can reuse the dialog.
#include "ui/dialogs/dialog_support.h"

#include <QStringList>
#include <optional>
#include <vector>

class QListWidget;

namespace zelvo {

struct SParamSet;

// What the dialog lists: the file name above, a one-line header and the
// lines, in the order that the returned indices refer to.
struct LineListSource {
    QString fileName;
    QString header;
    QStringList lines;
};

// A fixed-pitch list whose tab-separated fields stand in aligned columns;
// returns the column width in pixels.
int useTabColumns(QListWidget* list);

// The points of the loaded set, with the unit of its frequency exponent.
LineListSource pointLines(const SParamSet& set);

class SParamLineDialog : public ZelvoDialog {
  public:
    enum class Mode {
        Several, // "s-Parameters": nothing selected at first
        One      // "Choose a line...": the first line selected at first
    };
    SParamLineDialog(AppState& state, const Platform& platform, const LineListSource& source,
                     Mode mode, QWidget* parent = nullptr);

    // The selected lines in list order (not click order).
    std::vector<int> selected() const;
    QListWidget* list() const { return list_; }

  private:
    QListWidget* list_ = nullptr;
};

// Runs "s-Parameters"; nullopt after Cancel, else the chosen lines (possibly none).
std::optional<std::vector<int>> selectPointsDialog(AppState& state, const Platform& platform,
                                                   const LineListSource& source,
                                                   QWidget* parent = nullptr);
// Runs "Choose a line..."; nullopt after Cancel or with no line selected.
std::optional<int> choosePointDialog(AppState& state, const Platform& platform,
                                     const LineListSource& source, QWidget* parent = nullptr);

} // namespace zelvo
