// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/dipole_drawing.h"

#include <QPainter>
#include <QtMath>

namespace wendra {
namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 340;
constexpr QPoint kApex(300, 80);
constexpr int kMastBottom = 316;
constexpr double kSection = 90.0;
// Drawn at 100 degrees between the arms, inside the range the notes give.
constexpr int kDroop = 40;

} // namespace

QPointF DipoleDrawing::joint(int k, int side)
{
    const double a = qDegreesToRadians(kDroop);
    return QPointF(kApex) + QPointF(side * std::cos(a), std::sin(a)) * (kSection * k);
}

DipoleDrawing::DipoleDrawing(QWidget* parent) : Drawing(QSize(kWidth, kHeight), parent)
{
    const auto above = Qt::AlignLeft | Qt::AlignBottom;
    // Length from the feed point and the band it serves, at each joint.
    const char* const lengths[] = {"Label2", "Label5", "Label4"};
    const char* const bands[] = {"Label7", "Label8", "Label9"};
    for (int k = 1; k <= 3; ++k) {
        const QPoint at = joint(k, 1).toPoint();
        addLabel(QString::fromLatin1(lengths[k - 1]), QString(), at + QPoint(12, -20), above);
        addLabel(QString::fromLatin1(bands[k - 1]), QString(), at + QPoint(12, -4), above);
    }
    const QPoint left1 = joint(1, -1).toPoint();
    addLabel(QStringLiteral("Label6"), QString(), left1 + QPoint(-12, -4),
             Qt::AlignRight | Qt::AlignBottom);
    addLabel(QStringLiteral("Label11"), QString(), kApex + QPoint(-16, -14),
             Qt::AlignRight | Qt::AlignVCenter);
    addLabel(QStringLiteral("angle"), QStringLiteral("60-120度"), kApex + QPoint(8, 72),
             Qt::AlignLeft | Qt::AlignVCenter);
}

void DipoleDrawing::paintDrawing(QPainter& p)
{
    QFont title = p.font();
    title.setBold(true);
    title.setPointSize(title.pointSize() + 2);
    p.save();
    p.setFont(title);
    p.setPen(Qt::black);
    drawText(p, QPoint(kWidth / 2, 10), Qt::AlignHCenter | Qt::AlignTop,
             QStringLiteral("三波段单臂振子结构示意图"));
    p.restore();

    p.setPen(QPen(QColor(120, 120, 120), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(kApex + QPoint(0, 10), QPoint(kApex.x(), kMastBottom));

    // Apex angle between the arms.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    const double r = 58.0;
    const QRectF arc(kApex.x() - r, kApex.y() - r, 2 * r, 2 * r);
    p.drawArc(arc, -kDroop * 16, -(180 - 2 * kDroop) * 16); // sixteenths of a degree

    const QColor sections[] = {QColor(20, 60, 160), QColor(20, 130, 60), QColor(170, 90, 20)};
    for (int side : {-1, 1}) {
        QPointF from = kApex;
        for (int k = 1; k <= 3; ++k) {
            const QPointF to = joint(k, side);
            p.setPen(QPen(sections[k - 1], 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from, to);
            from = to;
        }
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        for (int k = 1; k <= 3; ++k)
            p.drawEllipse(joint(k, side), 4.5, 4.5);
    }

    // Feed box at the apex with the cable down the mast.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRect(kApex.x() - 10, kApex.y() - 8, 20, 16));
    p.setPen(QPen(Qt::black, 2));
    for (int k = 0; k < 3; ++k)
        p.drawLine(kApex.x() - 18 + 6 * k, kMastBottom + 4 + 5 * k, kApex.x() + 18 - 6 * k,
                   kMastBottom + 4 + 5 * k);
}

} // namespace wendra
