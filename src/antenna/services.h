// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// What the forms ask of the desktop, replaceable so that tests never block
// on a modal box or start a browser.
#include <functional>

class QString;
class QUrl;
class QWidget;

namespace wendra {

struct Services {
    // A message with an OK button, over `parent`.
    std::function<void(QWidget* parent, const QString& text)> message;
    // Opens an address in the web browser; false when that failed.
    std::function<bool(const QUrl& url)> openUrl;
};

// Message boxes and the system's web browser.
Services desktopServices();

} // namespace wendra
