// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Wendra's icon, drawn at run time like Zelvo's: a Yagi on its mast sending
// out waves.
#include <QIcon>

class QPainter;
class QRectF;

namespace wendra {

QIcon programIcon();

// The picture of the icon inside `square`, at any size.
void paintProgramEmblem(QPainter& painter, const QRectF& square);

} // namespace wendra
