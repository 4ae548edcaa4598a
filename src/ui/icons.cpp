// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/icons.h"

#include "core/complex.h"

#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <array>
#include <vector>

namespace zelvo {

namespace {

constexpr std::array<int, 4> iconSizes{16, 24, 32, 64};

template <typename Paint> QIcon drawnIcon(Paint paint)
{
    QIcon icon;
    for (int size : iconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Point of the unit chart (Gamma plane, y up) inside `square`.
QPointF chartPoint(const QRectF& square, double u, double v)
{
    const double r = square.width() / 2.0;
    return {square.center().x() + u * r, square.center().y() - v * r};
}

QRectF chartCircle(const QRectF& square, double cu, double cv, double radius)
{
    const double r = square.width() / 2.0;
    const QPointF c = chartPoint(square, cu, cv);
    return {c.x() - radius * r, c.y() - radius * r, 2 * radius * r, 2 * radius * r};
}

double penWidth(const QRectF& square, double atSixtyFour)
{
    return std::max(1.0, atSixtyFour * square.width() / 64.0);
}

} // namespace

void paintChartEmblem(QPainter& p, const QRectF& square)
{
    p.save();
    const QRectF disc = square.adjusted(1, 1, -1, -1);
    const bool small = square.width() < 40;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 250));
    p.drawEllipse(disc);

    QPainterPath clip;
    clip.addEllipse(disc);
    // The SVG writer ignores clipping, so for the icon files each circle's
    // outline is cut to the disc instead.
    const bool cutOutlines = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::SVG;
    if (!cutOutlines)
        p.setClipPath(clip);
    p.setBrush(Qt::NoBrush);
    const auto circle = [&](const QRectF& bounds) {
        if (!cutOutlines) {
            p.drawEllipse(bounds);
            return;
        }
        QPainterPath path;
        path.addEllipse(bounds);
        p.fillPath(QPainterPathStroker(p.pen()).createStroke(path).intersected(clip),
                   p.pen().brush());
    };

    // The Z chart in red and the Y chart in green, as the program draws them:
    // resistance circles touch at the open end, reactance arcs meet there;
    // conductance circles and susceptance arcs mirror them at the short end.
    const auto values = small ? std::vector<double>{1.0} : std::vector<double>{0.3, 1.0, 3.0};
    const double width = penWidth(square, 1.4);
    p.setPen(QPen(QColor(50, 175, 70), width));
    for (double g : values) {
        circle(chartCircle(disc, -g / (1 + g), 0, 1 / (1 + g)));
        circle(chartCircle(disc, -1, 1 / g, 1 / g));
        circle(chartCircle(disc, -1, -1 / g, 1 / g));
    }
    p.setPen(QPen(QColor(215, 40, 40), width));
    for (double r : values) {
        circle(chartCircle(disc, r / (1 + r), 0, 1 / (1 + r)));
        circle(chartCircle(disc, 1, 1 / r, 1 / r));
        circle(chartCircle(disc, 1, -1 / r, 1 / r));
    }
    p.drawLine(chartPoint(disc, -1, 0), chartPoint(disc, 1, 0));
    p.setClipping(false);

    // An L match from 25 - j45 ohm to the centre: a series inductor along the
    // r = 0.5 circle, then a shunt capacitor along the g = 1 circle.
    const auto gamma = [&](Complex z) {
        const Complex g = (z - 1.0) / (z + 1.0);
        return chartPoint(disc, g.re, g.im);
    };
    constexpr int steps = 24;
    QPolygonF path;
    for (int i = 0; i <= steps; ++i)
        path << gamma({0.5, -0.9 + 1.4 * i / steps});
    for (int i = 1; i <= steps; ++i)
        path << gamma(1.0 / Complex{1.0, -1.0 + 1.0 * i / steps});
    p.setPen(QPen(QColor(20, 40, 200), penWidth(square, 3.2), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPolyline(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    const double dot = penWidth(square, 3.0);
    for (const QPointF& pt : {path.front(), path[steps], path.back()})
        p.drawEllipse(pt, dot, dot);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 40, 40), penWidth(square, 2.4)));
    p.drawEllipse(disc);
    p.restore();
}

QIcon programIcon()
{
    return drawnIcon([](QPainter& p, const QRectF& r) { paintChartEmblem(p, r); });
}

QIcon reflectionPlotIcon()
{
    return drawnIcon([](QPainter& p, const QRectF& r) {
        const QRectF disc = r.adjusted(1, 1, -1, -1);
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(60, 60, 60), penWidth(r, 2.4)));
        p.drawEllipse(disc);
        p.setPen(QPen(QColor(170, 170, 170), penWidth(r, 1.2)));
        p.drawLine(chartPoint(disc, -1, 0), chartPoint(disc, 1, 0));
        p.drawEllipse(chartCircle(disc, 0.5, 0, 0.5));
        // A reflection trace winding clockwise with frequency.
        QPainterPath trace(chartPoint(disc, 0.8, -0.1));
        trace.cubicTo(chartPoint(disc, 0.7, -0.8), chartPoint(disc, -0.4, -0.8),
                      chartPoint(disc, -0.55, -0.1));
        trace.cubicTo(chartPoint(disc, -0.6, 0.5), chartPoint(disc, 0.1, 0.6),
                      chartPoint(disc, 0.25, 0.2));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(200, 30, 30), penWidth(r, 3.2), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(trace);
    });
}

QIcon transmissionPlotIcon()
{
    return drawnIcon([](QPainter& p, const QRectF& r) {
        const QRectF box = r.adjusted(1, 1, -1, -1);
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(60, 60, 60), penWidth(r, 2.4)));
        p.drawRoundedRect(box, box.width() / 10, box.width() / 10);
        p.setPen(QPen(QColor(170, 170, 170), penWidth(r, 1.2)));
        for (int i = 1; i < 4; ++i) {
            const double y = box.top() + box.height() * i / 4.0;
            p.drawLine(QPointF(box.left() + 2, y), QPointF(box.right() - 2, y));
        }
        // A gain curve rolling off with frequency.
        QPainterPath curve(QPointF(box.left() + box.width() * 0.1, box.top() + box.height() * 0.3));
        curve.cubicTo(QPointF(box.left() + box.width() * 0.5, box.top() + box.height() * 0.2),
                      QPointF(box.left() + box.width() * 0.6, box.top() + box.height() * 0.45),
                      QPointF(box.left() + box.width() * 0.9, box.top() + box.height() * 0.85));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(20, 40, 200), penWidth(r, 3.2), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(curve);
    });
}

QIcon dataWindowIcon()
{
    return drawnIcon([](QPainter& p, const QRectF& r) {
        const QRectF sheet(r.left() + r.width() * 0.15, r.top() + 1, r.width() * 0.7,
                           r.height() - 2);
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(60, 60, 60), penWidth(r, 2.4)));
        p.drawRect(sheet);
        p.setPen(QPen(QColor(30, 90, 160), penWidth(r, 2.4)));
        for (int i = 1; i < 6; ++i) {
            const double y = sheet.top() + sheet.height() * i / 6.0;
            p.drawLine(QPointF(sheet.left() + sheet.width() * 0.15, y),
                       QPointF(sheet.right() - sheet.width() * (i % 2 ? 0.15 : 0.35), y));
        }
    });
}

QCursor pickCursor()
{
    constexpr int size = 32;
    constexpr int hot = 15;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Black strokes on a white halo stay visible on the chart's colours.
    for (const auto& [colour, width] :
         {std::pair{QColor(Qt::white), 3.0}, std::pair{QColor(Qt::black), 1.0}}) {
        p.setPen(QPen(colour, width));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(hot + 0.5, 1), QPointF(hot + 0.5, hot - 4));
        p.drawLine(QPointF(hot + 0.5, hot + 5), QPointF(hot + 0.5, size - 2));
        p.drawLine(QPointF(1, hot + 0.5), QPointF(hot - 4, hot + 0.5));
        p.drawLine(QPointF(hot + 5, hot + 0.5), QPointF(size - 2, hot + 0.5));
        p.drawEllipse(QPointF(hot + 0.5, hot + 0.5), 6.5, 6.5);
    }
    p.end();
    return QCursor(pixmap, hot, hot);
}

} // namespace zelvo
