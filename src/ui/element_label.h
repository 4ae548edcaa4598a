// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Short texts of elements for the tuner and the matching and optimiser
// dialogs: "3: series C", "2.345 pF", "0.1234 λ (Zc 50 Ω)".
#include "core/tuning.h"
#include "ui/dialogs/dialog_support.h"

#include <QString>
#include <optional>
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

// A range end as an engineer writes it, four digits and an SI prefix where
// the unit takes one: "9 nH", "36 nH", "0.03 λ".
QString boundText(double value, const QString& unit);
// Reads what boundText writes, and also "36n", "36 nH", "3.6e-8", "50 ohm".
FieldValue readBoundText(const QString& text, const QString& unit);

// Why `low` and `high` cannot bound the part of `e`: not low < high (or
// low <= high with `equalAllowed`), or an end outside the range the element
// accepts; nullopt when they can.
std::optional<QString> boundsRefusal(const Element& e, int index, ElementPart part, double low,
                                     double high, bool equalAllowed);

} // namespace zelvo
