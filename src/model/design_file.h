// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The design file (*.zvc): sectioned text with CR LF line ends and "%G"
// numbers; read back tolerant of line ends, case and stray lines.
#include "model/design.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvo {

// Messages the caller shows with the path (warning icon).
inline constexpr const char* designWriteErrorText = "Error while writing file '%s'";
inline constexpr const char* designReadErrorText = "Error while reading file '%s'";

inline constexpr int designFileOk = 0;
inline constexpr int designFileCannotWrite = 1;
inline constexpr int designFileNotADesign = 1; // read, but not a design file
inline constexpr int designFileCannotOpen = 2;
// Read, but a value lies outside what the dialogs accept.
inline constexpr int designFileBadValue = 3;

// Longest line the reader takes; longer ones are skipped.
inline constexpr std::size_t designLineLimit = 206;

// The file name of a kind ("CS" ... "RLC PARALLEL"); "" for none.
const char* elementFileName(ElementKind kind);
// The [HISTORY] keyword of a kind; nullptr for kinds that get no line.
const char* historyKeyword(HistoryEntry kind);

// The complete file text.
std::string designFileText(const Design& d);
// designFileOk, or designFileCannotWrite with the previous file untouched and
// the reason in `why` (when given).
int writeDesignFile(const Design& d, const std::string& path, std::string* why = nullptr);

// Reads a design into `d`, which starts empty (file name and maxItems kept).
// Values stand as stored; nothing is recomputed. Counts and indices beyond
// the capacities are clipped or skipped; history entries that cannot be
// undone after loading (edits, whose value rings are not saved) are removed.
// designFileOk; designFileNotADesign when the file lacks exactly one pair of
// [HISTORY] / [Z0] header lines; designFileBadValue when a value lies outside
// what the dialogs accept, with `problem` (when given) naming it. What was
// read stays in `d` either way.
int readDesignText(Design& d, std::string_view bytes, std::string* problem = nullptr);
// The same from a file; designFileCannotOpen leaves `d` unchanged and gives
// the reason in `problem`.
int readDesignFile(Design& d, const std::string& path, std::string* problem = nullptr);

} // namespace zelvo
