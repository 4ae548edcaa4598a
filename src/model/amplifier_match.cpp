// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/amplifier_match.h"

#include "core/abcd.h"
#include "core/block.h"
#include "core/format.h"
#include "model/block_file.h"
#include "model/design_rules.h"
#include "model/response.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace zelvo {

namespace {

std::span<const Element> chainOf(const Design& d)
{
    return {d.elements.data(),
            static_cast<std::size_t>(std::clamp(d.elementCount, 0, Design::elementCapacity))};
}

// The chain the networks follow: all of it, or all but the device at its end.
std::span<const Element> loadSideChain(const Design& d, const AmplifierDevice& device)
{
    const std::span<const Element> all = chainOf(d);
    return device.atChainEnd && !all.empty() ? all.first(all.size() - 1) : all;
}

// Whether the history's last step appended the chain's last element alone,
// so that undoing it takes exactly that element back.
bool lastStepAppendedLastElement(const Design& d)
{
    const int top = std::min(d.historyCount, Design::historyCapacity);
    return top > 0 && d.elementCount > 0 &&
           d.history[static_cast<std::size_t>(top - 1)] == HistoryEntry::Element;
}

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

DialogMessage note(std::string text)
{
    DialogMessage m;
    m.text = std::move(text);
    m.icon = MessageIcon::Exclamation;
    return m;
}

} // namespace

std::variant<AmplifierDevice, DialogMessage> amplifierDevice(const Design& d,
                                                             const SParamSet& sparams)
{
    const std::span<const Element> chain = chainOf(d);
    if (!chain.empty() && chain.back().kind == ElementKind::Block && chain.back().block)
        return AmplifierDevice{chain.back(), true};
    if (std::any_of(chain.begin(), chain.end(),
                    [](const Element& e) { return e.kind == ElementKind::Block; }))
        return note("Match amplifier puts the networks on both sides of the device, so the "
                    "device must be the chain's last element.\nUndo back to the block, or "
                    "start from the load alone.");
    if (sparams.loaded && !sparams.sourceText.empty()) {
        BlockLoad b = blockFromText(sparams.sourceText, baseName(sparams.fileName));
        if (auto* m = std::get_if<DialogMessage>(&b))
            return *m;
        Element e;
        e.kind = ElementKind::Block;
        e.block = std::get<std::shared_ptr<const BlockData>>(std::move(b));
        return AmplifierDevice{std::move(e), false};
    }
    return note("Match amplifier needs a two-port device: insert a block "
                "(Network > Insert two-port block...) or open its S-parameter file in "
                "S-Plot mode.");
}

std::string unstableText(const AmplifierPlan& p)
{
    // Each case one whole sentence pattern, so that it is translated whole.
    const std::string f = formatFrequency(p.f, 3);
    if (p.maxGainDb)
        return printfString("The device is potentially unstable at %sHz: K = %.3f, |delta| = "
                            "%.3f.\nNo simultaneous conjugate match exists. Choose a gain below "
                            "MSG = %.2f dB: the networks then keep both ports on the stable side.",
                            f.c_str(), p.k, p.deltaMagnitude, *p.maxGainDb);
    return printfString("The device is potentially unstable at %sHz: K = %.3f, |delta| = "
                        "%.3f.\nNo simultaneous conjugate match exists.",
                        f.c_str(), p.k, p.deltaMagnitude);
}

std::variant<AmplifierPlan, DialogMessage>
planAmplifier(const Design& d, const AmplifierDevice& device, double f,
              std::optional<double> gainDb, float lineImpedance, float lineEr)
{
    AmplifierPlan p;
    p.f = f;
    const BlockData* b = device.block.block.get();
    if (b == nullptr)
        return note("The block has no data.");
    if (d.dataPointCount <= 0)
        return note("Match amplifier needs a load: enter a data point first.");
    const std::optional<TwoPort> s = blockSParams(*b, f, device.block.reversed);
    if (!s)
        return note(printfString("The device has no data at %sHz: its file covers %s.",
                                 formatFrequency(f, 3).c_str(), blockRangeText(*b).c_str()));
    p.s = *s;
    p.deviceZ0 = b->z0;
    p.k = stabilityFactor(p.s).value_or(DOUBLE_BIG);
    p.deltaMagnitude = magnitude(determinant(p.s));
    p.stable = unconditionallyStable(p.s);
    p.maxGainDb = maxGainDb(p.s);

    if (const std::optional<ConjugateMatch> m = p.stable ? simultaneousMatch(p.s) : std::nullopt) {
        p.terminations = *m;
        // GT with both ports conjugate matched: the device's available gain.
        const Complex gin = inputReflection(p.s, m->gammaLoad);
        const double gs = magnitude(m->gammaSource), gl = magnitude(m->gammaLoad);
        const double s21 = magnitude(p.s.s21);
        const double gt = (1 - gs * gs) * s21 * s21 * (1 - gl * gl) /
                          std::pow(magnitude(Complex{1.0} - p.s.s22 * m->gammaLoad), 2) /
                          std::pow(magnitude(Complex{1.0} - gin * m->gammaSource), 2);
        p.gainDb = 10.0 * std::log10(gt);
    } else {
        if (!gainDb)
            return note(unstableText(p));
        const std::optional<GainMatch> g = gainCircleMatch(p.s, *gainDb);
        if (!g)
            return note(printfString("No termination on the stable side reaches %.2f dB at "
                                     "%sHz. Choose a lower gain.",
                                     *gainDb, formatFrequency(f, 3).c_str()));
        p.terminations = g->terminations;
        p.gainDb = *gainDb;
    }

    const std::span<const Element> side = loadSideChain(d, device);
    const Response r = computeResponse(d, side, {f});
    if (r.points.empty() || !r.points[0].defined)
        return note("The chain before the device has no value at this frequency.");
    p.loadSide = r.points[0].input;
    const double z0 = p.deviceZ0;
    p.portTwo = gammaToImpedance(p.terminations.gammaLoad.re, p.terminations.gammaLoad.im, z0);
    const Complex gin = inputReflection(p.s, p.terminations.gammaLoad);
    p.portOne = gammaToImpedance(gin.re, gin.im, z0);
    p.output = synthesiseMatches({p.loadSide, p.portTwo, f, lineImpedance, lineEr});
    p.input = synthesiseMatches({p.portOne, {d.z0, 0.0}, f, lineImpedance, lineEr});
    return p;
}

std::vector<Element> amplifierChain(const AmplifierDevice& device, const MatchSolution& output,
                                    const MatchSolution& input)
{
    std::vector<Element> chain = output.elements;
    chain.push_back(device.block);
    chain.insert(chain.end(), input.elements.begin(), input.elements.end());
    return chain;
}

std::optional<DialogMessage> applyAmplifier(Design& d, const AmplifierDevice& device,
                                            const std::vector<Element>& chain)
{
    if (device.atChainEnd && !lastStepAppendedLastElement(d))
        return note("The block at the chain's end was not the design's last step, so the "
                    "output network cannot go before it.\nInsert the block again (or Undo "
                    "back to it) and match again.");
    // Room is counted as it will be: the device's own place comes back first.
    // A design is a large record: the trial copy goes on the heap.
    const auto trial = std::make_unique<Design>(d);
    if (device.atChainEnd)
        undoLast(*trial);
    if (const std::optional<DialogMessage> full = checkRoomFor(*trial, 0, chain.size()))
        return full;
    if (device.atChainEnd)
        undoLast(d);
    appendAsOneStep(d, {}, chain);
    return std::nullopt;
}

double amplifierGainDb(const Design& d, const AmplifierDevice& device,
                       const std::vector<Element>& chain, double f)
{
    std::vector<Element> all(loadSideChain(d, device).begin(), loadSideChain(d, device).end());
    all.insert(all.end(), chain.begin(), chain.end());
    const Response r = computeResponse(d, all, {f});
    return r.points.empty() || !r.points[0].defined ? std::nan("") : r.points[0].gainDb;
}

} // namespace zelvo
