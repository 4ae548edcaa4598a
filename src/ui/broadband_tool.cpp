// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/broadband_tool.h"

#include "core/format.h"
#include "core/number_text.h"
#include "model/broadband_load.h"
#include "model/design_file.h"
#include "optimise/broadband_rows.h"
#include "ui/element_label.h"
#include "ui/language.h"

#include <memory>

namespace zelvo {

namespace {

ToolRun usage(const std::string& why)
{
    return {toolBadUsage, "", toolUsageText(ToolKind::Broadband, why)};
}

ToolRun failed(const std::string& why)
{
    return {toolFailed, "", "zelvo broadband: " + why + "\n"};
}

std::string hz(double f)
{
    return formatSi(f, 3) + "Hz";
}

struct Load {
    std::optional<LoadSamples> samples;
    std::string what; // for the heading
    double f0 = 0.0;  // the design frequency; 0 for a file
    float er = 1.0f;
};

bool endsWithS1p(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ".s1p";
}

std::optional<ToolRun> readLoad(const std::string& path, Load& load)
{
    const std::string& native = path;
    LoadRead r;
    if (endsWithS1p(path)) {
        const OnePortRead read = loadOnePortFile(native);
        if (!read.data)
            return failed(translatedMessage(read.problem));
        r = onePortLoad(*read.data);
        load.what = fillIn(interfaceTexts().translate("CommandLine", "%1, one-port file"), {path});
    } else {
        auto d = std::make_unique<Design>();
        resetDesign(*d);
        const int status = readDesignFile(*d, native);
        if (status != designFileOk)
            return failed(fillIn(
                status == designFileCannotOpen
                    ? interfaceTexts().translate("CommandLine", "%1 cannot be opened")
                    : interfaceTexts().translate("CommandLine", "%1 is not a Zelvo design file"),
                {path}));
        r = designLoad(*d);
        load.what =
            fillIn(d->elementCount == 1
                       ? interfaceTexts().translate("CommandLine",
                                                    "%1, %2 data points through %3 element")
                       : interfaceTexts().translate("CommandLine",
                                                    "%1, %2 data points through %3 elements"),
                   {path, std::to_string(d->dataPointCount), std::to_string(d->elementCount)});
        load.f0 = designFrequency(*d);
    }
    if (!r.samples)
        return failed(path + ": " + translatedMessage(r.problem));
    load.samples = std::move(r.samples);
    return std::nullopt;
}

std::string cell(const std::optional<double>& v, const char* format)
{
    return v ? printfString(format, *v) : std::string("-");
}

std::string table(const BroadbandSummary& s, const LadderBand& band)
{
    std::string out = printfString("%6s %10s %12s %7s  %s\n", "up to", "worst RL", "below limit",
                                   "Q", "network (from the load)");
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const BroadbandRow& r = s.rows[i];
        out += printfString("%6d %7.2f dB %12s %7s  %s%s\n", r.size, r.worstReturnLoss,
                            cell(r.belowLimit, "%.2f dB").c_str(), cell(r.q, "%.1f").c_str(),
                            networkText(r.elements).toStdString().c_str(),
                            static_cast<int>(i) == s.overall
                                ? interfaceTexts().translate("CommandLine", "   <- best").c_str()
                                : "");
    }
    out += fillIn(interfaceTexts().translate("CommandLine", "Without a network: worst RL %1 dB."),
                  {printfString("%.2f", s.none.worstReturnLoss)}) +
           "\n";
    if (s.overall < 0)
        return out;
    const BroadbandRow& best = s.rows[static_cast<std::size_t>(s.overall)];
    out += "\n" +
           fillIn(best.elements.size() == 1
                      ? interfaceTexts().translate("CommandLine",
                                                   "Return loss of the best network (%1 element):")
                      : interfaceTexts().translate("CommandLine",
                                                   "Return loss of the best network (%1 elements):"),
                  {std::to_string(best.elements.size())}) +
           printfString("\n%14s %9s %9s\n", "f [Hz]", "RL [dB]", "alone");
    for (std::size_t i = 0; i < band.frequencies.size() && i < best.returnLoss.size(); ++i)
        out += printfString("%14.0f %9.2f %9.2f\n", band.frequencies[i], best.returnLoss[i],
                            s.none.returnLoss[i]);
    return out;
}

} // namespace


ToolRun broadbandTool(const ToolRequest& r)
{
    std::optional<double> f1, f2;
    if (const auto* band = r.valuesOf("band")) {
        f1 = frequencyArgument((*band)[0]);
        f2 = frequencyArgument((*band)[1]);
        if (!f1 || !f2)
            return usage(fillIn(interfaceTexts().translate(
                                    "CommandLine",
                                    "--band needs two frequencies such as 14M or 14350000, not "
                                    "'%1' '%2'"),
                                {(*band)[0], (*band)[1]}));
    }
    BroadbandOptions options;
    options.lines = r.flag;
    const int most = options.lines ? maxBroadbandElementsWithLines : maxBroadbandElements;
    if (const auto* elements = r.valuesOf("max-elements")) {
        const std::optional<int> n = wholeArgument(elements->front(), 1, most);
        if (!n)
            return usage(fillIn(
                options.lines
                    ? interfaceTexts().translate("CommandLine",
                                                 "--max-elements must be a whole number from 1 to "
                                                 "%1 with --lines, not '%2'")
                    : interfaceTexts().translate("CommandLine",
                                                 "--max-elements must be a whole number from 1 to "
                                                 "%1, not '%2'"),
                {std::to_string(most), elements->front()}));
        options.maxElements = *n;
    }
    BandRequest request;
    if (const auto* points = r.valuesOf("points")) {
        const std::optional<int> n = wholeArgument(points->front(), minBandPoints, maxBandPoints);
        if (!n)
            return usage(fillIn(interfaceTexts().translate(
                                    "CommandLine",
                                    "--points must be a whole number from %1 to %2, not '%3'"),
                                {std::to_string(minBandPoints), std::to_string(maxBandPoints),
                                 points->front()}));
        request.count = *n;
    }

    Load load;
    if (auto e = readLoad(r.inputs[0], load))
        return *e;
    request.f1 = f1.value_or(load.samples->frequencies.front());
    request.f2 = f2.value_or(load.samples->frequencies.back());
    request.source = load.f0 > 0.0 ? load.samples->reference : 50.0;
    if (const auto* source = r.valuesOf("source")) {
        const FieldNumber n = readFieldNumber(source->front(), 64);
        if (!n.anyNumber || n.leftover || !(n.value > 0.0))
            return usage(fillIn(interfaceTexts().translate(
                                    "CommandLine", "--source must be a resistance above 0 Ohm, not '%1'"),
                                {source->front()}));
        request.source = n.value;
    }
    const BandProblem problem = makeBandProblem(*load.samples, request);
    if (!problem.problem.empty())
        return usage(translatedMessage(problem.problem));
    options.centreLoad = problem.centreLoad;
    const LadderEvaluator evaluator(problem.band);
    const BroadbandResult result = searchBroadband(evaluator, options);
    // Lines refer to the design frequency, or to the band centre for a file.
    const double f0 = load.f0 > 0.0 ? load.f0 : problem.band.centre;
    const BroadbandSummary summary =
        summarise(evaluator, result, f0, load.er, problem.centreLoad);

    const Texts& texts = interfaceTexts();
    std::string out = fillIn(texts.translate("CommandLine", "Load: %1, %2 to %3"),
                             {load.what, hz(load.samples->frequencies.front()),
                              hz(load.samples->frequencies.back())}) +
                      "\n";
    if (!load.samples->note.empty())
        out += translatedMessage(load.samples->note) + "\n";
    out += fillIn(options.lines
                      ? texts.translate("CommandLine",
                                        "Source %1 Ohm; band %2 to %3 at %4 frequencies; ladders "
                                        "of up to %5 elements with lines and stubs (%6 searched); "
                                        "lines in wavelengths at %7.")
                      : texts.translate("CommandLine",
                                        "Source %1 Ohm; band %2 to %3 at %4 frequencies; ladders "
                                        "of up to %5 elements of L and C (%6 searched); lines in "
                                        "wavelengths at %7."),
                  {printfString("%.2f", request.source), hz(request.f1), hz(request.f2),
                   std::to_string(problem.band.frequencies.size()),
                   std::to_string(options.maxElements), std::to_string(result.topologies), hz(f0)}) +
           "\n";
    if (!problem.warning.empty())
        out += translatedMessage(problem.warning) + "\n";
    out += translatedMessage(limitText(summary, request.f1, request.f2)) + "\n\n";
    out += table(summary, problem.band);
    return {0, out, ""};
}

} // namespace zelvo
