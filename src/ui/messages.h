// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Showing what domain code reports, with the beep rule of the settings.
#include "model/dialog_message.h"
#include "ui/platform.h"

namespace zelvo {

struct Settings;

// A DialogMessage in a message box (beeping first when the message beeps and
// "&Message Beep" is on); a message with empty text only beeps.
MessageAnswer report(const Platform& platform, const Settings& settings, QWidget* parent,
                     const DialogMessage& message);

// A message of the GUI's own: text (with "%s" already filled in), title, icon,
// buttons; `error` reports beep first when the option is on.
MessageAnswer tell(const Platform& platform, const Settings& settings, QWidget* parent,
                   const QString& text, MessageIcon icon, bool error, const QString& title = {},
                   MessageButtons buttons = MessageButtons::Ok);

// printf-style "%s" / "%i" filling of a message template.
QString withPath(const char* templ, const QString& path);
QString withNumber(const char* templ, int number);
// A failure message with the system's reason on a line of its own.
QString withReason(const QString& text, const std::string& reason);

} // namespace zelvo
