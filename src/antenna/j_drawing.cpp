// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/j_drawing.h"

#include <QPainter>

namespace wendra {
namespace {

// Not to scale: C and D are a few percent of A and are widened to be seen.
constexpr int kWidth = 440;
constexpr int kHeight = 548;
constexpr int kLongX = 200;
constexpr int kShortX = 244;
constexpr int kTop = 24;
constexpr int kJoint = 420;
constexpr int kStubTop = kJoint - 140;
constexpr int kFeed = kJoint - 44;
constexpr int kMountBottom = 510;
constexpr int kLeftDimX = 150;
constexpr int kStubDimX = 284;
constexpr int kFeedDimX = 336;
constexpr int kSpacingDimY = kJoint + 22;

} // namespace

JDrawing::JDrawing(QWidget* parent) : Drawing(QSize(kWidth, kHeight), parent)
{
    const auto leftMid = Qt::AlignRight | Qt::AlignVCenter;
    const auto rightMid = Qt::AlignLeft | Qt::AlignVCenter;
    addLabel(QStringLiteral("Label3"), QStringLiteral("1481mm"),
             QPoint(kLeftDimX - 24, (kTop + kJoint) / 2), leftMid);
    addLabel(QStringLiteral("Label2"), QStringLiteral("491mm"),
             QPoint(kStubDimX + 24, (kStubTop + kJoint) / 2), rightMid);
    addLabel(QStringLiteral("Label1"), QStringLiteral("49mm"),
             QPoint(kFeedDimX + 24, (kFeed + kJoint) / 2), rightMid);
    addLabel(QStringLiteral("Label4"), QStringLiteral("46mm"),
             QPoint(kShortX + 30, kSpacingDimY), rightMid);
    addLabel(QStringLiteral("Label5"), QStringLiteral("300mm"),
             QPoint(kLeftDimX - 10, (kJoint + kMountBottom) / 2), leftMid);
}

void JDrawing::paintDrawing(QPainter& p)
{
    const QColor tube(70, 70, 70);

    p.setPen(QPen(tube, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kLongX, kTop, kLongX, kJoint);
    p.setPen(QPen(QColor(150, 150, 150), 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(kLongX, kJoint, kLongX, kMountBottom);
    p.setPen(QPen(tube, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kShortX, kStubTop, kShortX, kJoint);
    p.drawLine(kLongX, kJoint, kShortX, kJoint);

    // Feed point: centre conductor to the long side, shield to the short
    // side; the cable itself leaves out of the picture's plane.
    p.setPen(QPen(QColor(180, 30, 30), 1.5));
    p.drawLine(kLongX, kFeed, kShortX, kFeed);
    p.setBrush(QColor(180, 30, 30));
    p.drawEllipse(QPoint(kLongX, kFeed), 4, 4);
    p.drawEllipse(QPoint(kShortX, kFeed), 4, 4);
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint((kLongX + kShortX) / 2, kFeed), 5, 5);

    // Ground at the foot of the mounting section.
    p.setPen(QPen(Qt::black, 2));
    for (int k = 0; k < 3; ++k)
        p.drawLine(kLongX - 18 + 6 * k, kMountBottom + 4 + 5 * k, kLongX + 18 - 6 * k,
                   kMountBottom + 4 + 5 * k);

    dimensionLine(p, QPointF(kLeftDimX, kTop), QPointF(kLeftDimX, kJoint));
    dimensionLine(p, QPointF(kLeftDimX, kJoint), QPointF(kLeftDimX, kMountBottom));
    dimensionLine(p, QPointF(kStubDimX, kStubTop), QPointF(kStubDimX, kJoint));
    dimensionLine(p, QPointF(kFeedDimX, kFeed), QPointF(kFeedDimX, kJoint));
    dimensionLine(p, QPointF(kLongX, kSpacingDimY), QPointF(kShortX, kSpacingDimY));
    // Extension lines from the parts to their dimensions.
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    p.drawLine(kLeftDimX - 5, kTop, kLongX - 6, kTop);
    p.drawLine(kLeftDimX - 5, kJoint, kLongX - 6, kJoint);
    p.drawLine(kLeftDimX - 5, kMountBottom, kLongX - 6, kMountBottom);
    p.drawLine(kShortX + 5, kStubTop, kStubDimX + 5, kStubTop);
    p.drawLine(kShortX + 5, kJoint, kFeedDimX + 5, kJoint);
    p.drawLine(kShortX + 6, kFeed, kFeedDimX + 5, kFeed);
    p.drawLine(kShortX, kJoint + 4, kShortX, kSpacingDimY + 5);

    QFont f = p.font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    p.setFont(f);
    p.setPen(QColor(20, 60, 160));
    drawText(p, QPoint(kLeftDimX - 8, (kTop + kJoint) / 2), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("A"));
    drawText(p, QPoint(kStubDimX + 8, (kStubTop + kJoint) / 2), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("B"));
    drawText(p, QPoint(kFeedDimX + 8, (kFeed + kJoint) / 2), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("C"));
    drawText(p, QPoint(kShortX + 14, kSpacingDimY), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("D"));
}

} // namespace wendra
