// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Zelvo's own icons and cursor, drawn at run time (no image files to ship).
#include <QCursor>
#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace zelvo {

// The program: a small impedance chart with a matching path.
QIcon programIcon();
// The S11 and S22 plot windows (reflection on a polar chart).
QIcon reflectionPlotIcon();
// The S12 and S21 plot windows (transmission).
QIcon transmissionPlotIcon();
// The Touchstone text, gain table and gain graph windows.
QIcon dataWindowIcon();
// Shown while the chart waits for a data point to be picked; hot spot in the centre.
QCursor pickCursor();

// The chart emblem used by the icon, the splash and the About box.
void paintChartEmblem(QPainter& painter, const QRectF& square);

} // namespace zelvo
