// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Reading a Touchstone two-port file into the SParamSet.
#include "model/dialog_message.h"
#include "model/sparam_set.h"

#include <optional>
#include <string>

namespace zelvo {

inline constexpr const char* sPlotTitlePrefix = "Zelvo-Chart, s-Plot - Mode    ";
inline constexpr const char* touchstoneFormatMessage =
    "Incorrect file format. Unable\n\rto read data.";

enum class LoadStatus { Ok, OpenFailed, OutOfMemory, FormatError };

struct LoadResult {
    LoadStatus status = LoadStatus::Ok;
    std::optional<DialogMessage> message; // what the GUI shows; none on success
};

// K, MAG, MSG, mu and mu' of one point; NaN where a value does not exist.
struct PointFigures {
    double k;
    double magDb;
    double msgDb;
    double muLoad;
    double muSource;
};
PointFigures figuresOfMerit(const SParamPoint& p);

// Parses set.sourceText, a version 1 file or a keyword file ([Version] 2.x);
// true when at least one S-parameter point was read. A version 1 file says
// its port count only by its name (set.fileName): ".s1p", ".s3p" and so on
// are refused. On failure no point is kept, loaded is cleared and `problem`
// (when given) says what is wrong, or stays empty where the general format
// message applies.
bool readTouchstone(SParamSet& set, std::string* problem = nullptr);

// Reads the file whole into set.sourceText and parses it. A failure to open or
// to hold the file (also: not a regular file, or larger than the readers
// take) leaves the previous text and data (fileName is the new path).
LoadResult loadTouchstoneFile(SParamSet& set, const std::string& path);

// The main window's title in S-Plot mode for a file.
inline std::string sPlotWindowTitle(const std::string& path) { return sPlotTitlePrefix + path; }

} // namespace zelvo
