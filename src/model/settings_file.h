// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The settings file zelvo.ini: colours and display options between runs.
#include "model/settings.h"

#include <string>
#include <string_view>

namespace zelvo {

// Shown (warning icon) when the settings cannot be written.
inline constexpr const char* settingsWriteErrorText = "Error while writing 'zelvo.ini'.";

inline constexpr int settingsFileOk = 0;
inline constexpr int settingsFileFailed = 1;

// $XDG_CONFIG_HOME/zelvo/zelvo.ini, else ~/.config/zelvo/zelvo.ini; empty
// when neither an absolute XDG_CONFIG_HOME nor HOME is known.
std::string defaultSettingsPath();

// The complete file text. The losses of new parts, when any is set, go in a
// section of their own ahead of the classic two ("[PART LOSSES]"), where a
// reader that knows only those skips them; without them the text is as it
// always was. A chosen language goes ahead of them the same way ("[LANGUAGE]").
std::string settingsFileText(const Settings& s);
// Applies every recognised line to `s`; unknown and malformed lines change nothing.
void readSettingsText(Settings& s, std::string_view bytes);

// settingsFileOk, or settingsFileFailed when the file cannot be read (then
// `s` keeps what it holds: the defaults at start-up).
int readSettings(Settings& s, const std::string& path);
// Writes the file, creating it and its folder when missing so that a new user
// gets no error at the first exit. settingsFileFailed only when writing
// really fails; the previous file is then unchanged.
int writeSettings(const Settings& s, const std::string& path);

} // namespace zelvo
