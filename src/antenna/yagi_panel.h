// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "八木天线图例计算器" (panel FBM): frequency, element count, the 11-element
// drawing with its 21 value labels and the feed box button.
#include <QGroupBox>

class QLineEdit;

namespace wendra {

class Forms;
class YagiDrawing;

class YagiPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit YagiPanel(Forms& forms, QWidget* parent = nullptr);

    YagiDrawing& drawing() const { return *drawing_; }

private:
    void calculate();

    Forms& forms_;
    QLineEdit* frequency_;
    YagiDrawing* drawing_;
};

} // namespace wendra
