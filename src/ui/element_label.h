// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Short texts of elements for the tuner and the matching and optimiser
// dialogs: "3: series C", "2.345 pF", "0.1234 λ (Zc 50 Ω)".
#include "core/tuning.h"

#include <QString>
#include <vector>

namespace zelvo {

QString elementKindName(ElementKind kind);
// "3: series C" with the 1-based number of the schematic row; an RLC part
// adds " R" / " L" / " C".
QString elementLabel(const Element& e, int index, ElementPart part = ElementPart::Value);
// The unit of the part's value: "Ω", "H" or "F" (which take SI prefixes),
// "λ" for lines and stubs, empty for a transformer's ratio.
QString partUnit(const Element& e, ElementPart part);
// The part's value with its unit.
QString partValueText(const Element& e, ElementPart part, double value);
// Every element of a network with its value, separated by ", ".
QString networkText(const std::vector<Element>& elements);

} // namespace zelvo
