// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Export of the loaded two-port as H, Z, Y or A (chain) parameter files.
#include "core/complex.h"
#include "core/twoport_types.h"
#include "model/dialog_message.h"
#include "model/sparam_set.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

enum class ParameterKind : char { H = 'H', Z = 'Z', Y = 'Y', A = 'A' };

struct ParameterMatrix {
    Complex p11, p12, p21, p22;
};

// Normalised to 1; unguarded: a zero denominator gives non-finite values.
ParameterMatrix toH(const TwoPort& s);
ParameterMatrix toZ(const TwoPort& s);
ParameterMatrix toY(const TwoPort& s);
ParameterMatrix toA(const TwoPort& s);
ParameterMatrix convertSParams(ParameterKind kind, const TwoPort& s);
// The values in ohm and siemens for reference z0.
ParameterMatrix denormalise(ParameterKind kind, const ParameterMatrix& m, double z0);

// What the save dialog and the messages of one conversion show.
struct ExportTexts {
    std::string filterName;       // "H-Parameter-Files (*.H2P)"
    std::string filterPattern;    // "*.H2P"
    std::string allFilesName = "All Files (*.*)";
    std::string allFilesPattern = "*.*";
    std::string dialogTitle;      // "Filename of H-Parameter-File to save"
    std::string defaultExtension; // "H2P"
};
ExportTexts exportTexts(ParameterKind kind);

inline constexpr const char* exportHelpTopic = "H-, Z-, Y- and A-Parameter - File";
inline constexpr const char* normalizeButtonText = "NORMALIZE";
inline constexpr const char* notNormalizeButtonText = "NOT NORMALIZE";

DialogMessage exportOpenFailedMessage(const std::string& path);
DialogMessage exportWriteFailedMessage(const std::string& path);
DialogMessage exportCreatedMessage(ParameterKind kind, const std::string& path);

// The comment lines of a Touchstone file that stand before its option line,
// each ended with CR LF.
std::string leadingComments(std::string_view touchstoneBytes);

// The whole export file; sourceBytes is the Touchstone file as it is now on
// disk (empty when it cannot be read: no comments are copied).
std::string exportFileText(const SParamSet& set, ParameterKind kind, bool normalise,
                           std::string_view sourceBytes);

// Whether a file can be created next to the output path; the open failure
// message otherwise. Lets the GUI report it before asking how to normalise.
std::optional<DialogMessage> probeExportTarget(const std::string& outputPath);

struct ExportResult {
    bool ok = false;
    DialogMessage message; // the success message, or the failure
};

// Writes the export through a temporary file in the same folder that replaces
// the target only when complete, so a failure never destroys an existing file.
ExportResult exportTwoPortFile(const SParamSet& set, ParameterKind kind, bool normalise,
                               const std::string& outputPath);

} // namespace zelvo
