// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Wiring of the Yagi's feed box: a gamma match on the driven element with a
// trimmer capacitor in the box and a shorting bar at the computed length.
#include "antenna/drawing.h"

namespace wendra {

class FeedBoxDrawing : public Drawing {
    Q_OBJECT
public:
    explicit FeedBoxDrawing(QWidget* parent = nullptr);

protected:
    void paintDrawing(QPainter& p) override;
};

} // namespace wendra
