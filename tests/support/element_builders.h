// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Element records for tests, with only the fields a kind uses filled in.
#include "core/element.h"

namespace zelvo::testing {

inline Element element(ElementKind kind, double value, float zl = 50.0f, float er = 1.0f)
{
    Element e;
    e.kind = kind;
    e.value = value;
    e.lineImpedance = zl;
    e.lineEr = er;
    return e;
}

inline Element rlcElement(ElementKind kind, double r, double l, double c)
{
    Element e;
    e.kind = kind;
    e.rlcR = r;
    e.rlcL = l;
    e.rlcC = c;
    return e;
}

} // namespace zelvo::testing
