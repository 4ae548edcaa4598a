// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The J antenna: long radiator A, matching stub B, feed point height C,
// stub spacing D and the mounting section below the joint.
#include "antenna/drawing.h"

namespace wendra {

class JDrawing : public Drawing {
    Q_OBJECT
public:
    explicit JDrawing(QWidget* parent = nullptr);

protected:
    void paintDrawing(QPainter& p) override;
};

} // namespace wendra
