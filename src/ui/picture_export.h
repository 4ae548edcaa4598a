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
#include "render/response_graph.h"
#include "ui/picture_format.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace zelvo {

enum class PictureView {
    Chart,
    Schematic,
    S11,
    S12,
    S21,
    S22,
    GainGraph,
    GainTable,
    FileText,
    Response,
};

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
    const ResponseGraph* response = nullptr; // the frequency response window's
};

// Writes the picture, `size` pixels on its longer side (see
// picture_format.h for PDF and SVG), to the file named by `path` in the file
// system's bytes. An empty result means written; otherwise it is the message
// for the user, which names the file by those bytes. The picture is drawn in
// memory and saved as every other file is (writeFileReplacing): a failure
// leaves a previous file as it was.
std::string writePictureFile(const PictureSource& source, PictureView view, const std::string& path,
                             int size = defaultPictureSize);

// The same for a name from a file dialog.
QString exportPicture(const PictureSource& source, PictureView view, const QString& path,
                      int size = defaultPictureSize);

// The chart of a design in the settings' colours and options.
QString exportChartPicture(const Design& design, const Settings& settings, const QString& path,
                           int size = defaultPictureSize);

} // namespace zelvo
