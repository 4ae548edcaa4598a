// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/netlist.h"

#include "core/block.h"
#include "core/abcd.h"
#include "core/chain.h"
#include "core/format.h"
#include "core/numeric.h"
#include "model/file_io.h"
#include "model/part_losses.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelvo {

namespace {

double storable(double v)
{
    if (std::isnan(v))
        return 0.0;
    return std::clamp(v, -DOUBLE_BIG, DOUBLE_BIG);
}

// Node numbering while the chain is written from its far end: `node` is
// where the chain continues, `pending` counts the open-stub ends taken since
// the last series element.
struct Nodes {
    int node = 1;
    int pending = 0;
    int nextSeries() const { return node + pending + 1; }
    void seriesDone()
    {
        node = nextSeries();
        pending = 0;
    }
};

std::string lineText(const char* kind, int a, int b, const Element& e, double lengthMm, double f0)
{
    // A lossy line: A is its loss in dB per unit of L (so that A L is the
    // loss at f0), F the frequency in MHz from which it grows as sqrt(f).
    if (isLossy(e) && e.loss.lineDb > 0.0 && lengthMm > 0.0 && f0 > 0.0)
        return printfString(" %s %d %d %d Z=%G L=%G K=%G A=%G F=%G", kind, a, b, 0,
                            static_cast<double>(e.lineImpedance), storable(lengthMm),
                            static_cast<double>(e.lineEr),
                            storable(e.loss.lineDb * e.value / lengthMm), storable(f0 / 1e6));
    return printfString(" %s %d %d %d Z=%G L=%G K=%G A=0 F=0", kind, a, b, 0,
                        static_cast<double>(e.lineImpedance), storable(lengthMm),
                        static_cast<double>(e.lineEr));
}

// A real L or C as the format's own parts, its losses fixed at f0: RES, IND
// and CAP in series (an inductor's self-resonance a CAP across them), with
// nodes of their own between them as open stubs take theirs. From `node`
// to the next series node, or to ground in shunt.
std::string lossyPartLines(const Element& e, Nodes& n, double f0)
{
    const double omega = twoPiElement * f0;
    const double q = partQ(e.loss, f0);
    std::string text = "! " + std::string(isInductor(e.kind) ? "IND" : "CAP") + " with " +
                       partLossText(e.loss, e.kind, LossTextForm::Ascii) + "\r\n";
    struct Part {
        const char* name;
        const char* key;
        double value; // in the units of the DIM line
    };
    std::vector<Part> parts;
    if (isInductor(e.kind)) {
        if (q > 0.0)
            parts.push_back({"RES", "R", omega * e.value / q});
        parts.push_back({"IND", "L", e.value * 1e9});
    }
    else {
        const double esr =
            e.loss.esr > 0.0 ? e.loss.esr : q > 0.0 ? 1.0 / (omega * e.value * q) : 0.0;
        if (esr > 0.0)
            parts.push_back({"RES", "R", esr});
        if (e.loss.esl > 0.0)
            parts.push_back({"IND", "L", e.loss.esl * 1e9});
        parts.push_back({"CAP", "C", e.value * 1e12});
    }
    const bool series = isSeries(e.kind);
    const int first = n.node;
    int from = first;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const int to = n.nextSeries();
        ++n.pending;
        text += printfString(" %s %d %d %s=%G\r\n", parts[i].name, from, to, parts[i].key,
                             storable(parts[i].value));
        from = to;
    }
    const int last = series ? n.nextSeries() : 0;
    text += printfString(" %s %d %d %s=%G", parts.back().name, from, last, parts.back().key,
                         storable(parts.back().value));
    if (isInductor(e.kind) && e.loss.srf > 0.0) {
        const double ws = twoPiElement * e.loss.srf;
        text += printfString("\r\n CAP %d %d C=%G", first, last,
                             storable(1e12 / (ws * ws * e.value)));
    }
    if (series)
        n.seriesDone();
    return text;
}

// One element line and the counter update after it; empty for no kind.
std::string elementLine(const Element& e, int index, Nodes& n, double f0)
{
    // Free-space length in mm of `value` wavelengths at the design frequency.
    const double length = speedOfLight / f0 * e.value * 1000.0;
    if (isLossy(e) && (isInductor(e.kind) || isCapacitor(e.kind)) && f0 > 0.0)
        return lossyPartLines(e, n, f0);
    std::string text;
    switch (e.kind) {
    case ElementKind::CS:
        text = printfString(" CAP %d %d C=%G", n.node, n.nextSeries(), e.value * 1e12);
        n.seriesDone();
        break;
    case ElementKind::LS:
        text = lineText("TLINP", n.node, n.nextSeries(), e, length, f0);
        n.seriesDone();
        break;
    case ElementKind::RS:
        text = printfString(" RES %d %d R=%G", n.node, n.nextSeries(), e.value);
        n.seriesDone();
        break;
    case ElementKind::IS:
        text = printfString(" IND %d %d L=%G", n.node, n.nextSeries(), e.value * 1e9);
        n.seriesDone();
        break;
    case ElementKind::CP:
        text = printfString(" CAP %d %d C=%G", n.node, 0, e.value * 1e12);
        break;
    case ElementKind::LPS:
        text = lineText("TLINP", n.node, 0, e, length, f0);
        break;
    case ElementKind::LPO:
        // The open end is a node of its own.
        text = lineText("TLINP", n.node, n.nextSeries(), e, length, f0);
        ++n.pending;
        break;
    case ElementKind::RP:
        text = printfString(" RES %d %d R=%G", n.node, 0, e.value);
        break;
    case ElementKind::IP:
        text = printfString(" IND %d %d L=%G", n.node, 0, e.value * 1e9);
        break;
    case ElementKind::TR:
        text = printfString(" TRF %d %d %d %d N=%G R1=0.01", n.node, 0, n.nextSeries(), 0, e.value);
        n.seriesDone();
        break;
    case ElementKind::RlcSeries:
        text = printfString(" SRLC %d %d R=%G L=%G C=%G", n.node, 0, e.rlcR, e.rlcL / 1e-9,
                            e.rlcC / 1e-12);
        break;
    case ElementKind::RlcParallel:
        text = printfString(" PRLC %d %d R=%G L=%G C=%G", n.node, n.nextSeries(), e.rlcR,
                            e.rlcL / 1e-9, e.rlcC / 1e-12);
        n.seriesDone();
        break;
    case ElementKind::Block:
        // No element of the format holds measured S-parameters; the writer
        // refuses, and a text made all the same says what is missing.
        text = printfString("! element %d: two-port block ", index + 1) +
               (e.block ? e.block->name : std::string()) + " not representable";
        n.seriesDone();
        break;
    case ElementKind::None:
        break;
    }
    return text;
}

} // namespace

std::string netlistText(const Design& d, const std::string& outputPath,
                        const std::string& designFileName)
{
    std::string out = "! ZELVO-CHART NETLIST GENERATOR VERSION 1.0\r\n";
    out += "! INPUT FILE:  " + designFileName + "\r\n";
    out += "! OUTPUT FILE: " + outputPath + "\r\n";
    out += "\r\nGLOBAL\r\n";
    out += " DIM FREQ=1e6 RES=1e0 IND=1e-9 CAP=1e-12 LNG=1e-6 TIME=1e-12 COND=1e-0\r\n";
    out += "!\r\n";
    // The network is designed at the start point's frequency: its line
    // lengths and the analysis frequency both refer to it.
    const double f0 = designFrequency(d);
    const int elements = std::clamp(d.elementCount, 0, Design::elementCapacity);
    if (elements > 0) {
        out += "CKT\r\n";
        Nodes nodes;
        for (int i = elements - 1; i >= 0; --i) {
            const std::string line =
                elementLine(d.elements[static_cast<std::size_t>(i)], i, nodes, f0);
            if (!line.empty())
                out += line + "\r\n";
        }
        out += printfString(" DEF2P 1 %d A ! A is actual passive Network\r\n!", nodes.node);
    }
    if (d.dataPointCount > 0)
        out += printfString("\r\nFREQ\r\n FIXED %G\r\n", storable(f0 / 1e6));
    return out;
}

std::optional<DialogMessage> netlistBlockRefusal(const Design& d, bool spice)
{
    const int n = std::clamp(d.elementCount, 0, Design::elementCapacity);
    for (int i = 0; i < n; ++i) {
        const Element& e = d.elements[static_cast<std::size_t>(i)];
        if (e.kind != ElementKind::Block)
            continue;
        const char* name = e.block ? e.block->name.c_str() : "";
        return DialogMessage{
            spice ? printfString("Element %d, the two-port block '%s', cannot be written:\n\r"
                                 "ngspice has no element for measured S-parameters.\n\rExport "
                                 "the network as a Touchstone file instead (File > Export\n\r"
                                 "network as Touchstone..., or zelvo touchstone): simulators can "
                                 "use it.",
                                 i + 1, name)
                  : printfString("Element %d, the two-port block '%s', cannot be written:\n\r"
                                 "the netlist has no element for measured S-parameters.\n\r"
                                 "Export the network as a Touchstone file instead (File > "
                                 "Export\n\rnetwork as Touchstone..., or zelvo touchstone): "
                                 "simulators can use it.",
                                 i + 1, name),
            "", MessageIcon::Exclamation};
    }
    return std::nullopt;
}

int writeNetlist(const Design& d, const std::string& path, const std::string& designFileName,
                 std::string* why)
{
    if (const auto refusal = netlistBlockRefusal(d, false)) {
        if (why)
            *why = refusal->text;
        return netlistCannotWrite;
    }
    return writeFileReplacing(path, netlistText(d, path, designFileName), why)
               ? netlistOk
               : netlistCannotWrite;
}

} // namespace zelvo
