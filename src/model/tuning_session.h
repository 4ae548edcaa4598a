// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Live tuning of a placed element: every change of a session goes straight
// into the design, and the whole session is one EDIT_ELEMENT history entry
// holding the value from before its first change.
#include "core/tuning.h"
#include "model/design.h"

namespace zelvo {

struct TuningSession {
    int index = -1; // the tuned element; -1: no session
    ElementPart part = ElementPart::Value;
    int historyCount = 0; // the history as the session left it
};

// Sets the part of element `index` to `value` (kept within the accepted
// range), recomputes the chain from it and the wideband result when there is
// one. A change of another element or part, or after the history moved
// (undo, another action), starts a new session with its own history entry.
// false when nothing changed (no such element, the history is full, or the
// value stays as it is).
bool tuneElement(Design& d, TuningSession& s, int index, ElementPart part, double value);

inline void endTuning(TuningSession& s)
{
    s.index = -1;
}

} // namespace zelvo
