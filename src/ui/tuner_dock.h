// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The "Tuner" dock: one row per tuned element with a slider over its range,
// the value, the range's ends and a reset button.
#include <QDockWidget>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QSlider;
class QToolButton;

namespace zelvo {

struct AppState;
struct Platform;
class Tuner;

class TunerDock : public QDockWidget {
  public:
    static constexpr int sliderSteps = 1000;

    TunerDock(AppState& state, const Platform& platform, Tuner& tuner, QWidget* parent = nullptr);

    // Rebuilds the rows after the list changed, or updates their values.
    void refresh();

    QSlider* slider(int row) const;
    QLabel* valueLabel(int row) const;
    QToolButton* resetButton(int row) const;
    QLineEdit* lowEdit(int row) const;
    QLineEdit* highEdit(int row) const;

  private:
    struct Row {
        QLabel* name = nullptr;
        QSlider* slider = nullptr;
        QLabel* value = nullptr;
        QLabel* to = nullptr;
        QLineEdit* low = nullptr;
        QLineEdit* high = nullptr;
        QToolButton* reset = nullptr;
    };
    void build();
    void onSlider(int row, int position);
    void onRange(int row);

    AppState& state_;
    const Platform& platform_;
    Tuner& tuner_;
    QWidget* body_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QLabel* hint_ = nullptr;
    std::vector<Row> rows_;
    std::vector<int> shownIndices_;
    bool updating_ = false;
    bool refusing_ = false;
};

} // namespace zelvo
