// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/netlist.h"

#include "core/chain.h"
#include "core/format.h"
#include "core/numeric.h"
#include "model/file_io.h"

#include <algorithm>
#include <cmath>

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

std::string lineText(const char* kind, int a, int b, const Element& e, double lengthMm)
{
    return printfString(" %s %d %d %d Z=%G L=%G K=%G A=0 F=0", kind, a, b, 0,
                        static_cast<double>(e.lineImpedance), storable(lengthMm),
                        static_cast<double>(e.lineEr));
}

// One element line and the counter update after it; empty for no kind.
std::string elementLine(const Element& e, Nodes& n, double f0)
{
    // Free-space length in mm of `value` wavelengths at the design frequency.
    const double length = speedOfLight / f0 * e.value * 1000.0;
    std::string text;
    switch (e.kind) {
    case ElementKind::CS:
        text = printfString(" CAP %d %d C=%G", n.node, n.nextSeries(), e.value * 1e12);
        n.seriesDone();
        break;
    case ElementKind::LS:
        text = lineText("TLINP", n.node, n.nextSeries(), e, length);
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
        text = lineText("TLINP", n.node, 0, e, length);
        break;
    case ElementKind::LPO:
        // The open end is a node of its own.
        text = lineText("TLINP", n.node, n.nextSeries(), e, length);
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
                elementLine(d.elements[static_cast<std::size_t>(i)], nodes, f0);
            if (!line.empty())
                out += line + "\r\n";
        }
        out += printfString(" DEF2P 1 %d A ! A is actual passive Network\r\n!", nodes.node);
    }
    if (d.dataPointCount > 0)
        out += printfString("\r\nFREQ\r\n FIXED %G\r\n", storable(f0 / 1e6));
    return out;
}

int writeNetlist(const Design& d, const std::string& path, const std::string& designFileName,
                 std::string* why)
{
    return writeFileReplacing(path, netlistText(d, path, designFileName), why)
               ? netlistOk
               : netlistCannotWrite;
}

} // namespace zelvo
