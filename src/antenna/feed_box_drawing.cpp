// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/feed_box_drawing.h"

#include <QPainter>

namespace wendra {
namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 270;
constexpr int kCentre = 250;
constexpr int kElementY = 90;
constexpr int kRodY = 120;
constexpr int kBarX = kCentre + 200;
constexpr QRect kBox(kCentre - 45, 110, 90, 70);
constexpr int kDimY = 50;

} // namespace

FeedBoxDrawing::FeedBoxDrawing(QWidget* parent) : Drawing(QSize(kWidth, kHeight), parent)
{
    addLabel(QStringLiteral("Label4"), QStringLiteral("长度"),
             QPoint((kCentre + kBarX) / 2, kDimY - 4), Qt::AlignHCenter | Qt::AlignBottom);
    addLabel(QStringLiteral("trimmerCaption"), QStringLiteral("20P微调电容"),
             QPoint(kBox.left() - 14, kBox.center().y()), Qt::AlignRight | Qt::AlignVCenter);
    addLabel(QStringLiteral("barCaption"), QStringLiteral("短路棒"),
             QPoint(kBarX + 14, (kElementY + kRodY) / 2), Qt::AlignLeft | Qt::AlignVCenter);
}

void FeedBoxDrawing::paintDrawing(QPainter& p)
{
    // Boom, then the driven element across it.
    p.setPen(QPen(QColor(150, 150, 150), 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(kCentre, kElementY - 60, kCentre, kHeight - 10);
    p.setPen(QPen(QColor(180, 30, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(30, kElementY, kWidth - 30, kElementY);

    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(245, 225, 160));
    p.drawRect(kBox);

    // Gamma rod from the box, shorted to the element by the bar.
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kBox.right(), kRodY, kBarX, kRodY);
    p.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(kBarX, kElementY - 4, kBarX, kRodY + 4);

    // Coax socket at the bottom of the box: shield to the box and boom,
    // centre pin through the trimmer to the rod.
    const QPoint socket(kCentre + 18, kBox.bottom() - 14);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(socket, 8, 8);
    p.setBrush(Qt::black);
    p.drawEllipse(socket, 2, 2);
    const int plateX = kCentre + 18;
    p.setBrush(Qt::NoBrush);
    p.drawLine(socket.x(), socket.y() - 8, plateX, kRodY + 22);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(plateX - 11, kRodY + 22, plateX + 11, kRodY + 22);
    p.drawLine(plateX - 11, kRodY + 14, plateX + 11, kRodY + 14);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(plateX, kRodY + 14, plateX, kRodY);
    p.drawLine(plateX, kRodY, kBox.right(), kRodY);
    // The trimmer's arrow.
    p.drawLine(plateX - 14, kRodY + 28, plateX + 12, kRodY + 8);
    p.drawLine(plateX + 12, kRodY + 8, plateX + 5, kRodY + 9);
    p.drawLine(plateX + 12, kRodY + 8, plateX + 10, kRodY + 15);
    // Shield strap from the box to the element's middle.
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(kCentre - 20, kBox.top(), kCentre - 20, kElementY);

    dimensionLine(p, QPointF(kCentre, kDimY), QPointF(kBarX, kDimY));
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    p.drawLine(kBarX, kDimY + 5, kBarX, kElementY - 6);
}

} // namespace wendra
