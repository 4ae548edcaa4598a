// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/link_label.h"

#include "antenna/texts.h"

#include <QMouseEvent>

namespace wendra {

LinkLabel::LinkLabel(const QUrl& url, const Services& services, QWidget* parent)
    : QLabel(url.toString(), parent), url_(url), services_(services)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setTextColour(kLinkBlue);
}

QColor LinkLabel::textColour() const { return palette().color(QPalette::WindowText); }

void LinkLabel::setTextColour(QRgb c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(c));
    setPalette(p);
}

void LinkLabel::mouseMoveEvent(QMouseEvent* e)
{
    setTextColour(kLinkRed);
    QLabel::mouseMoveEvent(e);
}

void LinkLabel::leaveEvent(QEvent* e)
{
    // Red only while the mouse is over it.
    setTextColour(kLinkBlue);
    QLabel::leaveEvent(e);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* e)
{
    setTextColour(kLinkBlue);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())
        && !services_.openUrl(url_))
        services_.message(window(), browserFailed(url_.toString()));
    QLabel::mouseReleaseEvent(e);
}

} // namespace wendra
