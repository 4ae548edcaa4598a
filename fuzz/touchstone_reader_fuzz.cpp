// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The Touchstone reader on any bytes, and for every accepted input the
// figures of merit and every parameter export, normalised or not.
#include "fuzz_check.h"
#include "model/touchstone.h"
#include "model/twoport_export.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

using namespace zelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto set = std::make_unique<SParamSet>();
    set->sourceText.assign(reinterpret_cast<const char*>(data), size);
    if (!readTouchstone(*set)) {
        FUZZ_CHECK(set->pointCount == 0, "a refused file left points");
        return 0;
    }
    FUZZ_CHECK(set->pointCount > 0 && set->pointCount == set->validPoints(),
               "point count outside the points read");
    FUZZ_CHECK(set->noiseCount >= 0 && set->noiseCount == set->validNoise(),
               "noise count outside the noise lines read");
    for (int i = 0; i < set->pointCount; ++i)
        figuresOfMerit(set->points[static_cast<std::size_t>(i)]);
    for (const ParameterKind kind :
         {ParameterKind::H, ParameterKind::Z, ParameterKind::Y, ParameterKind::A})
        for (const bool normalise : {true, false}) {
            const std::string text = exportFileText(*set, kind, normalise, set->sourceText);
            FUZZ_CHECK(!text.empty(), "empty export");
        }
    return 0;
}
