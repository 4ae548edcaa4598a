// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The recent files list: the last design and Touchstone files opened or
// saved, newest first, kept in the settings file in a section of its own.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

inline constexpr std::size_t recentFilesLimit = 8;

// `path` moves to the front; a path already listed is not listed twice; the
// oldest entries beyond the limit drop off. An empty path changes nothing.
void addRecentFile(std::vector<std::string>& list, const std::string& path);
void removeRecentFile(std::vector<std::string>& list, const std::string& path);

// The section as it is written ahead of the original two: "[RECENT]" and
// "FILE1=..." lines ending with CR LF, then an empty line. Nothing for an
// empty list. The first section of the file: a reader that knows only the
// original sections sees these lines before any section of its own and skips
// them. Characters that reader would act on ("[", "]", ";", line ends) and
// "%" are written as "%XX", so no path can start or end one of its sections.
std::string recentFilesSection(const std::vector<std::string>& list);
// The paths of the section in a settings file's text, newest first, at most
// the limit; empty when there is no such section.
std::vector<std::string> readRecentFiles(std::string_view fileText);

// The settings file with the section ahead of `settingsText`, written as the
// settings writer does (folder created, the old file kept when it fails).
// 0 when written, 1 when not.
int writeSettingsWithRecent(const std::string& settingsText, const std::vector<std::string>& list,
                            const std::string& path);

} // namespace zelvo
