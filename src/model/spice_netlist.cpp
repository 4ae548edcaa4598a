// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/spice_netlist.h"

#include "core/chain.h"
#include "core/format.h"
#include "model/file_io.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

// Full precision: the simulator must see the values the chart computed with.
std::string num(double v) { return printfString("%.17g", v); }

// Far end of an open stub: a resistor so large that it changes the stub's
// admittance by less than 1e-10 of Z0, but gives the node a DC path.
constexpr double openEnd = 1e12;

struct Writer {
    std::string out;
    int nodes = 0;
    int counter = 0;

    // Appended, not "n" + std::string: GCC 12 reports a false -Wrestrict on
    // that at -O3.
    std::string newNode() { return numbered("n", ++nodes); }
    std::string name(const char* prefix) { return numbered(prefix, ++counter); }
    static std::string numbered(const char* prefix, int n)
    {
        std::string s = prefix;
        s += std::to_string(n);
        return s;
    }
    void line(const std::string& s) { out += s + "\n"; }
};

// One element between `a` (generator side) and `b` (load side); shunt
// elements use only `a`.
void writeElement(Writer& w, const Element& e, const std::string& a, const std::string& b,
                  double f0)
{
    // Electrical length in wavelengths at f0 is a delay of value / f0.
    const double delay = f0 > 0.0 ? e.value / f0 : 0.0;
    const std::string z = num(static_cast<double>(e.lineImpedance));
    switch (e.kind) {
    case ElementKind::CS: w.line(w.name("C") + " " + a + " " + b + " " + num(e.value)); break;
    case ElementKind::IS: w.line(w.name("L") + " " + a + " " + b + " " + num(e.value)); break;
    case ElementKind::RS: w.line(w.name("R") + " " + a + " " + b + " " + num(e.value)); break;
    case ElementKind::CP: w.line(w.name("C") + " " + a + " 0 " + num(e.value)); break;
    case ElementKind::IP: w.line(w.name("L") + " " + a + " 0 " + num(e.value)); break;
    case ElementKind::RP: w.line(w.name("R") + " " + a + " 0 " + num(e.value)); break;
    case ElementKind::LS:
        w.line(w.name("T") + " " + a + " 0 " + b + " 0 Z0=" + z + " TD=" + num(delay));
        break;
    case ElementKind::LPS:
        w.line(w.name("T") + " " + a + " 0 0 0 Z0=" + z + " TD=" + num(delay) + " ; shorted stub");
        break;
    case ElementKind::LPO: {
        const std::string end = w.newNode();
        w.line(w.name("T") + " " + a + " 0 " + end + " 0 Z0=" + z + " TD=" + num(delay)
               + " ; open stub");
        w.line(w.name("R") + " " + end + " 0 " + num(openEnd));
        break;
    }
    case ElementKind::TR: {
        // Ideal transformer 1 : n seen from the load: V(a) = n V(b) and the
        // load current is n times the input current, so Z(a) = n^2 Z(b).
        const std::string inner = w.newNode();
        const std::string sense = w.name("Vtr");
        w.line("* ideal transformer, ratio " + num(e.value));
        w.line(w.name("E") + " " + inner + " 0 " + b + " 0 " + num(e.value));
        w.line(sense + " " + a + " " + inner + " 0");
        w.line(w.name("F") + " 0 " + b + " " + sense + " " + num(e.value));
        break;
    }
    case ElementKind::RlcSeries: {
        const std::string m1 = w.newNode(), m2 = w.newNode();
        w.line("* series RLC group in shunt");
        w.line(w.name("R") + " " + a + " " + m1 + " " + num(e.rlcR));
        w.line(w.name("L") + " " + m1 + " " + m2 + " " + num(e.rlcL));
        w.line(w.name("C") + " " + m2 + " 0 " + num(e.rlcC));
        break;
    }
    case ElementKind::RlcParallel:
        w.line("* parallel RLC group in series");
        w.line(w.name("R") + " " + a + " " + b + " " + num(e.rlcR));
        w.line(w.name("L") + " " + a + " " + b + " " + num(e.rlcL));
        w.line(w.name("C") + " " + a + " " + b + " " + num(e.rlcC));
        break;
    case ElementKind::Block:
    case ElementKind::None: break;
    }
}

// An impedance at f as the test bench's load: R plus an inductor or capacitor.
std::string loadLines(double r, double x, double f)
{
    const double omega = 2.0 * 3.14159265358979323846 * f;
    std::string s = "* Rload n_out n_x " + num(r) + "\n";
    if (x > 0.0 && omega > 0.0)
        s += "* Lload n_x 0 " + num(x / omega) + "\n";
    else if (x < 0.0 && omega > 0.0)
        s += "* Cload n_x 0 " + num(-1.0 / (omega * x)) + "\n";
    else
        s += "* Vload n_x 0 0\n";
    return s;
}

} // namespace

std::string spiceNetlistText(const Design& d, const std::string& designFileName)
{
    const double f0 = designFrequency(d);
    const double z0 = d.z0;
    const int count = std::clamp(d.elementCount, 0, Design::elementCapacity);
    Writer w;
    w.line("* Zelvo matching network for ngspice");
    w.line("* Design file: " + (designFileName.empty() ? std::string("(not saved)") : designFileName));
    w.line("* Start frequency: " + formatSi(f0, 6) + "Hz (" + num(f0) + " Hz)");
    w.line("* Z0: " + num(z0) + " ohm");
    w.line("* Element values refer to the start frequency; lines are lossless.");
    w.line(std::string(".subckt ") + spiceSubcircuitName + " in out");

    // Written from the generator side: the last element of the chain meets "in".
    int lastSeries = -1; // the series element nearest the load ends at "out"
    for (int i = 0; i < count && lastSeries < 0; ++i)
        if (isSeries(d.elements[static_cast<std::size_t>(i)].kind))
            lastSeries = i;
    std::string node = "in";
    if (lastSeries < 0)
        node = "out";
    for (int i = count - 1; i >= 0; --i) {
        const Element& e = d.elements[static_cast<std::size_t>(i)];
        if (isSeries(e.kind)) {
            const std::string next = i == lastSeries ? std::string("out") : w.newNode();
            writeElement(w, e, node, next, f0);
            node = next;
        } else {
            writeElement(w, e, node, node, f0);
        }
    }
    if (lastSeries < 0)
        w.line("Vthrough in out 0"); // no series element: in and out are one node
    w.line(".ends " + std::string(spiceSubcircuitName));

    w.line("");
    w.line("* Example test bench: a 1 A AC current into \"in\" makes V(in) the input");
    w.line("* impedance with the start point's impedance at \"out\". Remove the \"* \"");
    w.line("* in front of the lines below to run it with ngspice -b.");
    w.line("* I1 0 n_in AC 1");
    w.line(std::string("* X1 n_in n_out ") + spiceSubcircuitName);
    if (count > 0) {
        w.out += loadLines(d.elements[0].rBegin, d.elements[0].xBegin, f0);
    } else if (f0 > 0.0) {
        const DataPoint& p = d.dataPoints[static_cast<std::size_t>(d.startPoint - 1)];
        w.out += loadLines(p.r, p.x, f0);
    } else {
        w.line("* Rload n_out 0 " + num(z0));
    }
    w.line("* .ac lin 1 " + num(f0) + " " + num(f0));
    w.line("* .print ac vr(n_in) vi(n_in)");
    w.line("* .end");
    return w.out;
}

bool writeSpiceNetlist(const Design& d, const std::string& path, const std::string& designFileName)
{
    return writeFileReplacing(path, spiceNetlistText(d, designFileName));
}

} // namespace zelvo
