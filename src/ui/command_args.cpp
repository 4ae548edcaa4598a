// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/command_args.h"

#include "ui/picture_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace zelvo {

namespace {

// An option with values of its own ("--band F1 F2"), kept as typed for the
// tool to read.
struct ValueOption {
    const char* name;
    int count;
    const char* metavar; // "<F1> <F2>"
    const char* help;
};

struct ToolSpec {
    ToolKind kind;
    const char* name;
    const char* usage; // after "zelvo NAME "
    const char* summary;
    int inputs;
    const char* flag; // "" when the tool has none
    const char* flagHelp;
    bool output;
    bool size;
    std::vector<ValueOption> values = {};
};

// In the order of the overview.
const std::array<ToolSpec, 7> specs = {{
    {ToolKind::Export, "export", "H|Z|Y|A [--normalize] IN.s2p -o OUT",
     translatable(
         "CommandLine",
         "Writes two-port data as an H-, Z-, Y- or A-parameter file,\nas the Export menu does."),
     2, "normalize", translatable("CommandLine", "Values normalised to the reference impedance."),
     true, false},
    {ToolKind::Netlist, "netlist", "[--spice] DESIGN.zvc -o OUT",
     translatable("CommandLine", "Writes the matching network of a design as a netlist."), 1,
     "spice", translatable("CommandLine", "An ngspice subcircuit instead of the MMICAD netlist."),
     true, false},
    {ToolKind::List, "list", "DESIGN.zvc",
     translatable("CommandLine",
                  "Prints the data point list of a design (the clipboard's comments text)."),
     1, "", "", false, false},
    {ToolKind::Stability, "stability", "IN.s2p [--csv]",
     translatable("CommandLine",
                  "Prints K, mu, mu', MAG and MSG per frequency of a two-port file."),
     1, "csv",
     translatable(
         "CommandLine",
         "Comma-separated values at full precision;\nempty where a figure does not exist."),
     false, false},
    {ToolKind::Picture, "picture", "[--schematic] [--size N] DESIGN.zvc -o OUT.pdf|.svg|.png",
     translatable(
         "CommandLine",
         "Writes the chart of a design, as File > Export Picture does,\nin the colours and options "
         "of the program's settings."),
     1, "schematic", translatable("CommandLine", "The schematic instead of the chart."), true,
     true},
    {ToolKind::Touchstone,
     "touchstone",
     "DESIGN.zvc -o OUT.s2p [--start F --stop F --points N]",
     translatable("CommandLine",
                  "Writes the matching network of a design without its load as a two-port\n"
                  "Touchstone file (port 1 at the generator, port 2 at the load, RI, Z0 of\n"
                  "the design). Without a sweep: the frequencies of the chain's two-port\n"
                  "blocks, or else the data points' span widened by 20 % with 401 points.\n"
                  "Frequencies at which a block has no value are left out."),
     1,
     "",
     "",
     true,
     false,
     {{"start", 1, "<F>",
       translatable("CommandLine", "First frequency (Hz, or with kHz, MHz, GHz).")},
      {"stop", 1, "<F>", translatable("CommandLine", "Last frequency.")},
      {"points", 1, "<N>",
       translatable("CommandLine", "Number of frequencies, linear (default 401).")}}},
    {ToolKind::Broadband,
     "broadband",
     "DESIGN.zvc|LOAD.s1p [--band F1 F2] [--max-elements N] [--lines] [--points N] "
     "[--source OHM]",
     translatable(
         "CommandLine",
         "Searches ladder networks that match a load over a band, as Network > Broadband match\n"
         "does, and prints the best one for each number of elements with its worst return\n"
         "loss, its distance from the Bode-Fano limit and its loaded Q. The load is the\n"
         "design's data points through its chain, or a one-port file."),
     1,
     "lines",
     translatable("CommandLine", "Also lines and open or short stubs (Zc 15 to 150 Ohm)."),
     false,
     false,
     {{"band", 2, "<F1> <F2>",
       translatable("CommandLine",
                    "The band (default: the load's span), in Hz or with a unit:\n14M 14.35MHz.")},
      {"max-elements", 1, "<N>",
       translatable("CommandLine",
                    "Ladders of up to N elements, 1 to 8 (5 with --lines);\ndefault 4.")},
      {"points", 1, "<N>",
       translatable("CommandLine", "N evenly spaced frequencies, 3 to 1001; default 41.")},
      {"source", 1, "<OHM>",
       translatable("CommandLine",
                    "The source resistance; default the design's Zo,\nor 50 Ohm for a file.")}}},
}};

const char* const overview = translatable(
    "CommandLine", "Usage: zelvo [FILE]\n"
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
                   "  touchstone DESIGN.zvc -o OUT.s2p [--start F --stop F --points N]\n"
                   "                      the matching network as a two-port Touchstone file\n"
                   "  broadband DESIGN.zvc|LOAD.s1p [--band F1 F2] [--max-elements N] [--lines]\n"
                   "                      ladder networks matching the load over the band, with\n"
                   "                      the Bode-Fano limit\n"
                   "\n"
                   "zelvo COMMAND --help shows the options of a command;\n"
                   "zelvo --version shows the version and the licence.\n");

const ToolSpec* specOf(std::string_view name)
{
    for (const ToolSpec& s : specs)
        if (name == s.name)
            return &s;
    return nullptr;
}

std::string sizeHelp(const Texts& texts)
{
    return fillIn(texts.translate("CommandLine",
                                  "The longer side in pixels, %1 to %2; default %3.\nPDF and SVG "
                                  "pages are laid out at %4 dpi: N/%4 inches."),
                  {std::to_string(minPictureSize), std::to_string(maxPictureSize),
                   std::to_string(defaultPictureSize), std::to_string(vectorPictureDpi)});
}

// Qt's help layout: options in one column, their texts aligned beside them.
std::string helpText(const ToolSpec& s, const Texts& texts)
{
    const auto local = [&texts](const char* text) { return texts.translate("CommandLine", text); };
    std::vector<std::pair<std::string, std::string>> rows = {
        {"-h, --help", texts.translate("CommandLine", "Shows this help.")}};
    if (s.output)
        rows.emplace_back("-o, --output <OUT>",
                          texts.translate("CommandLine", "The file to write."));
    if (*s.flag)
        rows.emplace_back(std::string("--") + s.flag, local(s.flagHelp));
    if (s.size)
        rows.emplace_back("--size <N>", sizeHelp(texts));
    for (const ValueOption& v : s.values)
        rows.emplace_back(std::string("--") + v.name + " " + v.metavar, local(v.help));
    std::size_t width = 0;
    for (const auto& r : rows)
        width = std::max(width, r.first.size());
    std::string text = fillIn(texts.translate("CommandLine", "Usage: zelvo %1"),
                              {std::string(s.name) + " " + s.usage}) +
                       "\n" + local(s.summary) + "\n\n" +
                       texts.translate("CommandLine", "Options:") + "\n";
    for (const auto& [name, help] : rows) {
        text += "  " + name + std::string(width - name.size() + 2, ' ');
        for (const char c : help)
            text += c == '\n' ? "\n" + std::string(width + 4, ' ') : std::string(1, c);
        text += "\n";
    }
    return text;
}

ParsedTool badUsage(const ToolSpec& s, const std::string& why, const Texts& texts)
{
    ParsedTool p;
    p.outcome = ParsedTool::Outcome::BadUsage;
    p.text = toolUsageText(s.kind, why, texts);
    return p;
}

// Edits (insert, delete, replace, swap two neighbours) from `a` to `b`.
std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

std::string quoted(std::string_view s)
{
    std::string q = "'";
    q += s;
    q += "'";
    return q;
}

} // namespace

Invocation classifyArguments(const Arguments& args,
                             const std::function<bool(const std::string&)>& isFile)
{
    if (args.size() < 2)
        return Invocation::Window;
    const std::string& first = args[1];
    if (specOf(first) || first == "--help" || first == "-h" || first == "--version")
        return Invocation::Tool;
    // Options first are Qt's own (-style, -platform), for the window.
    if (first.empty() || first[0] == '-')
        return Invocation::Window;
    // A name with a folder or a suffix is a file to open, present or not.
    if (args.size() > 2 && first.find_first_of("./") == std::string::npos && !isFile(first))
        return Invocation::UnknownCommand;
    return Invocation::Window;
}

std::string toolsOverview(const Texts& texts)
{
    return texts.translate("CommandLine", overview);
}

std::string unknownCommandText(const std::string& word, const Texts& texts)
{
    std::string text =
        fillIn(texts.translate("CommandLine", "zelvo: unknown command %1"), {quoted(word)});
    // Longer words are no typing slip of a command name.
    if (word.size() <= 16)
        for (const ToolSpec& s : specs)
            if (editDistance(word, s.name) <= 2) {
                text += fillIn(texts.translate("CommandLine", " (did you mean '%1'?)"), {s.name});
                break;
            }
    return text + "\n" + toolsOverview(texts);
}

std::optional<std::string> missingDisplayText(const std::function<const char*(const char*)>& env,
                                              const Texts& texts)
{
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = env(name);
        if (value && *value)
            return std::nullopt;
    }
    return texts.translate("CommandLine",
                           "zelvo: no display to open the window on (neither DISPLAY nor "
                           "WAYLAND_DISPLAY is set); the commands work without one, see zelvo "
                           "--help");
}

ParsedTool parseToolArguments(const Arguments& args, const Texts& texts)
{
    ParsedTool result;
    const ToolSpec* spec = args.size() >= 2 ? specOf(args[1]) : nullptr;
    if (!spec && args.size() >= 2 && args[1] == "--version") {
        result.outcome = ParsedTool::Outcome::Version;
        return result;
    }
    if (!spec) {
        // "--help", "-h", or no command at all.
        const bool help = args.size() >= 2 && (args[1] == "--help" || args[1] == "-h");
        result.outcome = help ? ParsedTool::Outcome::Help : ParsedTool::Outcome::BadUsage;
        result.text = toolsOverview(texts);
        return result;
    }
    const ToolSpec& s = *spec;
    const auto refuse = [&s, &texts](const std::string& why) { return badUsage(s, why, texts); };
    ToolRequest& r = result.request;
    r.tool = s.kind;
    bool help = false;
    bool optionsEnded = false;
    std::optional<std::string> size;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.size() < 2 || a[0] != '-') {
            r.inputs.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name;
        std::optional<std::string> value;
        if (a[1] == '-') {
            const std::size_t eq = a.find('=');
            name = a.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
            if (eq != std::string::npos)
                value = a.substr(eq + 1);
        }
        else if (a == "-h") {
            name = "help";
        }
        else if (a[1] == 'o' && s.output) {
            name = "output";
            if (a.size() > 2)
                value = a.substr(2);
        }
        else {
            return refuse(fillIn(texts.translate("CommandLine", "unknown option %1"), {quoted(a)}));
        }
        const auto extra = std::find_if(s.values.begin(), s.values.end(),
                                        [&name](const ValueOption& v) { return name == v.name; });
        if (extra != s.values.end()) {
            // Each of its values a separate argument; "--name=V" for one value only.
            std::vector<std::string> values;
            if (value)
                values.push_back(*value);
            while (static_cast<int>(values.size()) < extra->count) {
                if (i + 1 >= args.size())
                    return refuse(fillIn(texts.translate("CommandLine", "missing value after %1"),
                                         {quoted(a)}));
                values.push_back(args[++i]);
            }
            if (static_cast<int>(values.size()) != extra->count)
                return refuse(
                    fillIn(texts.translate("CommandLine", "the option %1 takes %2 values"),
                           {quoted("--" + name), std::to_string(extra->count)}));
            r.values[name] = std::move(values);
            continue;
        }
        const bool takesValue = (name == "output" && s.output) || (name == "size" && s.size);
        const bool isSwitch = name == "help" || (*s.flag && name == s.flag);
        if (!takesValue && !isSwitch)
            return refuse(fillIn(texts.translate("CommandLine", "unknown option %1"),
                                 {quoted(a.substr(0, a.find('=')))}));
        if (isSwitch && value)
            return refuse(fillIn(texts.translate("CommandLine", "the option %1 takes no value"),
                                 {quoted("--" + name)}));
        if (takesValue && !value) {
            if (i + 1 >= args.size())
                return refuse(
                    fillIn(texts.translate("CommandLine", "missing value after %1"), {quoted(a)}));
            value = args[++i];
        }
        if (name == "help")
            help = true;
        else if (name == "output")
            r.output = *value;
        else if (name == "size")
            size = *value;
        else
            r.flag = true;
    }
    if (help) {
        result.outcome = ParsedTool::Outcome::Help;
        result.text = helpText(s, texts);
        result.request = {};
        return result;
    }
    if (static_cast<int>(r.inputs.size()) != s.inputs)
        return badUsage(s,
                        fillIn(texts.translate("CommandLine", "%1 argument(s) expected, %2 given"),
                               {std::to_string(s.inputs), std::to_string(r.inputs.size())}),
                        texts);
    if (s.output && r.output.empty())
        return badUsage(s, texts.translate("CommandLine", "the output file is missing (-o OUT)"),
                        texts);
    if (s.kind == ToolKind::Export) {
        const std::string& k = r.inputs[0];
        char c = k.size() == 1 ? k[0] : '\0';
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c == '\0' || std::string_view("HZYA").find(c) == std::string_view::npos)
            return badUsage(
                s,
                fillIn(texts.translate("CommandLine",
                                       "the parameter kind must be H, Z, Y or A, not %1"),
                       {quoted(k)}),
                texts);
        r.parameterKind = c;
    }
    if (s.kind == ToolKind::Picture) {
        if (!pictureFormatOf(r.output))
            return badUsage(
                s,
                fillIn(texts.translate("CommandLine",
                                       "the output file must end in .pdf, .svg or .png, not %1"),
                       {quoted(r.output)}),
                texts);
        r.size = defaultPictureSize;
        if (size) {
            const std::optional<int> n = wholeArgument(*size, minPictureSize, maxPictureSize);
            if (!n)
                return badUsage(
                    s,
                    fillIn(texts.translate("CommandLine",
                                           "the size must be a whole number from %1 to %2, not %3"),
                           {std::to_string(minPictureSize), std::to_string(maxPictureSize),
                            quoted(*size)}),
                    texts);
            r.size = *n;
        }
    }
    result.outcome = ParsedTool::Outcome::Run;
    return result;
}

std::optional<int> wholeArgument(std::string_view text, int low, int high)
{
    int n = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, n);
    if (text.empty() || ec != std::errc() || ptr != end || n < low || n > high)
        return std::nullopt;
    return n;
}

std::string toolUsageText(ToolKind tool, const std::string& why, const Texts& texts)
{
    const std::string name = toolName(tool);
    return "zelvo " + name + ": " + why + "\n" +
           fillIn(texts.translate("CommandLine", "Try 'zelvo %1 --help'."), {name}) + "\n";
}

std::optional<double> frequencyArgument(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr == text.data())
        return std::nullopt;
    std::string_view rest = text.substr(static_cast<std::size_t>(ptr - text.data()));
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    double factor = 1.0;
    if (!rest.empty()) {
        switch (rest.front()) {
        case 'k':
        case 'K':
            factor = 1e3;
            break;
        case 'm': // nothing is matched in millihertz
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
            rest.remove_prefix(1);
    }
    if (!rest.empty() && rest != "Hz" && rest != "hz" && rest != "HZ")
        return std::nullopt;
    const double f = value * factor;
    return f > 0.0 && f < 1e15 ? std::optional<double>(f) : std::nullopt;
}

std::string toolFlagName(ToolKind tool)
{
    for (const ToolSpec& s : specs)
        if (s.kind == tool)
            return s.flag;
    return {};
}

std::string toolName(ToolKind tool)
{
    for (const ToolSpec& s : specs)
        if (s.kind == tool)
            return s.name;
    return {};
}

} // namespace zelvo
