// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The command-line tools of zelvo (export, netlist, list, stability, picture): no
// window, results in files or on standard output, errors on standard error
// with a non-zero exit code.
#include <QStringList>

#include <string>

namespace zelvo {

struct ToolRun {
    int exitCode = 0;
    std::string out; // standard output
    std::string err; // standard error
};

inline constexpr int toolFailed = 1;    // an input could not be read or an output written
inline constexpr int toolBadUsage = 2;  // the arguments make no sense

// True when the arguments (program name first) ask for a tool, the help text
// or the version rather than for the program's window.
bool isToolInvocation(const QStringList& arguments);

// True for the tools that draw text (picture): they need a QGuiApplication,
// which runs on the offscreen platform without a display.
bool needsFonts(const QStringList& arguments);

// Runs the tool; needs a QCoreApplication (no display), a QGuiApplication
// for the tools that need fonts.
ToolRun runTool(const QStringList& arguments);

} // namespace zelvo
