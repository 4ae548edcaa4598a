// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The child windows paint on white, whatever the desktop's palette says.
#include <QPalette>
#include <QWidget>

namespace zelvo {

inline void whiteBackground(QWidget* w)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::white);
    w->setPalette(p);
}

} // namespace zelvo
