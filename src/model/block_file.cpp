// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/block_file.h"

#include "core/format.h"
#include "core/numeric.h"
#include "model/file_io.h"
#include "model/touchstone.h"

#include <cmath>
#include <filesystem>

namespace zelvo {

namespace {

DialogMessage blockMessage(std::string text)
{
    return {std::move(text), "", MessageIcon::Error};
}

} // namespace

BlockLoad blockFromText(std::string text, std::string name)
{
    SParamSet set;
    set.keepExact = true;
    set.sourceText = std::move(text);
    std::string problem;
    if (!readTouchstone(set, &problem))
        return blockMessage(problem.empty() ? touchstoneFormatMessage : problem);
    auto b = std::make_shared<BlockData>();
    b->name = std::move(name);
    b->z0 = set.referenceImpedance;
    const double unit = std::pow(10.0, set.freqExponent);
    const int n = set.validPoints();
    for (int i = 0; i < n && static_cast<std::size_t>(i) < set.exact.size(); ++i) {
        const double f = set.points[static_cast<std::size_t>(i)].frequency * unit;
        if (!std::isfinite(f) || f < 0.0 || (!b->f.empty() && f <= b->f.back()))
            return blockMessage("The frequencies of a two-port block must rise from line to "
                                "line;\n\rthis file's do not at " +
                                formatSi(f, 3) + "Hz.");
        b->f.push_back(f);
        b->s.push_back(set.exact[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < set.validNoise(); ++i) {
        const NoisePoint& p = set.noise[static_cast<std::size_t>(i)];
        const double f = p.frequency * unit;
        if (!b->noise.empty() && !(f > b->noise.back().f))
            continue; // the noise table must rise too; a repeated line adds nothing
        b->noise.push_back({f, p.fmin,
                            fromPolar(p.gammaMag, p.gammaAngleDeg * (std::numbers::pi / 180.0)),
                            static_cast<double>(p.rn) * b->z0});
    }
    b->sourceText = std::move(set.sourceText);
    return std::shared_ptr<const BlockData>(std::move(b));
}

BlockLoad loadBlockFile(const std::string& path)
{
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes)
        return blockMessage("Error while opening file '" + path + "'");
    return blockFromText(*bytes, std::filesystem::path(path).filename().string());
}

std::string blockRangeText(const BlockData& b, const Texts& texts)
{
    if (b.f.empty())
        return texts.translate("Block", "no frequencies");
    return fillIn(texts.translate("Block", "%1 to %2"),
                  {formatSi(b.f.front(), 3) + "Hz", formatSi(b.f.back(), 3) + "Hz"});
}

} // namespace zelvo
