// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The three-band single-arm element as an inverted V: each arm in three
// sections joined at L and 2L from the feed point, apex angle 60-120 degrees.
#include "antenna/drawing.h"

namespace wendra {

class DipoleDrawing : public Drawing {
    Q_OBJECT
public:
    explicit DipoleDrawing(QWidget* parent = nullptr);

    // End of section k (1..3) of the right (+1) or left (-1) arm.
    static QPointF joint(int k, int side);

protected:
    void paintDrawing(QPainter& p) override;
};

} // namespace wendra
