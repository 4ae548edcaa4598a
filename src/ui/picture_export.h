// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Pictures of the chart, the schematic and the S-Plot views as PDF, SVG or
// PNG files for reports and slides, drawn by the same routines as the
// windows. Needs no window: a command line can call it with a design read
// from a file.
#include "model/design.h"
#include "model/settings.h"
#include "model/sparam_set.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zelvo {

enum class PictureFormat { Pdf, Svg, Png };
enum class PictureView { Chart, Schematic, S11, S12, S21, S22, GainGraph, GainTable, FileText };

// The longer side of a picture in pixels (PNG) or in logical units (PDF, SVG).
inline constexpr int defaultPictureSize = 2000;
inline constexpr int minPictureSize = 100;
inline constexpr int maxPictureSize = 20000;

// By the file's suffix, in any case; nullopt for any other.
std::optional<PictureFormat> pictureFormatFor(const QString& path);

// "PDF Files (*.pdf)", "SVG Files (*.svg)", "PNG Files (*.png)".
QStringList pictureFileFilters();

// The view's name in messages and dialogs ("Chart", "S21", "gain graph", ...).
QString pictureViewName(PictureView view);

struct PictureSource {
    const Design* design = nullptr;     // Chart, Schematic
    const SParamSet* sparams = nullptr; // the S-Plot views
    const Settings* settings = nullptr;
};

// Writes the picture; an empty result means written, otherwise it is the
// message for the user. The file is replaced only once the picture is
// complete; a failure leaves a previous file as it was.
QString exportPicture(const PictureSource& source, PictureView view, const QString& path,
                      int size = defaultPictureSize);

// The chart of a design in the settings' colours and options.
QString exportChartPicture(const Design& design, const Settings& settings, const QString& path,
                           int size = defaultPictureSize);

} // namespace zelvo
