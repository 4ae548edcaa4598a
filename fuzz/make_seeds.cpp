// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Writes the seed corpora with the program's own writers, so that every
// fuzz run starts from files the program itself produces:
//   make_seeds <corpus folder>
#include "core/format.h"
#include "core/number_text.h"
#include "model/design.h"
#include "model/design_file.h"
#include "model/file_io.h"
#include "model/settings_file.h"
#include "model/touchstone.h"
#include "model/twoport_export.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace zelvo;
namespace fs = std::filesystem;

namespace {

bool put(const fs::path& dir, const std::string& name, const std::string& text)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    std::string why;
    if (writeFileReplacing((dir / name).string(), text, &why))
        return true;
    std::fprintf(stderr, "%s: %s\n", (dir / name).c_str(), why.c_str());
    return false;
}

Element lumped(ElementKind kind, double value)
{
    Element e;
    e.kind = kind;
    e.value = value;
    e.lineImpedance = 60.0f;
    e.lineEr = 2.2f;
    return e;
}

std::unique_ptr<Design> matchedDesign(bool everything)
{
    auto d = std::make_unique<Design>();
    d->z0 = everything ? 75.0f : 50.0f;
    appendDataPoint(*d, {12.5, -30, 900e6});
    appendDataPoint(*d, {20, -25, 950e6});
    appendElement(*d, lumped(ElementKind::IS, 8e-9));
    appendElement(*d, lumped(ElementKind::CP, 3.3e-12));
    if (!everything)
        return d;
    for (const ElementKind k : {ElementKind::TR, ElementKind::LPO, ElementKind::RS})
        appendElement(*d, lumped(k, 0.05));
    Element rlc;
    rlc.kind = ElementKind::RlcParallel;
    rlc.rlcR = 50;
    rlc.rlcL = 3.3e-9;
    rlc.rlcC = 4.7e-12;
    appendElement(*d, rlc);
    editElementValue(*d, 0, 10e-9);
    d->qCircles[0] = 2.0f;
    d->qCount = 1;
    pushHistory(*d, HistoryEntry::QEllipse);
    d->vswrCircles[0] = 1.5f;
    d->vswrCount = 1;
    pushHistory(*d, HistoryEntry::VswrCircle);
    StabilityCircleRecord s;
    s.s = {0.5f, -0.2f, 0.05f, 0.01f, 2.1f, 0.9f, 0.4f, -0.3f};
    s.k = 1.2f;
    appendStabilityCircle(*d, s);
    GainCircleRecord g;
    g.s = s.s;
    g.p = 10.0f;
    g.g = FLOAT_BIG;
    appendGainCircle(*d, g);
    NoiseCircleRecord n;
    n.nfMin = 0.8;
    n.gammaOpt = {0.3, 0.4};
    n.rn = 0.2;
    n.nf = 1.5;
    appendNoiseCircle(*d, n);
    runWideband(*d);
    undoLast(*d);
    return d;
}

std::string touchstone()
{
    return "! Amplifier, 2 points and noise\r\n# GHz S MA R 50\r\n"
           "1.0 0.5 -30 2.1 80 0.05 20 0.4 -60\r\n"
           "2.0 0.45 -60 1.8 60 0.07 15 0.35 -90\r\n"
           "1.0 0.8 0.5 45 0.2\r\n2.0 1.0 0.45 60 0.25\r\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    bool ok = true;

    ok &= put(root / "design_reader", "empty.zvc", designFileText(Design{}));
    ok &= put(root / "design_reader", "match.zvc", designFileText(*matchedDesign(false)));
    ok &= put(root / "design_reader", "every_section.zvc", designFileText(*matchedDesign(true)));

    Settings s;
    ok &= put(root / "settings_reader", "default.ini", settingsFileText(s));
    s.zoom = 0.01f;
    s.labels = false;
    s.chartKinds = showYChartBit;
    s.zChartColour = rgb(1, 2, 3);
    s.schematicTextAngle = 900;
    ok &= put(root / "settings_reader", "changed.ini", settingsFileText(s));

    auto set = std::make_unique<SParamSet>();
    set->sourceText = touchstone();
    ok &= put(root / "touchstone_reader", "amplifier.s2p", set->sourceText);
    if (readTouchstone(*set)) {
        ok &= put(root / "touchstone_reader", "amplifier.Z2P",
                  exportFileText(*set, ParameterKind::Z, false, set->sourceText));
        ok &= put(root / "touchstone_reader", "amplifier.A2P",
                  exportFileText(*set, ParameterKind::A, true, set->sourceText));
    }

    // One-port files in each format, LF and CR LF, and a keyword file.
    ok &= put(root / "one_port_reader", "antenna_ri.s1p",
              "! loop antenna\n# HZ S RI R 50\n14000000 0.91 0.44\n14200000 0.17 0.97\n"
              "14400000 -0.2 0.5\n");
    ok &= put(root / "one_port_reader", "load_ma.s1p",
              "# MHz S MA R 75\r\n100 0.5 -30\r\n200 0.45 -60 ! note\r\n");
    ok &= put(root / "one_port_reader", "load_db.s1p", "# GHz S DB\n1 -6 45\n2 -10 90\n");
    ok &= put(root / "one_port_reader", "keywords.s1p",
              "[Version] 2.0\n# kHz S RI\n[Number of Ports] 1\n[Reference] 50\n"
              "[Network Data]\n1500000 0.25\n 0.43\n2000000 0.1 0.2\n[End]\n");

    int i = 0;
    for (const double v : {0.0, -1.5, 1e-300, 1.7976931348623157e308, 6.02214076e23, 0.1}) {
        ok &= put(root / "number_reader", "g" + std::to_string(i), printfString("%G", v));
        ok &= put(root / "number_reader", "f" + std::to_string(i), fixedText(v, 3));
        ok &= put(root / "number_reader", "e" + std::to_string(i), exponentText(v, 5));
        ++i;
    }
    ok &= put(root / "number_reader", "spaces", " \t+.5E-3xyz");

    // Argument lists: a first byte for whether names are files, then the
    // arguments after the program's name, each ended by a NUL.
    const std::pair<const char*, std::vector<std::string>> commands[] = {
        {"export", {"export", "y", "--normalize", "amp.s2p", "-o", "amp.y2p"}},
        {"netlist", {"netlist", "--spice", "match.zvc", "--output=match.cir"}},
        {"list", {"list", "--", "-match.zvc"}},
        {"stability", {"stability", "amp.s2p", "--csv"}},
        {"picture", {"picture", "--schematic", "--size", "600", "match.zvc", "-omatch.SVG"}},
        {"help", {"picture", "-h"}},
        {"refused", {"picture", "--size=5", "match.zvc", "-o", "caf\xe9.gif"}},
        {"misspelt", {"exprot", "H", "amp.s2p", "-o", "amp.h2p"}},
    };
    for (const auto& [name, args] : commands) {
        std::string bytes(1, '\0');
        for (const std::string& a : args)
            bytes += a + '\0';
        ok &= put(root / "command_args", name, bytes);
    }
    return ok ? 0 : 1;
}
