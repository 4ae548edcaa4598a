// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/tuning_session.h"

#include <algorithm>

namespace zelvo {

bool tuneElement(Design& d, TuningSession& s, int index, ElementPart part, double value)
{
    if (index < 0 || index >= std::clamp(d.elementCount, 0, Design::elementCapacity))
        return false;
    Element& e = d.elements[static_cast<std::size_t>(index)];
    if (!isTunable(e.kind))
        return false;
    if (part != ElementPart::Value && !isRlc(e.kind))
        part = ElementPart::Value;
    const double v = clampToAccepted(e.kind, part, value);
    if (v == partValue(e, part))
        return false;
    const bool continues = s.index == index && s.part == part &&
                           s.historyCount == d.historyCount && d.historyCount > 0 &&
                           d.history[static_cast<std::size_t>(d.historyCount - 1)] ==
                               HistoryEntry::EditElement;
    if (!continues) {
        if (!historyHasRoom(d))
            return false;
        d.elementEditUndo.push(editRecordOf(index, e));
        pushHistory(d, HistoryEntry::EditElement);
        s = {index, part, d.historyCount};
    }
    setPartValue(e, part, v);
    recomputeChain(d, index);
    if (d.widebandDone)
        evaluateWideband(d);
    d.modified = true;
    return true;
}

} // namespace zelvo
