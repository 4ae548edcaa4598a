// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// What of an element can be tuned, the steps the wheel and the arrow keys
// take, and the range the element dialogs accept.
#include "core/element.h"

namespace zelvo {

// The tuned quantity: the value (capacitance, inductance, resistance, line
// length in wavelengths, turns ratio), or one part of an RLC group.
enum class ElementPart { Value, R, L, C };

// Whether the element has a value to tune: a block has none.
inline bool isTunable(ElementKind k)
{
    return k != ElementKind::None && k != ElementKind::Block;
}

// The part that tuning an element changes by default.
inline ElementPart defaultPart(ElementKind k)
{
    return isRlc(k) ? ElementPart::L : ElementPart::Value;
}

double partValue(const Element& e, ElementPart part);
void setPartValue(Element& e, ElementPart part, double value);

// Closed bounds the element value dialog accepts for the kind and part; every
// value is > 0 (a line never gets a negative or zero length).
struct PartRange {
    double low = 0.0;
    double high = 0.0;
};
PartRange acceptedRange(ElementKind k, ElementPart part);
double clampToAccepted(ElementKind k, ElementPart part, double value);

// `value` moved by `steps` steps of 1 % (coarse) or 0.1 % (fine), each
// proportional to the value, and kept within the accepted range.
double tunedValue(ElementKind k, ElementPart part, double value, int steps, bool fine);

} // namespace zelvo
