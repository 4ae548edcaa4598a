// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/splash.h"

#include "core/numeric.h"
#include "ui/about.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/icons.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

namespace zelvo {

SplashDialog::SplashDialog(QWidget* parent, int closeAfterMs)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(540, 320);
    setCursor(Qt::PointingHandCursor);
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &QWidget::close);
    timer->start(closeAfterMs);
}

void SplashDialog::present(bool mainWindowMinimised)
{
    setAttribute(Qt::WA_ShowWithoutActivating, !mainWindowMinimised);
    show();
    centreOnScreen(this);
    if (mainWindowMinimised)
        activateWindow();
}

void SplashDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintSplash(p, rect());
}

void SplashDialog::keyPressEvent(QKeyEvent*)
{
    close();
}

void SplashDialog::mousePressEvent(QMouseEvent*)
{
    close();
}

void paintSplash(QPainter& p, const QRect& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, QColor(18, 38, 92));
    sky.setColorAt(1.0, QColor(12, 98, 120));
    p.fillRect(area, sky);

    const int emblem = area.height() * 7 / 10;
    const QRectF square(area.left() + 28, area.top() + (area.height() - emblem) / 2.0, emblem,
                        emblem);
    paintChartEmblem(p, square);

    const int textLeft = toInt(square.right()) + 32;
    const QRect text(textLeft, area.top() + 40, area.right() - textLeft - 20, area.height() - 80);
    QFont title = p.font();
    title.setPixelSize(area.height() / 6);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop, QCoreApplication::translate("Splash", "Zelvo"));

    QFont body = p.font();
    body.setBold(false);
    body.setPixelSize(area.height() / 18);
    p.setFont(body);
    p.setPen(QColor(215, 230, 245));
    const int lineStep = area.height() / 12;
    int y = text.top() + area.height() / 6 + lineStep;
    for (const char* line : {QT_TRANSLATE_NOOP("Splash", "Matching networks on the"),
                             QT_TRANSLATE_NOOP("Splash", "impedance chart"), "",
                             QT_TRANSLATE_NOOP("Splash", "S-parameters of two-ports")}) {
        if (*line != '\0')
            p.drawText(QPoint(text.left(), y), QCoreApplication::translate("Splash", line));
        y += lineStep;
    }

    QFont version = body;
    version.setPixelSize(area.height() / 14);
    version.setBold(true);
    p.setFont(version);
    p.setPen(QColor(255, 210, 90));
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, versionText());

    QFont hint = body;
    hint.setPixelSize(area.height() / 28);
    p.setFont(hint);
    p.setPen(QColor(160, 185, 210));
    p.drawText(area.adjusted(0, 0, -10, -8), Qt::AlignRight | Qt::AlignBottom,
               QCoreApplication::translate("Splash", "Click or press a key to continue"));
    p.restore();
}

} // namespace zelvo
