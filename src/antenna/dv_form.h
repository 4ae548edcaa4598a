// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The three-band single-arm dipole (inverted V), both ways: band to
// frequency ("逆 算") and frequency to band ("计  算").
#include <QWidget>

class QLineEdit;

namespace wendra {

class DipoleDrawing;
class Forms;
struct DipoleResult;

class DvForm : public QWidget {
    Q_OBJECT
public:
    explicit DvForm(Forms& forms, QWidget* parent = nullptr);

    DipoleDrawing& drawing() const { return *drawing_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void fromBand();
    void fromFrequency();
    void display(const DipoleResult& r);

    Forms& forms_;
    QLineEdit* frequency_;
    QLineEdit* band_;
    DipoleDrawing* drawing_;
};

} // namespace wendra
