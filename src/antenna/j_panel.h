// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The J antenna panel: drawing with sections A to D, notes and frequency.
#include <QWidget>

class QLineEdit;

namespace wendra {

class Forms;
class JDrawing;

class JPanel : public QWidget {
    Q_OBJECT
public:
    explicit JPanel(Forms& forms, QWidget* parent = nullptr);

    JDrawing& drawing() const { return *drawing_; }

private:
    void calculate();

    Forms& forms_;
    QLineEdit* frequency_;
    JDrawing* drawing_;
};

} // namespace wendra
