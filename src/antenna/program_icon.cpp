// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <array>

namespace wendra {

void paintProgramEmblem(QPainter& p, const QRectF& square)
{
    p.save();
    const double s = square.width();
    const auto at = [&](double x, double y) {
        return QPointF(square.left() + x * s, square.top() + y * s);
    };
    const double line = std::max(1.0, s / 22.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 74, 140));
    p.drawRoundedRect(square.adjusted(1, 1, -1, -1), s / 6, s / 6);

    // Waves leaving the front of the antenna.
    p.setBrush(Qt::NoBrush);
    const bool small = s < 40;
    p.setPen(QPen(QColor(255, 176, 46), line, Qt::SolidLine, Qt::RoundCap));
    for (int i = small ? 1 : 0; i < 3; ++i) {
        const double r = 0.12 + 0.1 * i;
        const QPointF c = at(0.62, 0.4);
        p.drawArc(QRectF(c.x() - r * s, c.y() - r * s, 2 * r * s, 2 * r * s), -40 * 16, 80 * 16);
    }

    // Mast, boom, and elements getting shorter towards the front.
    const QColor metal(236, 240, 245);
    p.setPen(QPen(metal, line, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(0.38, 0.4), at(0.38, 0.9));
    p.drawLine(at(0.1, 0.4), at(0.66, 0.4));
    constexpr std::array<std::array<double, 2>, 4> elements{
        {{0.14, 0.28}, {0.3, 0.25}, {0.46, 0.2}, {0.62, 0.17}}};
    const std::size_t shown = small ? 3 : elements.size();
    for (std::size_t i = 0; i < shown; ++i) {
        const auto [x, half] = elements[small ? i + 1 : i];
        p.drawLine(at(x, 0.4 - half), at(x, 0.4 + half));
    }
    p.restore();
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paintProgramEmblem(p, QRectF(0, 0, size, size));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace wendra
