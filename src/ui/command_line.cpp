// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/command_line.h"

#include "core/format.h"
#include "core/number_text.h"
#include "model/design_file.h"
#include "model/netlist.h"
#include "model/network_touchstone.h"
#include "model/point_list.h"
#include "model/spice_netlist.h"
#include "model/touchstone.h"
#include "model/settings_file.h"
#include "model/twoport_export.h"
#include "ui/about.h"
#include "ui/broadband_tool.h"
#include "ui/language.h"
#include "ui/picture_export.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

namespace zelvo {

namespace {

// A domain message in the language of the installed translations, its
// "\n\r" line breaks as spaces. Untranslated, it keeps the bytes the domain
// code wrote (a file name's included).
std::string plain(const std::string& english)
{
    const std::string text = translatedMessage(english);
    // Copied character by character: an in-place replace trips GCC 12's
    // false -Wrestrict at -O3.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && i + 1 < text.size() && text[i + 1] == '\r') {
            out += ' ';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

ToolRun failed(ToolKind tool, const std::string& why)
{
    return {toolFailed, "", "zelvo " + toolName(tool) + ": " + why + "\n"};
}

// GNU style: the program and its version on the first line, then the licence.
std::string versionReport()
{
    return "zelvo " + std::string(release::version) + "\n" + licenceNotice().toStdString() + "\n";
}

std::optional<ToolRun> loadTwoPort(SParamSet& set, const std::string& path, ToolKind tool)
{
    const LoadResult r = loadTouchstoneFile(set, path);
    if (r.status == LoadStatus::Ok)
        return std::nullopt;
    return failed(tool, path + ": " + plain(r.message ? r.message->text : touchstoneFormatMessage));
}

std::optional<ToolRun> loadDesign(Design& d, const std::string& path, ToolKind tool)
{
    resetDesign(d);
    std::string problem;
    const int r = readDesignFile(d, path, &problem);
    if (r == designFileOk) {
        d.fileName = path;
        return std::nullopt;
    }
    const std::string what =
        r == designFileCannotOpen
            ? interfaceTexts().translate("CommandLine", "%1 cannot be opened")
        : r == designFileBadValue
            ? interfaceTexts().translate("CommandLine",
                                         "%1 holds a value the program does not accept")
            : interfaceTexts().translate("CommandLine", "%1 is not a Zelvo design file");
    return failed(tool, fillIn(what, {path}) + (problem.empty() ? "" : ": " + plain(problem)));
}

ToolRun exportTool(const ToolRequest& r)
{
    const auto kind = static_cast<ParameterKind>(r.parameterKind);
    auto set = std::make_unique<SParamSet>();
    if (auto e = loadTwoPort(*set, r.inputs[1], r.tool))
        return *e;
    const ExportResult result = exportTwoPortFile(*set, kind, r.flag, r.output);
    if (!result.ok)
        return failed(r.tool, plain(result.message.text));
    return {0, plain(result.message.text) + "\n", ""};
}

ToolRun netlistTool(const ToolRequest& r)
{
    auto d = std::make_unique<Design>();
    if (auto e = loadDesign(*d, r.inputs[0], r.tool))
        return *e;
    if (const auto refusal = netlistBlockRefusal(*d, r.flag))
        return failed(r.tool, plain(refusal->text));
    std::string why;
    const bool ok = r.flag ? writeSpiceNetlist(*d, r.output, d->fileName, &why)
                           : writeNetlist(*d, r.output, d->fileName, &why) == netlistOk;
    if (!ok) {
        DialogMessage m;
        m.text = printfString(netlistWriteErrorText, r.output.c_str());
        return failed(r.tool, plain(withReason(m, why).text));
    }
    return {0, plain(printfString(netlistDoneText, r.output.c_str())) + "\n", ""};
}

ToolRun listTool(const ToolRequest& r)
{
    auto d = std::make_unique<Design>();
    if (auto e = loadDesign(*d, r.inputs[0], r.tool))
        return *e;
    return {0, commentsText(*d, interfaceTexts()), ""};
}

bool missing(double v)
{
    return !std::isfinite(v) && !(v > 0);
}

// The shortest text that reads back as the same double.
std::string exact(double v)
{
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : printfString("%.17g", v);
}

std::string frequencyUnit(int exponent)
{
    switch (exponent) {
    case 3: return "kHz";
    case 6: return "MHz";
    case 9: return "GHz";
    default: return "Hz";
    }
}

ToolRun stabilityTool(const ToolRequest& r)
{
    auto set = std::make_unique<SParamSet>();
    if (auto e = loadTwoPort(*set, r.inputs[0], r.tool))
        return *e;
    const bool csv = r.flag;
    const std::string unit = frequencyUnit(set->freqExponent);
    std::string out = csv ? "f [" + unit + "],K,mu,mu',MAG [dB],MSG [dB]\n"
                          : printfString("%14s %10s %10s %10s %10s %10s\n",
                                         ("f [" + unit + "]").c_str(), "K", "mu", "mu'",
                                         "MAG [dB]", "MSG [dB]");
    const auto cell = [csv](double v, int decimals) {
        if (missing(v))
            return std::string(csv ? "" : "-------");
        return csv ? exact(v) : stabilityTableNumber(v, decimals);
    };
    for (int i = 0; i < set->validPoints(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double f = set->points[k].frequency;
        const std::string cells[] = {csv ? exact(f) : printfString("%.12g", f),
                                     cell(set->stabilityK[k], 4),
                                     cell(set->muLoad[k], 4),
                                     cell(set->muSource[k], 4),
                                     cell(set->magDb[k], 3),
                                     cell(set->msgDb[k], 3)};
        for (std::size_t c = 0; c < std::size(cells); ++c) {
            if (csv)
                out += (c ? "," : "") + cells[c];
            else
                out += printfString(c ? " %10s" : "%14s", cells[c].c_str());
        }
        out += "\n";
    }
    return {0, out, ""};
}

ToolRun pictureTool(const ToolRequest& r)
{
    auto d = std::make_unique<Design>();
    if (auto e = loadDesign(*d, r.inputs[0], r.tool))
        return *e;
    // The window's colours and options, so that a script draws what the
    // program shows; the defaults where there are no settings yet.
    auto settings = std::make_unique<Settings>();
    if (const std::string path = defaultSettingsPath(); !path.empty())
        readSettings(*settings, path);
    const std::string why =
        writePictureFile({d.get(), nullptr, settings.get()},
                         r.flag ? PictureView::Schematic : PictureView::Chart, r.output, r.size);
    if (!why.empty())
        return failed(r.tool, plain(why));
    return {0,
            fillIn(interfaceTexts().translate("CommandLine", "Picture '%1' written"), {r.output}) +
                "\n",
            ""};
}

ToolRun touchstoneTool(const ToolRequest& r)
{
    auto d = std::make_unique<Design>();
    if (auto e = loadDesign(*d, r.inputs[0], r.tool))
        return *e;
    if (const auto refusal = checkNetworkExport(*d))
        return failed(r.tool, plain(refusal->text));
    const auto option = [&r](const char* name) -> const std::string* {
        const std::vector<std::string>* v = r.valuesOf(name);
        return v ? &v->front() : nullptr;
    };
    const std::string* start = option("start");
    const std::string* stop = option("stop");
    const std::string* points = option("points");
    std::vector<double> f = blockSweepFrequencies(*d);
    if (f.empty() || start || stop || points) {
        Sweep s = f.empty() ? defaultExportSweep(*d)
                            : Sweep{f.front(), f.back(), defaultSweepPoints, false};
        for (const auto& [text, end] : {std::pair{start, &s.start}, std::pair{stop, &s.stop}}) {
            if (!text)
                continue;
            const std::optional<double> v = frequencyArgument(*text);
            if (!v)
                return {toolBadUsage, "",
                        toolUsageText(r.tool,
                                      fillIn(interfaceTexts().translate(
                                                 "CommandLine", "the frequency '%1' is not a number"),
                                             {*text}),
                                      interfaceTexts())};
            *end = *v;
        }
        // Not a number: 0 points, which the sweep's own check refuses.
        if (points)
            s.points = wholeArgument(*points, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max())
                           .value_or(0);
        if (const auto problem = sweepProblem(s))
            return {toolBadUsage, "", toolUsageText(r.tool, plain(*problem), interfaceTexts())};
        f = sweepFrequencies(s);
    }
    const NetworkExportResult result = writeNetworkTouchstone(*d, f, r.output);
    if (!result.ok)
        return failed(r.tool, plain(result.message.text));
    return {0, plain(result.message.text) + "\n", ""};
}

} // namespace

std::string stabilityTableNumber(double value, int decimals)
{
    const double a = std::fabs(value);
    if (a == 0.0)
        return printfString("%.*f", decimals, 0.0);
    // Beyond these, fixed decimals with four significant digits would not
    // fit the column.
    if (a < 1e-4 || a >= 1e4)
        return printfString("%.3e", value);
    const int magnitude = static_cast<int>(std::floor(std::log10(a)));
    return printfString("%.*f", std::max(decimals, 3 - magnitude), value);
}

bool needsFonts(const Arguments& arguments)
{
    return arguments.size() >= 2 && arguments[1] == "picture";
}

ToolRun runTool(const Arguments& arguments)
{
    const ParsedTool p = parseToolArguments(arguments, interfaceTexts());
    switch (p.outcome) {
    case ParsedTool::Outcome::Help:
        return {0, p.text, ""};
    case ParsedTool::Outcome::Version:
        return {0, versionReport(), ""};
    case ParsedTool::Outcome::BadUsage:
        return {toolBadUsage, "", p.text};
    case ParsedTool::Outcome::Run:
        break;
    }
    const ToolRequest& r = p.request;
    switch (r.tool) {
    case ToolKind::Export:
        return exportTool(r);
    case ToolKind::Netlist:
        return netlistTool(r);
    case ToolKind::List:
        return listTool(r);
    case ToolKind::Stability:
        return stabilityTool(r);
    case ToolKind::Picture:
        return pictureTool(r);
    case ToolKind::Touchstone:
        return touchstoneTool(r);
    case ToolKind::Broadband:
        return broadbandTool(r);
    }
    return {toolBadUsage, "", toolsOverview(interfaceTexts())};
}

} // namespace zelvo
