// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/drawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace wendra {

Drawing::Drawing(QSize size, QWidget* parent) : QWidget(parent), size_(size)
{
    setFixedSize(size);
}

QLabel* Drawing::addLabel(const QString& name, const QString& text, QPoint anchor,
                          Qt::Alignment align)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    labels_.insert(name, label);
    pins_.insert(label, Pin{anchor, align});
    place(label, pins_.value(label));
    return label;
}

bool Drawing::setCaption(const QString& name, const QString& text)
{
    QLabel* label = labels_.value(name);
    if (!label)
        return false;
    label->setText(text);
    place(label, pins_.value(label));
    return true;
}

QString Drawing::caption(const QString& name) const
{
    const QLabel* label = labels_.value(name);
    return label ? label->text() : QString();
}

void Drawing::place(QLabel* label, const Pin& pin)
{
    const QSize s = label->sizeHint();
    int x = pin.anchor.x();
    if (pin.align & Qt::AlignRight)
        x -= s.width();
    else if (pin.align & Qt::AlignHCenter)
        x -= s.width() / 2;
    int y = pin.anchor.y();
    if (pin.align & Qt::AlignBottom)
        y -= s.height();
    else if (pin.align & Qt::AlignVCenter)
        y -= s.height() / 2;
    label->setGeometry(x, y, s.width(), s.height());
}

void Drawing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing);
    paintDrawing(p);
}

void Drawing::drawText(QPainter& p, QPoint anchor, Qt::Alignment align, const QString& text)
{
    // A generous box around the anchor; drawText aligns within it.
    constexpr int w = 400;
    constexpr int h = 40;
    QRect box(anchor.x(), anchor.y(), w, h);
    if (align & Qt::AlignRight)
        box.moveRight(anchor.x());
    else if (align & Qt::AlignHCenter)
        box.moveLeft(anchor.x() - w / 2);
    if (align & Qt::AlignBottom)
        box.moveBottom(anchor.y());
    else if (align & Qt::AlignVCenter)
        box.moveTop(anchor.y() - h / 2);
    p.drawText(box, static_cast<int>(align), text);
}

void Drawing::dimensionLine(QPainter& p, QPointF a, QPointF b)
{
    // A thin line with arrow heads at both ends and short end marks across.
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(90, 90, 90));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len > 0.0) {
        const QPointF u = d / len;
        const QPointF n(-u.y(), u.x());
        const double head = std::min(6.0, len / 3.0);
        for (const auto& [tip, dir] : {std::pair{a, u}, std::pair{b, -u}}) {
            const QPointF back = tip + dir * head;
            p.drawPolygon(QPolygonF{tip, back + n * (head / 2.5), back - n * (head / 2.5)});
            p.drawLine(tip + n * 5.0, tip - n * 5.0);
        }
    }
    p.restore();
}

} // namespace wendra
