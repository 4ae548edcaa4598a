// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The command line's argument parser on any arguments: every file name it
// hands over is the bytes of an argument, a request it accepts is accepted
// again unchanged when written out in another form, and every refusal
// names the tool and the way to its help.
#include "fuzz_check.h"
#include "ui/command_args.h"
#include "ui/picture_format.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace zelvo;

namespace {

// The value of an option is a whole argument or the part of one after
// "-o" or "--name=".
bool fromAnArgument(const std::string& value, const Arguments& args)
{
    return std::any_of(args.begin() + 2, args.end(), [&value](const std::string& a) {
        return a == value ||
               (a.size() > value.size() && a.ends_with(value) &&
                (a.size() - value.size() == 2 || a[a.size() - value.size() - 1] == '='));
    });
}

// The request as options in their long form, each value joined to its name,
// and every input after "--".
Arguments rewritten(const ToolRequest& r)
{
    Arguments a{"zelvo", toolName(r.tool)};
    if (r.flag)
        a.push_back("--" + toolFlagName(r.tool));
    if (r.tool == ToolKind::Picture)
        a.push_back("--size=" + std::to_string(r.size));
    if (!r.output.empty())
        a.push_back("--output=" + r.output);
    // Values of their own as separate arguments, whatever they begin with.
    for (const auto& [name, values] : r.values) {
        a.push_back("--" + name);
        a.insert(a.end(), values.begin(), values.end());
    }
    a.push_back("--");
    a.insert(a.end(), r.inputs.begin(), r.inputs.end());
    return a;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says whether names exist as files; NULs separate the
    // arguments, as in the block the kernel hands to main().
    const bool filesExist = (data[0] & 1) != 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    Arguments args{"zelvo"};
    std::size_t from = 0;
    while (from <= rest.size()) {
        const std::size_t nul = std::min(rest.find('\0', from), rest.size());
        args.emplace_back(rest.substr(from, nul - from));
        from = nul + 1;
    }

    const Invocation how =
        classifyArguments(args, [filesExist](const std::string&) { return filesExist; });
    if (how == Invocation::UnknownCommand) {
        FUZZ_CHECK(!filesExist, "an existing file taken for a command");
        FUZZ_CHECK(
            unknownCommandText(args[1]).starts_with("zelvo: unknown command '" + args[1] + "'"),
            "unknown command not named");
        return 0;
    }
    if (how == Invocation::Window)
        return 0;

    const ParsedTool p = parseToolArguments(args);
    switch (p.outcome) {
    case ParsedTool::Outcome::Help:
        FUZZ_CHECK(p.text.starts_with("Usage: zelvo"), "help without its usage line");
        return 0;
    case ParsedTool::Outcome::Version:
        FUZZ_CHECK(args[1] == "--version", "a version report that was not asked for");
        return 0;
    case ParsedTool::Outcome::BadUsage:
        FUZZ_CHECK(p.text.starts_with("zelvo " + args[1] + ": ") && p.text.ends_with(" --help'.\n"),
                   "a refusal that does not name the tool and its help");
        return 0;
    case ParsedTool::Outcome::Run:
        break;
    }
    const ToolRequest& r = p.request;
    FUZZ_CHECK(toolName(r.tool) == args[1], "another tool than asked for");
    for (const std::string& input : r.inputs)
        FUZZ_CHECK(std::find(args.begin() + 2, args.end(), input) != args.end(),
                   "an input that is no argument");
    FUZZ_CHECK(r.output.empty() || fromAnArgument(r.output, args), "an output that is no argument");
    for (const auto& [name, values] : r.values)
        for (const std::string& v : values)
            FUZZ_CHECK(fromAnArgument(v, args), "an option's value that is no argument");
    if (r.tool == ToolKind::Export)
        FUZZ_CHECK(std::string_view("HZYA").find(r.parameterKind) != std::string_view::npos &&
                       r.parameterKind != '\0',
                   "export without a parameter kind");
    if (r.tool == ToolKind::Picture)
        FUZZ_CHECK(r.size >= minPictureSize && r.size <= maxPictureSize &&
                       pictureFormatOf(r.output).has_value(),
                   "picture size or format outside what can be drawn");

    const ParsedTool again = parseToolArguments(rewritten(r));
    FUZZ_CHECK(again.outcome == ParsedTool::Outcome::Run && again.request == r,
               "the same request in long form parses differently");
    return 0;
}
