// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The start-up picture: shown without taking the focus, closed after 10 s or
// by a key or mouse press on it.
#include <QDialog>

namespace zelvo {

class SplashDialog : public QDialog {
  public:
    explicit SplashDialog(QWidget* parent = nullptr, int closeAfterMs = 10000);

    // Shows it centred on the screen; it takes the focus only when the main
    // window is minimised (nothing else would be visible then).
    void present(bool mainWindowMinimised);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// The picture itself, for the splash and for looking at it.
void paintSplash(QPainter& painter, const QRect& area);

} // namespace zelvo
