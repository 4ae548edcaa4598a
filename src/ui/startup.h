// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Start-up pieces of main(): the settings file, work kept until the first
// paint, and a polite end on SIGTERM or SIGINT (the window closes as if the
// user closed it).
#include <QString>
#include <functional>

class QWidget;

namespace zelvo {

struct AppState;

// Reads zelvo.ini from the user's configuration folder into the settings
// (missing or unreadable: the defaults stay) and remembers its path for the
// write at exit.
void readStartupSettings(AppState& state);

// Calls `then` once from the event loop, as soon as `window` has been shown
// and painted for the first time, so that the first picture waits for
// nothing else. A window that is never painted (a minimised start) does not
// hold it up longer than `fallbackMs`.
void afterFirstPaint(QWidget& window, std::function<void()> then, int fallbackMs = 1000);

// Calls `onSignal` from the event loop when the process receives SIGTERM or
// SIGINT. Once per process.
void onTerminationSignal(std::function<void()> onSignal);

} // namespace zelvo
