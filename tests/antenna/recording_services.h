// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Services that record instead of showing a box or starting a browser.
#include "antenna/services.h"

#include <QString>
#include <QStringList>
#include <QUrl>

namespace wendra {

struct Recorder {
    QStringList messages;
    QList<QUrl> opened;
    bool browserWorks = true;

    Services services()
    {
        Services s;
        s.message = [this](QWidget*, const QString& text) { messages << text; };
        s.openUrl = [this](const QUrl& url) {
            opened << url;
            return browserWorks;
        };
        return s;
    }
};

} // namespace wendra
