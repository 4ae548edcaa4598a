// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Picture file formats and sizes, without Qt, so that the command line's
// argument parser checks them where the pictures are not drawn.
#include <optional>
#include <string_view>

namespace zelvo {

enum class PictureFormat { Pdf, Svg, Png };

// The longer side of a picture in pixels. PDF and SVG pages are laid out at
// `vectorPictureDpi`, so that they print as large as the PNG would at that
// resolution (2000 pixels: 169.3 mm).
inline constexpr int defaultPictureSize = 2000;
inline constexpr int minPictureSize = 100;
inline constexpr int maxPictureSize = 20000;
inline constexpr int vectorPictureDpi = 300;

// By the name's suffix (".pdf", ".svg", ".png" in any case); nullopt for any
// other.
inline std::optional<PictureFormat> pictureFormatOf(std::string_view name)
{
    const std::size_t slash = name.rfind('/');
    const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    if (dot == std::string_view::npos || file.size() - dot != 4)
        return std::nullopt;
    char suffix[3];
    for (std::size_t i = 0; i < 3; ++i) {
        const char c = file[dot + 1 + i];
        suffix[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const std::string_view s(suffix, 3);
    if (s == "pdf")
        return PictureFormat::Pdf;
    if (s == "svg")
        return PictureFormat::Svg;
    if (s == "png")
        return PictureFormat::Png;
    return std::nullopt;
}

} // namespace zelvo
