// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/tuning.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelvo {

double partValue(const Element& e, ElementPart part)
{
    switch (part) {
    case ElementPart::R:
        return e.rlcR;
    case ElementPart::L:
        return e.rlcL;
    case ElementPart::C:
        return e.rlcC;
    case ElementPart::Value:
        break;
    }
    return e.value;
}

void setPartValue(Element& e, ElementPart part, double value)
{
    switch (part) {
    case ElementPart::R:
        e.rlcR = value;
        break;
    case ElementPart::L:
        e.rlcL = value;
        break;
    case ElementPart::C:
        e.rlcC = value;
        break;
    case ElementPart::Value:
        e.value = value;
        break;
    }
}

PartRange acceptedRange(ElementKind k, ElementPart part)
{
    // The smallest positive double stands for "> 0"; the largest finite one
    // for "no upper bound".
    constexpr double tiny = std::numeric_limits<double>::denorm_min();
    constexpr double huge = std::numeric_limits<double>::max();
    if (part != ElementPart::Value)
        return {tiny, huge};
    switch (k) {
    case ElementKind::CS:
        return {tiny, 1e-4};
    case ElementKind::CP:
        return {1e-16, huge};
    case ElementKind::IS:
        return {1e-12, huge};
    case ElementKind::IP:
        return {tiny, 1e-3};
    default:
        return {tiny, huge};
    }
}

double clampToAccepted(ElementKind k, ElementPart part, double value)
{
    const PartRange r = acceptedRange(k, part);
    if (std::isnan(value))
        return r.low;
    return std::clamp(value, r.low, r.high);
}

double tunedValue(ElementKind k, ElementPart part, double value, int steps, bool fine)
{
    const double factor = std::pow(fine ? 1.001 : 1.01, steps);
    return clampToAccepted(k, part, value * factor);
}

} // namespace zelvo
