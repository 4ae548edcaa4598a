// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "馈电盒接线示意图": the feed box wiring with the shorting bar length.
#include <QWidget>

namespace wendra {

class FeedBoxDrawing;

class KdForm : public QWidget {
    Q_OBJECT
public:
    explicit KdForm(QWidget* parent = nullptr);

    // Label4, filled by the Yagi calculation.
    void setLength(const QString& text);
    QString length() const;

private:
    FeedBoxDrawing* drawing_;
};

} // namespace wendra
