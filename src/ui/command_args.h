// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The arguments of zelvo as the system hands them over: bytes, never
// decoded, so that a file name reaches the file system exactly as typed
// whatever its encoding. Decides between the window and the command-line
// tools and parses a tool's options; runs nothing and touches no file.
// Its texts are English unless a Texts in the user's language is given.
#include "core/texts.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

using Arguments = std::vector<std::string>; // the program's name first

enum class Invocation {
    Window,         // no arguments, a file to open, or Qt's own options
    Tool,           // a command, --help / -h or --version
    UnknownCommand, // a word that is no file, followed by more arguments
};

// `isFile` tells whether a name exists in the file system (injected, so
// that tests and the fuzzer need none).
Invocation classifyArguments(const Arguments& args,
                             const std::function<bool(const std::string&)>& isFile);

// "Usage: zelvo [FILE] ..." with the list of commands.
std::string toolsOverview(const Texts& texts = {});

// For Invocation::UnknownCommand: "zelvo: unknown command 'exprot' (did
// you mean 'export'?)", a line break and the overview.
std::string unknownCommandText(const std::string& word, const Texts& texts = {});

// The one-line message when no window can be opened (no X or Wayland
// display and no Qt platform chosen); nullopt when one may be. `env` reads
// an environment variable (nullptr when unset).
std::optional<std::string> missingDisplayText(const std::function<const char*(const char*)>& env,
                                              const Texts& texts = {});

enum class ToolKind { Export, Netlist, List, Stability, Picture, Touchstone, Broadband };

struct ToolRequest {
    ToolKind tool = ToolKind::List;
    std::vector<std::string> inputs; // the positional arguments, as given
    std::string output;              // -o OUT
    bool flag = false;               // --normalize, --spice, --csv, --schematic or --lines
    char parameterKind = 0;          // export: 'H', 'Z', 'Y' or 'A'
    int size = 0;                    // picture: the longer side in pixels
    // The tool's own options with values, as typed ("start" -> {"900MHz"}).
    std::map<std::string, std::vector<std::string>> values;

    // The values of option `name`, nullptr when it was not given.
    const std::vector<std::string>* valuesOf(const std::string& name) const
    {
        const auto it = values.find(name);
        return it == values.end() ? nullptr : &it->second;
    }

    friend bool operator==(const ToolRequest&, const ToolRequest&) = default;
};

struct ParsedTool {
    enum class Outcome { Run, Help, Version, BadUsage };
    Outcome outcome = Outcome::BadUsage;
    ToolRequest request; // Run
    std::string text;    // Help: for standard output; BadUsage: for standard error
};

// Parses the arguments of Invocation::Tool. Options may stand anywhere;
// "--" ends them. Long options take "--name VALUE" or "--name=VALUE",
// -o also "-oVALUE".
ParsedTool parseToolArguments(const Arguments& args, const Texts& texts = {});

// A frequency as a script writes it: hertz, or with a prefix and optional
// unit ("14M", "14.35 MHz", "433k", "2.4GHz"); nullopt for anything else
// and for frequencies that are not positive.
std::optional<double> frequencyArgument(std::string_view text);

// A whole number in [low, high] written as nothing else; nullopt otherwise.
std::optional<int> wholeArgument(std::string_view text, int low, int high);

// A refusal of a tool's arguments: "zelvo NAME: <why>" and the way to its help.
std::string toolUsageText(ToolKind tool, const std::string& why, const Texts& texts = {});

// The name of the option that switches `tool`'s flag ("csv" for
// stability), empty for list.
std::string toolFlagName(ToolKind tool);
// The tool's name on the command line ("export", ...).
std::string toolName(ToolKind tool);

} // namespace zelvo
