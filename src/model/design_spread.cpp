// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design_spread.h"

#include "core/abcd.h"
#include "model/response.h"

#include <algorithm>
#include <limits>

namespace zelvo {

std::span<const Element> designChain(const Design& d)
{
    return {d.elements.data(),
            static_cast<std::size_t>(std::clamp(d.elementCount, 0, Design::elementCapacity))};
}

DesignLoads designLoads(const Design& d)
{
    DesignLoads r;
    const std::span<const Element> chain = designChain(d);
    const int n = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    for (int i = 0; i < n; ++i) {
        const DataPoint& p = d.dataPoints[static_cast<std::size_t>(i)];
        if (!chainDefinedAt(chain, p.f))
            continue;
        r.loads.push_back({{p.r, p.x}, p.f});
        r.points.push_back(i);
    }
    return r;
}

double effectiveTolerance(const Element& e, ESeries series)
{
    if (!hasTolerance(e.kind))
        return 0.0;
    return e.tolerance > 0.0 ? e.tolerance : seriesTolerance(series);
}

std::vector<double> designTolerances(const Design& d)
{
    std::vector<double> t;
    for (const Element& e : designChain(d))
        t.push_back(effectiveTolerance(e, d.partSeries));
    return t;
}

std::vector<EditRecord> standardValueRecords(const Design& d, const StandardChoice& choice)
{
    std::vector<EditRecord> records;
    const std::span<const Element> chain = designChain(d);
    for (std::size_t i = 0; i < chain.size() && i < choice.values.size(); ++i) {
        if (choice.values[i] == chain[i].value)
            continue;
        EditRecord r = editRecordOf(static_cast<std::int32_t>(i), chain[i]);
        r.value = choice.values[i];
        records.push_back(r);
    }
    return records;
}

ReturnLossBand returnLossBand(const Design& d, const std::vector<double>& frequencies,
                              ToleranceSetup setup)
{
    ReturnLossBand band;
    const std::span<const Element> chain = designChain(d);
    const LoadModel model = loadModelOf(d);
    std::vector<SpreadLoad> loads;
    std::vector<std::size_t> at; // the frequency of each load
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        if (!chainDefinedAt(chain, frequencies[i]))
            continue;
        loads.push_back({loadAt(d, model, frequencies[i]), frequencies[i]});
        at.push_back(i);
    }
    band.f = frequencies;
    setup.keepEnds = false;
    setup.target = {static_cast<double>(d.z0)};
    setup.tolerances = designTolerances(d);
    const ChainSpread spread(chain, loads, designFrequency(d));
    const ToleranceResult r = runTolerance(spread, setup);
    // The chain as it is: one sample with every factor 1.
    const std::vector<double> ones(chain.size(), 1.0);
    ChainSpread::Output nominal;
    spread.evaluate(ones, 1, setup.target, nominal, false, true);
    const double gap = std::numeric_limits<double>::quiet_NaN();
    band.bestDb.assign(frequencies.size(), gap);
    band.worstDb.assign(frequencies.size(), gap);
    band.nominalDb.assign(frequencies.size(), gap);
    for (std::size_t k = 0; k < at.size() && k < r.loadBestDb.size(); ++k) {
        band.bestDb[at[k]] = r.loadBestDb[k];
        band.worstDb[at[k]] = r.loadWorstDb[k];
        band.nominalDb[at[k]] = returnLossDb(nominal.loadMax[k]);
    }
    return band;
}

} // namespace zelvo
