// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/command_line.h"

#include "core/format.h"
#include "core/number_text.h"
#include "model/design_file.h"
#include "model/netlist.h"
#include "model/point_list.h"
#include "model/spice_netlist.h"
#include "model/touchstone.h"
#include "model/settings_file.h"
#include "model/twoport_export.h"
#include "ui/broadband_tool.h"
#include "ui/picture_export.h"

#include <QCommandLineParser>
#include <QFile>

#include <cmath>
#include <memory>

namespace zelvo {

namespace {

const QStringList tools = {QStringLiteral("export"), QStringLiteral("netlist"),
                           QStringLiteral("list"), QStringLiteral("stability"),
                           QStringLiteral("picture"), QStringLiteral("broadband")};

const char* const overview =
    "Usage: zelvo [FILE]\n"
    "       zelvo COMMAND [OPTIONS] ...\n"
    "\n"
    "Without a command, zelvo opens its window (and FILE: a design *.zvc, or a\n"
    "Touchstone two-port *.s2p in S-Plot mode).\n"
    "\n"
    "Commands (no window; errors go to standard error):\n"
    "  export H|Z|Y|A [--normalize] IN.s2p -o OUT\n"
    "                      two-port data as H-, Z-, Y- or A-parameter file\n"
    "  netlist [--spice] DESIGN.zvc -o OUT\n"
    "                      the matching network as a netlist (--spice: an\n"
    "                      ngspice subcircuit)\n"
    "  list DESIGN.zvc     the data point list, as the clipboard's comments text\n"
    "  stability IN.s2p [--csv]\n"
    "                      per frequency K, mu, mu', MAG and MSG\n"
    "  picture [--schematic] [--size N] DESIGN.zvc -o OUT.pdf|.svg|.png\n"
    "                      the chart (or the schematic) as a picture file\n"
    "  broadband DESIGN.zvc|LOAD.s1p [--band F1 F2] [--max-elements N] [--lines]\n"
    "                      ladder networks matching the load over the band, with\n"
    "                      the Bode-Fano limit\n"
    "\n"
    "zelvo COMMAND --help shows the options of a command.\n";

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Message texts carry the dialogs' "\n\r" line breaks.
std::string plain(const std::string& text)
{
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

ToolRun usage(const std::string& why, const QString& tool)
{
    return {toolBadUsage, "", "zelvo " + tool.toStdString() + ": " + why + "\nTry 'zelvo "
                                  + tool.toStdString() + " --help'.\n"};
}

ToolRun failed(const QString& tool, const std::string& why)
{
    return {toolFailed, "", "zelvo " + tool.toStdString() + ": " + why + "\n"};
}

// The tool's own options and positional arguments; an error or help run
// when they do not fit.
struct Parsed {
    std::optional<ToolRun> stop;
    QStringList positional;
    QString output;
    bool flag = false;
    QStringList values; // of `valueOptions`, in their order; empty when not given
};

Parsed parse(const QStringList& arguments, const QString& tool, const QString& synopsis,
             const QString& usageLine, int positionalCount, const QString& flagName, const QString& flagHelp,
             bool wantsOutput, const QList<QCommandLineOption>& valueOptions = {})
{
    QCommandLineParser p;
    p.setApplicationDescription(synopsis);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The file to write."), QStringLiteral("OUT"));
    const QCommandLineOption flag(flagName.isEmpty() ? QStringLiteral("unused") : flagName,
                                  flagHelp);
    p.addOption(help);
    if (wantsOutput)
        p.addOption(output);
    if (!flagName.isEmpty())
        p.addOption(flag);
    for (const QCommandLineOption& o : valueOptions)
        p.addOption(o);
    Parsed r;
    // arguments: program, tool, ...; the parser wants a program name first.
    QStringList rest = arguments.mid(1);
    rest[0] = QStringLiteral("zelvo ") + tool;
    if (!p.parse(rest)) {
        r.stop = usage(p.errorText().toStdString(), tool);
        return r;
    }
    if (p.isSet(help)) {
        // Qt's first line names the executable's path; ours names the tool.
        QString text = p.helpText();
        text = text.mid(text.indexOf(QLatin1Char('\n')) + 1);
        r.stop = ToolRun{0, "Usage: zelvo " + tool.toStdString() + " " + usageLine.toStdString()
                                + "\n" + text.toStdString(),
                         ""};
        return r;
    }
    r.positional = p.positionalArguments();
    if (r.positional.size() != positionalCount)
        r.stop = usage(std::to_string(positionalCount) + " argument(s) expected, "
                           + std::to_string(r.positional.size()) + " given",
                       tool);
    else if (wantsOutput && p.value(output).isEmpty())
        r.stop = usage("the output file is missing (-o OUT)", tool);
    r.output = wantsOutput ? p.value(output) : QString();
    r.flag = !flagName.isEmpty() && p.isSet(flag);
    for (const QCommandLineOption& o : valueOptions)
        r.values << p.value(o);
    return r;
}

std::optional<ToolRun> loadTwoPort(SParamSet& set, const QString& path, const QString& tool)
{
    const LoadResult r = loadTouchstoneFile(set, native(path));
    if (r.status == LoadStatus::Ok)
        return std::nullopt;
    return failed(tool, path.toStdString() + ": "
                            + plain(r.message ? r.message->text : touchstoneFormatMessage));
}

std::optional<ToolRun> loadDesign(Design& d, const QString& path, const QString& tool)
{
    resetDesign(d);
    const int r = readDesignFile(d, native(path));
    if (r == designFileOk) {
        d.fileName = native(path);
        return std::nullopt;
    }
    const char* what = r == designFileCannotOpen ? "cannot be opened" : "is not a Zelvo design file";
    return failed(tool, path.toStdString() + " " + what);
}

ToolRun exportTool(const QStringList& arguments)
{
    const QString tool = QStringLiteral("export");
    const Parsed p = parse(arguments, tool,
                           QStringLiteral("Writes two-port data as an H-, Z-, Y- or A-parameter "
                                          "file,\nas the Export menu does."),
                           QStringLiteral("H|Z|Y|A [--normalize] IN.s2p -o OUT"), 2, QStringLiteral("normalize"),
                           QStringLiteral("Values normalised to the reference impedance."), true);
    if (p.stop)
        return *p.stop;
    const QString kindText = p.positional[0].toUpper();
    if (kindText.size() != 1 || !QStringLiteral("HZYA").contains(kindText))
        return usage("the parameter kind must be H, Z, Y or A, not '"
                         + p.positional[0].toStdString() + "'",
                     tool);
    const auto kind = static_cast<ParameterKind>(kindText.at(0).toLatin1());
    auto set = std::make_unique<SParamSet>();
    if (auto e = loadTwoPort(*set, p.positional[1], tool))
        return *e;
    const ExportResult r = exportTwoPortFile(*set, kind, p.flag, native(p.output));
    if (!r.ok)
        return failed(tool, plain(r.message.text));
    return {0, plain(r.message.text) + "\n", ""};
}

ToolRun netlistTool(const QStringList& arguments)
{
    const QString tool = QStringLiteral("netlist");
    const Parsed p = parse(arguments, tool,
                           QStringLiteral("Writes the matching network of a design as a netlist."),
                           QStringLiteral("[--spice] DESIGN.zvc -o OUT"), 1, QStringLiteral("spice"),
                           QStringLiteral("An ngspice subcircuit instead of the MMICAD netlist."),
                           true);
    if (p.stop)
        return *p.stop;
    auto d = std::make_unique<Design>();
    if (auto e = loadDesign(*d, p.positional[0], tool))
        return *e;
    const std::string out = native(p.output);
    const bool ok = p.flag ? writeSpiceNetlist(*d, out, d->fileName)
                           : writeNetlist(*d, out, d->fileName) == netlistOk;
    if (!ok)
        return failed(tool, printfString(netlistWriteErrorText, out.c_str()));
    return {0, printfString(netlistDoneText, out.c_str()) + "\n", ""};
}

ToolRun listTool(const QStringList& arguments)
{
    const QString tool = QStringLiteral("list");
    const Parsed p = parse(arguments, tool,
                           QStringLiteral("Prints the data point list of a design (the "
                                          "clipboard's comments text)."),
                           QStringLiteral("DESIGN.zvc"), 1, {}, {}, false);
    if (p.stop)
        return *p.stop;
    auto d = std::make_unique<Design>();
    if (auto e = loadDesign(*d, p.positional[0], tool))
        return *e;
    return {0, commentsText(*d), ""};
}

// A figure for the table: fixed decimals, "-------" where it does not exist.
std::string cell(double v, const char* format, bool csv)
{
    if (!std::isfinite(v) && !(v > 0))
        return csv ? "" : "-------";
    if (std::fabs(v) < 0.0005)
        v = 0.0; // no "-0.000"
    return printfString(format, v);
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

ToolRun stabilityTool(const QStringList& arguments)
{
    const QString tool = QStringLiteral("stability");
    const Parsed p = parse(arguments, tool,
                           QStringLiteral("Prints K, mu, mu', MAG and MSG per frequency of a "
                                          "two-port file."),
                           QStringLiteral("IN.s2p [--csv]"), 1, QStringLiteral("csv"),
                           QStringLiteral("Comma-separated values; empty where a figure does "
                                          "not exist."),
                           false);
    if (p.stop)
        return *p.stop;
    auto set = std::make_unique<SParamSet>();
    if (auto e = loadTwoPort(*set, p.positional[0], tool))
        return *e;
    const bool csv = p.flag;
    const std::string unit = frequencyUnit(set->freqExponent);
    std::string out = csv ? "f [" + unit + "],K,mu,mu',MAG [dB],MSG [dB]\n"
                          : printfString("%14s %10s %10s %10s %10s %10s\n",
                                         ("f [" + unit + "]").c_str(), "K", "mu", "mu'",
                                         "MAG [dB]", "MSG [dB]");
    for (int i = 0; i < set->validPoints(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::string cells[] = {
            printfString("%.12g", set->points[k].frequency), cell(set->stabilityK[k], "%.4f", csv),
            cell(set->muLoad[k], "%.4f", csv),              cell(set->muSource[k], "%.4f", csv),
            cell(set->magDb[k], "%.3f", csv),                cell(set->msgDb[k], "%.3f", csv)};
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

ToolRun pictureTool(const QStringList& arguments)
{
    const QString tool = QStringLiteral("picture");
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("The longer side in pixels (PNG) or points "
                                                 "(PDF, SVG); default %1.")
                                      .arg(defaultPictureSize),
                                  QStringLiteral("N"));
    const Parsed p = parse(arguments, tool,
                           QStringLiteral("Writes the chart of a design, as File > Export Picture "
                                          "does,\nin the colours and options of the program's "
                                          "settings."),
                           QStringLiteral("[--schematic] [--size N] DESIGN.zvc -o OUT.pdf|.svg|.png"),
                           1, QStringLiteral("schematic"),
                           QStringLiteral("The schematic instead of the chart."), true, {size});
    if (p.stop)
        return *p.stop;
    if (!pictureFormatFor(p.output))
        return usage("the output file must end in .pdf, .svg or .png, not '"
                         + p.output.toStdString() + "'",
                     tool);
    int pixels = defaultPictureSize;
    if (!p.values[0].isEmpty()) {
        bool ok = false;
        pixels = p.values[0].toInt(&ok);
        if (!ok || pixels < minPictureSize || pixels > maxPictureSize)
            return usage(printfString("the size must be a whole number from %d to %d, not '",
                                      minPictureSize, maxPictureSize)
                             + p.values[0].toStdString() + "'",
                         tool);
    }
    auto d = std::make_unique<Design>();
    if (auto e = loadDesign(*d, p.positional[0], tool))
        return *e;
    // The window's colours and options, so that a script draws what the
    // program shows; the defaults where there are no settings yet.
    auto settings = std::make_unique<Settings>();
    if (const std::string path = defaultSettingsPath(); !path.empty())
        readSettings(*settings, path);
    const QString why = exportPicture({d.get(), nullptr, settings.get()},
                                      p.flag ? PictureView::Schematic : PictureView::Chart,
                                      p.output, pixels);
    if (!why.isEmpty())
        return failed(tool, plain(why.toStdString()));
    return {0, "Picture '" + p.output.toStdString() + "' written\n", ""};
}

} // namespace

bool needsFonts(const QStringList& arguments)
{
    return arguments.size() >= 2 && arguments.at(1) == QStringLiteral("picture");
}

bool isToolInvocation(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return false;
    const QString& first = arguments.at(1);
    return tools.contains(first) || first == QStringLiteral("--help")
           || first == QStringLiteral("-h");
}

ToolRun runTool(const QStringList& arguments)
{
    if (!isToolInvocation(arguments))
        return {toolBadUsage, "", overview};
    const QString& tool = arguments.at(1);
    if (tool == QStringLiteral("export"))
        return exportTool(arguments);
    if (tool == QStringLiteral("netlist"))
        return netlistTool(arguments);
    if (tool == QStringLiteral("list"))
        return listTool(arguments);
    if (tool == QStringLiteral("stability"))
        return stabilityTool(arguments);
    if (tool == QStringLiteral("picture"))
        return pictureTool(arguments);
    if (tool == QStringLiteral("broadband"))
        return broadbandTool(arguments);
    return {0, overview, ""};
}

} // namespace zelvo
