// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The 11-element Yagi, reflector "a" at the bottom row and director 9 "k" at
// the top, with the opaque label Label28 covering the rows of the elements a
// smaller Yagi does not have.
#include "antenna/drawing.h"

namespace wendra {

// Form measures are in twips; 15 twips make a pixel at 96 dpi.
constexpr int twipsToPixels(int twips) { return twips / 15; }

class YagiDrawing : public Drawing {
    Q_OBJECT
public:
    static constexpr int kElements = 11;
    static constexpr int kRowPitch = twipsToPixels(720);
    static constexpr int kMaskTop = twipsToPixels(240);

    explicit YagiDrawing(QWidget* parent = nullptr);

    // Height of the mask in twips, as the element-count options set it.
    void setMaskHeightTwips(int twips);
    QLabel* mask() const { return mask_; }

    // Centre line of element row i (0 = reflector).
    static int rowY(int i);

protected:
    void paintDrawing(QPainter& p) override;

private:
    QLabel* mask_;
};

} // namespace wendra
