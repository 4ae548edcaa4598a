// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/network_touchstone.h"

#include "core/abcd.h"
#include "core/block.h"
#include "core/format.h"
#include "model/block_file.h"
#include "model/file_io.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zelvo {

namespace {

std::span<const Element> chainOf(const Design& d)
{
    return {d.elements.data(),
            static_cast<std::size_t>(std::clamp(d.elementCount, 0, Design::elementCapacity))};
}

// The shortest text that reads back as the same double: full precision
// without the noise digits of "%.17g".
std::string exact(double v)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : printfString("%.17g", v);
}

// A name from a file system or a design file as one comment line's text.
std::string oneLine(std::string s)
{
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return s;
}

// "BFU520.s2p (400.000 MHz to 2.000 GHz)" for every block without a value
// at one of the frequencies, each named once.
std::string blocksMissing(std::span<const Element> chain, std::span<const double> f)
{
    std::string names;
    for (const Element& e : chain) {
        if (e.kind != ElementKind::Block || !e.block)
            continue;
        const bool misses = std::any_of(f.begin(), f.end(),
                                        [&](double x) { return !blockCovers(*e.block, x); });
        const std::string name = oneLine(e.block->name) + " (" + blockRangeText(*e.block) + ")";
        if (misses && names.find(name) == std::string::npos)
            names += (names.empty() ? "" : ", ") + name;
    }
    return names;
}

std::string kindWord(const Element& e)
{
    switch (e.kind) {
    case ElementKind::CS: return "series C";
    case ElementKind::IS: return "series L";
    case ElementKind::RS: return "series R";
    case ElementKind::LS: return "line";
    case ElementKind::CP: return "shunt C";
    case ElementKind::IP: return "shunt L";
    case ElementKind::RP: return "shunt R";
    case ElementKind::LPS: return "short stub";
    case ElementKind::LPO: return "open stub";
    case ElementKind::TR: return "transformer";
    case ElementKind::RlcSeries: return "series RLC in shunt";
    case ElementKind::RlcParallel: return "parallel RLC in series";
    case ElementKind::Block:
        return "block " + (e.block ? oneLine(e.block->name) : std::string("?")) +
               (e.reversed ? " reversed" : "");
    case ElementKind::None: break;
    }
    return "element";
}

} // namespace

std::optional<DialogMessage> checkNetworkExport(const Design& d)
{
    if (chainOf(d).empty())
        return DialogMessage{"There is no network to export: the chain has no element.", "",
                             MessageIcon::Exclamation};
    if (!(designFrequency(d) > 0.0))
        return DialogMessage{"The network cannot be exported: the start data point's "
                             "frequency\n\ris not greater than 0.",
                             "", MessageIcon::Exclamation};
    return std::nullopt;
}

std::vector<double> blockSweepFrequencies(const Design& d)
{
    const std::span<const Element> chain = chainOf(d);
    std::vector<double> f;
    for (const Element& e : chain)
        if (e.kind == ElementKind::Block && e.block)
            f.insert(f.end(), e.block->f.begin(), e.block->f.end());
    std::sort(f.begin(), f.end());
    f.erase(std::unique(f.begin(), f.end()), f.end());
    std::erase_if(f, [&](double x) { return !(x > 0.0) || !chainDefinedAt(chain, x); });
    return f;
}

Sweep defaultExportSweep(const Design& d)
{
    Sweep s = defaultSweep(d);
    double lowest = 0.0;
    const int n = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    for (int i = 0; i < n; ++i) {
        const double f = d.dataPoints[static_cast<std::size_t>(i)].f;
        if (f > 0.0 && std::isfinite(f))
            lowest = lowest == 0.0 ? f : std::min(lowest, f);
    }
    if (!(lowest > 0.0))
        return {0.0, 0.0, 0, false};
    s.start = std::max(s.start, 0.5 * lowest);
    s.points = defaultSweepPoints;
    s.logarithmic = false;
    return s;
}

std::optional<std::string> sweepProblem(const Sweep& s)
{
    if (!(s.start > 0.0) || !std::isfinite(s.start))
        return "The start frequency must be greater than 0.";
    if (!std::isfinite(s.stop) || (s.points > 1 && !(s.stop > s.start)))
        return "The stop frequency must be greater than the start frequency.";
    if (s.points < 1 || s.points > maxSweepPoints)
        return printfString("The number of points must be a whole number from 1 to %d.",
                            maxSweepPoints);
    return std::nullopt;
}

NetworkTouchstone networkTouchstone(const Design& d, std::span<const double> f)
{
    const std::span<const Element> chain = chainOf(d);
    const double f0 = designFrequency(d);
    const double z0 = d.z0;
    NetworkTouchstone out;
    std::string rows;
    for (const double x : f) {
        const std::optional<Abcd> m = chainAbcd(chain, x, f0);
        if (!m) {
            ++out.leftOut;
            continue;
        }
        const TwoPort s = sFromAbcd(*m, z0);
        rows += exact(x);
        // Version 1 order: S11, S21, S12, S22.
        for (const Complex v : {s.s11, s.s21, s.s12, s.s22})
            rows += ' ' + exact(v.re) + ' ' + exact(v.im);
        rows += '\n';
        ++out.written;
    }

    std::string& t = out.text;
    t = "! Zelvo matching network as a two-port";
    t += d.fileName.find("<unnamed>") == std::string::npos ? ": " + oneLine(d.fileName) + "\n" : "\n";
    t += "! Port 1: the generator side (the end of the chain); port 2: the load side,\n";
    t += "! where the start data point's impedance is connected. Reference impedance " +
         exact(z0) + " ohm.\n";
    t += "! Designed at " + formatSi(f0, 3) + "Hz; elements from the load on:";
    for (std::size_t i = 0; i < chain.size(); ++i)
        t += (i ? ", " : " ") + kindWord(chain[i]);
    t += "\n";
    if (out.leftOut > 0)
        t += printfString("! %d of %zu frequencies left out: no value of ", out.leftOut,
                          f.size()) +
             blocksMissing(chain, f) + " there.\n";
    t += "# Hz S RI R " + exact(z0) + "\n";
    t += "! f [Hz]  re S11  im S11  re S21  im S21  re S12  im S12  re S22  im S22\n";
    t += rows;
    return out;
}

NetworkExportResult writeNetworkTouchstone(const Design& d, std::span<const double> f,
                                           const std::string& path)
{
    if (const auto refusal = checkNetworkExport(d))
        return {false, *refusal};
    const NetworkTouchstone file = networkTouchstone(d, f);
    if (file.written == 0)
        return {false,
                {printfString("Nothing was exported: at none of the sweep's frequencies "
                              "does\n\r%s have a value.",
                              blocksMissing(chainOf(d), f).c_str()),
                 "", MessageIcon::Exclamation}};
    std::string why;
    if (!writeFileReplacing(path, file.text, &why))
        return {false, withReason({printfString("Error while writing file '%s'", path.c_str()), "",
                                   MessageIcon::Exclamation},
                                  why)};
    const std::string done =
        file.leftOut > 0
            ? printfString("Network exported to '%s': %d frequencies,\n\r%d left out "
                           "where a block has no value.",
                           path.c_str(), file.written, file.leftOut)
            : printfString("Network exported to '%s': %d frequencies.", path.c_str(), file.written);
    return {true, {done, "", MessageIcon::Information, MessageButtons::Ok, false}};
}

} // namespace zelvo
