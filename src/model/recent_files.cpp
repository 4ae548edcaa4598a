// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/recent_files.h"

#include "model/file_io.h"
#include "model/text_reader.h"

#include <algorithm>
#include <filesystem>

namespace zelvo {

namespace {

constexpr std::string_view sectionHeader = "[RECENT]";

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        return up(x) == up(y);
    });
}

} // namespace

void addRecentFile(std::vector<std::string>& list, const std::string& path)
{
    if (path.empty())
        return;
    removeRecentFile(list, path);
    list.insert(list.begin(), path);
    if (list.size() > recentFilesLimit)
        list.resize(recentFilesLimit);
}

void removeRecentFile(std::vector<std::string>& list, const std::string& path)
{
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
}

std::string recentFilesSection(const std::vector<std::string>& list)
{
    if (list.empty())
        return {};
    std::string out = std::string(sectionHeader) + "\r\n";
    const std::size_t n = std::min(list.size(), recentFilesLimit);
    for (std::size_t i = 0; i < n; ++i)
        out += "FILE" + std::to_string(i + 1) + "=" + percentEncode(list[i]) + "\r\n";
    return out + "\r\n";
}

std::vector<std::string> readRecentFiles(std::string_view text)
{
    std::vector<std::string> list;
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.front() == '[') {
            inSection = sameIgnoringCase(line, sectionHeader);
            continue;
        }
        if (!inSection || line.size() < 6 || !sameIgnoringCase(line.substr(0, 4), "FILE"))
            continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq + 1 >= line.size())
            continue;
        const std::string path = percentDecode(line.substr(eq + 1));
        if (std::find(list.begin(), list.end(), path) == list.end() &&
            list.size() < recentFilesLimit)
            list.push_back(path);
    }
    return list;
}

int writeSettingsWithRecent(const std::string& settingsText, const std::vector<std::string>& list,
                            const std::string& path)
{
    namespace fs = std::filesystem;
    if (path.empty())
        return 1;
    std::error_code ec;
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty())
        fs::create_directories(parent, ec);
    return writeFileReplacing(path, recentFilesSection(list) + settingsText) ? 0 : 1;
}

} // namespace zelvo
