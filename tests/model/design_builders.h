#pragma once
// Small builders shared by the model tests.
#include "model/design.h"

#include <memory>

namespace zelvo::test {

// Designs are large fixed-capacity records; keep them off the stack.
inline std::unique_ptr<Design> emptyDesign()
{
    auto d = std::make_unique<Design>();
    resetDesign(*d);
    return d;
}

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

inline Complex endOf(const Design& d, int i)
{
    return {d.elements[static_cast<std::size_t>(i)].rEnd,
            d.elements[static_cast<std::size_t>(i)].xEnd};
}

inline Complex beginOf(const Design& d, int i)
{
    return {d.elements[static_cast<std::size_t>(i)].rBegin,
            d.elements[static_cast<std::size_t>(i)].xBegin};
}

} // namespace zelvo::test
