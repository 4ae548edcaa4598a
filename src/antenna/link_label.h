// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A web address that turns red under the moving mouse, blue when a button is
// released over it, and opens in the browser when clicked.
#include "antenna/services.h"

#include <QLabel>
#include <QUrl>

namespace wendra {

inline constexpr QRgb kLinkRed = qRgb(255, 0, 0);
inline constexpr QRgb kLinkBlue = qRgb(0, 0, 255);

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QUrl& url, const Services& services, QWidget* parent = nullptr);

    QColor textColour() const;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void setTextColour(QRgb c);

    QUrl url_;
    const Services& services_;
};

} // namespace wendra
