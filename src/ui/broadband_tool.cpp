// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/broadband_tool.h"

#include "core/format.h"
#include "core/number_text.h"
#include "model/broadband_load.h"
#include "model/design_file.h"
#include "optimise/broadband_rows.h"
#include "ui/element_label.h"

#include <QCommandLineParser>
#include <QFile>

#include <memory>

namespace zelvo {

namespace {

const QString tool = QStringLiteral("broadband");

const char* const usageLine =
    "DESIGN.zvc|LOAD.s1p [--band F1 F2] [--max-elements N] [--lines] [--points N] "
    "[--source OHM]";

ToolRun usage(const std::string& why)
{
    return {toolBadUsage, "",
            "zelvo broadband: " + why + "\nTry 'zelvo broadband --help'.\n"};
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

std::optional<ToolRun> readLoad(const QString& path, Load& load)
{
    const std::string native = QFile::encodeName(path).toStdString();
    LoadRead r;
    if (path.endsWith(QStringLiteral(".s1p"), Qt::CaseInsensitive)) {
        const OnePortRead read = loadOnePortFile(native);
        if (!read.data)
            return failed(read.problem);
        r = onePortLoad(*read.data);
        load.what = path.toStdString() + ", one-port file";
    } else {
        auto d = std::make_unique<Design>();
        resetDesign(*d);
        const int status = readDesignFile(*d, native);
        if (status != designFileOk)
            return failed(path.toStdString() + (status == designFileCannotOpen
                                                    ? " cannot be opened"
                                                    : " is not a Zelvo design file"));
        r = designLoad(*d);
        load.what = path.toStdString() + printfString(", %d data points through %d element%s",
                                                      d->dataPointCount, d->elementCount,
                                                      d->elementCount == 1 ? "" : "s");
        load.f0 = designFrequency(*d);
    }
    if (!r.samples)
        return failed(path.toStdString() + ": " + r.problem);
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
                            static_cast<int>(i) == s.overall ? "   <- best" : "");
    }
    out += printfString("Without a network: worst RL %.2f dB.\n", s.none.worstReturnLoss);
    if (s.overall < 0)
        return out;
    const BroadbandRow& best = s.rows[static_cast<std::size_t>(s.overall)];
    out += printfString("\nReturn loss of the best network (%zu element%s):\n%14s %9s %9s\n",
                        best.elements.size(), best.elements.size() == 1 ? "" : "s", "f [Hz]",
                        "RL [dB]", "alone");
    for (std::size_t i = 0; i < band.frequencies.size() && i < best.returnLoss.size(); ++i)
        out += printfString("%14.0f %9.2f %9.2f\n", band.frequencies[i], best.returnLoss[i],
                            s.none.returnLoss[i]);
    return out;
}

} // namespace

std::optional<double> frequencyArgument(const QString& text)
{
    const std::string s = text.trimmed().toStdString();
    const ScannedNumber n = scanNumber(s);
    if (!n.ok)
        return std::nullopt;
    std::string rest = s.substr(n.end);
    while (!rest.empty() && rest.front() == ' ')
        rest.erase(rest.begin());
    double factor = 1.0;
    if (!rest.empty()) {
        switch (rest.front()) {
        case 'k':
        case 'K':
            factor = 1e3;
            break;
        case 'm': // no one matches in millihertz
        case 'M':
            factor = 1e6;
            break;
        case 'g':
        case 'G':
            factor = 1e9;
            break;
        default:
            break;
        }
        if (factor != 1.0)
            rest.erase(rest.begin());
    }
    if (!rest.empty() && rest != "Hz" && rest != "hz" && rest != "HZ")
        return std::nullopt;
    const double f = n.value * factor;
    return f > 0.0 && f < 1e15 ? std::optional<double>(f) : std::nullopt;
}

ToolRun broadbandTool(const QStringList& arguments)
{
    // "--band F1 F2" takes two values, which the parser cannot: taken out first.
    QStringList rest;
    std::optional<double> f1, f2;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (i < 2 || arguments[i] != QStringLiteral("--band")) {
            rest << arguments[i];
            continue;
        }
        if (i + 2 >= arguments.size())
            return usage("--band needs two frequencies, F1 and F2");
        f1 = frequencyArgument(arguments[i + 1]);
        f2 = frequencyArgument(arguments[i + 2]);
        if (!f1 || !f2)
            return usage("--band needs two frequencies such as 14M or 14350000, not '" +
                         arguments[i + 1].toStdString() + "' '" + arguments[i + 2].toStdString() +
                         "'");
        i += 2;
    }

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Searches ladder networks that match a load over a band, as Network > Broadband match\n"
        "does, and prints the best one for each number of elements with its worst return\n"
        "loss, its distance from the Bode-Fano limit and its loaded Q. The load is the\n"
        "design's data points through its chain, or a one-port file."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption band(QStringLiteral("band"),
                                  QStringLiteral("The band, F1 F2 (default: the load's span), in "
                                                 "Hz or with a unit: 14M 14.35MHz."),
                                  QStringLiteral("F1 F2"));
    const QCommandLineOption elements(
        QStringLiteral("max-elements"),
        QStringLiteral("Ladders of up to N elements, 1 to %1 (%2 with --lines); default %3.")
            .arg(maxBroadbandElements)
            .arg(maxBroadbandElementsWithLines)
            .arg(BroadbandOptions{}.maxElements),
        QStringLiteral("N"));
    const QCommandLineOption lines(QStringLiteral("lines"),
                                   QStringLiteral("Also lines and open or short stubs (Zc %1 to "
                                                  "%2 Ohm).")
                                       .arg(BroadbandOptions{}.zcMin)
                                       .arg(BroadbandOptions{}.zcMax));
    const QCommandLineOption points(QStringLiteral("points"),
                                    QStringLiteral("N evenly spaced frequencies, %1 to %2; "
                                                   "default %3.")
                                        .arg(minBandPoints)
                                        .arg(maxBandPoints)
                                        .arg(defaultBandPoints),
                                    QStringLiteral("N"));
    const QCommandLineOption source(QStringLiteral("source"),
                                    QStringLiteral("The source resistance; default the design's "
                                                   "Zo, or 50 Ohm for a file."),
                                    QStringLiteral("OHM"));
    p.addOptions({help, band, elements, lines, points, source});
    rest[0] = QStringLiteral("zelvo broadband");
    rest.removeAt(1);
    if (!p.parse(rest))
        return usage(p.errorText().toStdString());
    if (p.isSet(help)) {
        QString text = p.helpText();
        text = text.mid(text.indexOf(QLatin1Char('\n')) + 1);
        return {0, std::string("Usage: zelvo broadband ") + usageLine + "\n" + text.toStdString(),
                ""};
    }
    if (p.isSet(band))
        return usage("--band takes two frequencies: --band F1 F2");
    if (p.positionalArguments().size() != 1)
        return usage("1 argument expected (the design or one-port file), " +
                     std::to_string(p.positionalArguments().size()) + " given");

    BroadbandOptions options;
    options.lines = p.isSet(lines);
    const int most = options.lines ? maxBroadbandElementsWithLines : maxBroadbandElements;
    if (p.isSet(elements)) {
        bool ok = false;
        options.maxElements = p.value(elements).toInt(&ok);
        if (!ok || options.maxElements < 1 || options.maxElements > most)
            return usage(printfString("--max-elements must be a whole number from 1 to %d%s, not '",
                                      most, options.lines ? " with --lines" : "") +
                         p.value(elements).toStdString() + "'");
    }
    BandRequest request;
    if (p.isSet(points)) {
        bool ok = false;
        request.count = p.value(points).toInt(&ok);
        if (!ok || request.count < minBandPoints || request.count > maxBandPoints)
            return usage(printfString("--points must be a whole number from %d to %d, not '",
                                      minBandPoints, maxBandPoints) +
                         p.value(points).toStdString() + "'");
    }

    Load load;
    if (auto e = readLoad(p.positionalArguments()[0], load))
        return *e;
    request.f1 = f1.value_or(load.samples->frequencies.front());
    request.f2 = f2.value_or(load.samples->frequencies.back());
    request.source = load.f0 > 0.0 ? load.samples->reference : 50.0;
    if (p.isSet(source)) {
        const FieldNumber r = readFieldNumber(p.value(source).toStdString(), 64);
        if (!r.anyNumber || r.leftover || !(r.value > 0.0))
            return usage("--source must be a resistance above 0 Ohm, not '" +
                         p.value(source).toStdString() + "'");
        request.source = r.value;
    }
    const BandProblem problem = makeBandProblem(*load.samples, request);
    if (!problem.problem.empty())
        return usage(problem.problem);
    options.centreLoad = problem.centreLoad;
    const LadderEvaluator evaluator(problem.band);
    const BroadbandResult result = searchBroadband(evaluator, options);
    // Lines refer to the design frequency, or to the band centre for a file.
    const double f0 = load.f0 > 0.0 ? load.f0 : problem.band.centre;
    const BroadbandSummary summary =
        summarise(evaluator, result, f0, load.er, problem.centreLoad);

    std::string out = "Load: " + load.what + ", " + hz(load.samples->frequencies.front()) +
                      " to " + hz(load.samples->frequencies.back()) + "\n";
    if (!load.samples->note.empty())
        out += load.samples->note + "\n";
    out += printfString("Source %.2f Ohm; band %s to %s at %zu frequencies; ladders of up to %d "
                        "elements%s (%d searched); lines in wavelengths at %s.\n",
                        request.source, hz(request.f1).c_str(), hz(request.f2).c_str(),
                        problem.band.frequencies.size(), options.maxElements,
                        options.lines ? " with lines and stubs" : " of L and C",
                        result.topologies, hz(f0).c_str());
    if (!problem.warning.empty())
        out += problem.warning + "\n";
    out += limitText(summary, request.f1, request.f2) + "\n\n";
    out += table(summary, problem.band);
    return {0, out, ""};
}

} // namespace zelvo
