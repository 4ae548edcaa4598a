// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The main window: antenna type menu, the Yagi and J panels (one shown at a
// time), the date and time line and the link to the project's page.
#include <QMainWindow>

class QLabel;
class QTimer;

namespace wendra {

class Forms;
class JPanel;
class LinkLabel;
class YagiPanel;

class JForm : public QMainWindow {
    Q_OBJECT
public:
    explicit JForm(Forms& forms, QWidget* parent = nullptr);

    YagiPanel& yagiPanel() const { return *yagi_; }
    JPanel& jPanel() const { return *j_; }

private:
    void buildMenu();
    void showYagi();
    void showJ();
    void tick();

    Forms& forms_;
    YagiPanel* yagi_;
    JPanel* j_;
    QLabel* clock_;
    QTimer* timer_;
};

} // namespace wendra
