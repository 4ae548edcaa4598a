// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/services.h"

#include "antenna/texts.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace wendra {

Services desktopServices()
{
    Services s;
    s.message = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Warning, messageTitle(), text, QMessageBox::Ok, parent);
        box.exec();
    };
    s.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return s;
}

} // namespace wendra
