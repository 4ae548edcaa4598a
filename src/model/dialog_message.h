// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A message for the user as domain code hands it to the GUI, which alone shows it.
#include <string>

namespace zelvo {

// None and Question are for the GUI's own boxes (save prompt, "Netlist done").
enum class MessageIcon { Error, Exclamation, Information, None, Question };
enum class MessageButtons { Ok, OkCancel, YesNoCancel };

struct DialogMessage {
    std::string text;  // "\n\r" inside is a line break
    std::string title; // empty, or "ERROR" for input validation
    MessageIcon icon = MessageIcon::Error;
    MessageButtons buttons = MessageButtons::Ok;
    bool beep = true;  // the default beep when "&Message Beep" is on

    friend bool operator==(const DialogMessage&, const DialogMessage&) = default;
};

// A failure message with the system's reason on a line of its own, so that
// "why" is never left to guessing.
inline DialogMessage withReason(DialogMessage m, const std::string& reason)
{
    if (!reason.empty())
        m.text += "\n\r" + reason + ".";
    return m;
}

} // namespace zelvo
