// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The settings reader on any bytes: the zoom stays in the dialog's range and
// what it read writes and reads back unchanged.
#include "fuzz_check.h"
#include "model/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace zelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Settings s;
    readSettingsText(s, std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(s.zoom >= settingsZoomMin && s.zoom <= settingsZoomMax, "zoom out of range");
    const std::string first = settingsFileText(s);
    Settings again;
    readSettingsText(again, first);
    FUZZ_CHECK(again.zoom == s.zoom, "zoom does not read back");
    FUZZ_CHECK(settingsFileText(again) == first, "read -> write -> read changed the settings");
    return 0;
}
