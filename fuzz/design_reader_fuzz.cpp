// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The design reader on any bytes: it stays inside its arrays, a design whose
// values it accepts writes and reads back as the same design, and undoing
// and redoing all of its history never brings back more than the file held.
#include "fuzz_check.h"
#include "model/design.h"
#include "model/design_file.h"
#include "model/design_values.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

using namespace zelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto d = std::make_unique<Design>();
    // A refused file (no header pair, a value outside the dialogs' ranges)
    // is never shown or written: what the reader left of it is no design.
    if (readDesignText(*d, bytes) != designFileOk || designValueProblem(*d))
        return 0;
    const std::string first = designFileText(*d);

    auto again = std::make_unique<Design>();
    FUZZ_CHECK(readDesignText(*again, first) == designFileOk, "written design not readable");
    FUZZ_CHECK(designFileText(*again) == first, "read -> write -> read changed the design");

    const int points = d->dataPointCount, elements = d->elementCount, q = d->qCount;
    const int vswr = d->vswrCount, stability = d->stabilityCount, gain = d->gainCount;
    const int noise = d->noiseCount;
    while (undoLast(*d)) {
    }
    while (redoNext(*d)) {
    }
    FUZZ_CHECK(d->dataPointCount <= points && d->elementCount <= elements && d->qCount <= q
                   && d->vswrCount <= vswr && d->stabilityCount <= stability
                   && d->gainCount <= gain && d->noiseCount <= noise,
               "redo brought back a slot the file did not fill");
    return 0;
}
