// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The one-port reader on any bytes, and for every accepted input the import
// of all its points: each data point is finite and within the data point
// rules, and the design saves and reads back as it was shown.
#include "fuzz_check.h"
#include "model/design.h"
#include "model/design_file.h"
#include "model/one_port.h"
#include "model/value_rules.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

using namespace zelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const OnePortRead r =
        readOnePortText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!r.data) {
        FUZZ_CHECK(!r.problem.empty(), "a refused file without a reason");
        return 0;
    }
    FUZZ_CHECK(!r.data->points.empty(), "an accepted file without points");
    FUZZ_CHECK(onePortLines(*r.data).size() == r.data->points.size(), "a point without its line");

    auto d = std::make_unique<Design>();
    std::vector<int> rows(r.data->points.size());
    std::iota(rows.begin(), rows.end(), 0);
    importOnePortPoints(*d, *r.data, rows);
    FUZZ_CHECK(d->dataPointCount > 0 && d->dataPointCount <= Design::pointCapacity,
               "no point imported, or more than the design holds");
    for (int i = 0; i < d->dataPointCount; ++i) {
        const DataPoint& p = d->dataPoints[static_cast<std::size_t>(i)];
        FUZZ_CHECK(std::isfinite(p.r) && std::isfinite(p.x), "a data point that is not finite");
        FUZZ_CHECK(pointFrequencyAccepted(p.f), "a data point frequency the dialog refuses");
    }

    const std::string first = designFileText(*d);
    auto again = std::make_unique<Design>();
    FUZZ_CHECK(readDesignText(*again, first) == designFileOk, "imported design not readable");
    FUZZ_CHECK(designFileText(*again) == first, "imported design changed on reading");
    return 0;
}
