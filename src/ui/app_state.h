// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Everything Zelvo keeps while it runs: the one design, the two-port data, the
// options, the placement hand-off between toolbox and chart window, and the
// dialog memories. Owned by main(), passed by reference to every window.
#include "core/element.h"
#include "core/part_path.h"
#include "model/circle_dialogs.h"
#include "model/design.h"
#include "model/settings.h"
#include "model/sparam_set.h"

#include <string>
#include <vector>
#include "render/chart_geometry.h"
#include "ui/print_pages.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QPrinter;

namespace zelvo {

enum class AppMode : std::uint8_t { Chart = 1, SPlot = 2 };

// What the toolbox hands to the chart window for one element placement.
// Pixel values are chart pixels at zoom 1, from the chart centre, y up.
struct PlacementHandoff {
    bool placing = false;
    ElementKind placingKind = ElementKind::None;
    int workingPixel[2] = {0, 0};
    int guideCircle[3] = {0, 0, 0}; // centre x, centre y, radius
    bool guideArc = false;
    int arc[4] = {0, 0, 0, 0}; // start x, y, end x, y
    bool guideLine = false;
    int line[4] = {0, 0, 0, 0}; // start x, y, end x, y
    bool guideLineCopy = false; // the drawing copy of the straight guide
    int lineCopy[4] = {0, 0, 0, 0};
    bool stubMarker = false; // short straight marker of a stub guide
    int marker[4] = {0, 0, 0, 0};
    // A lossy part's guide instead of the circle: the impedances its value
    // reaches from the working point, sampled over its whole range.
    std::vector<PathPoint> guidePath;
    // The live value last written into the schematic's pending row (the last
    // one inside the kind's display window).
    std::optional<double> liveValue;
    // The pending slot (index elementCount) as it was before the placement:
    // it may hold an undone element that Redo brings back, so a cancelled
    // placement puts it back.
    std::optional<Element> savedSlot;

    void clearGuides()
    {
        guideArc = guideLine = guideLineCopy = stubMarker = false;
        guidePath.clear();
    }
    // Ends a placement (commit, cancel, reset).
    void end()
    {
        placing = false;
        placingKind = ElementKind::None;
        clearGuides();
        liveValue.reset();
        savedSlot.reset();
    }
};

// Data point input format bits.
inline constexpr std::uint8_t formatImpedance = 0x01;
inline constexpr std::uint8_t formatAdmittance = 0x02;
inline constexpr std::uint8_t formatReflection = 0x04;
inline constexpr std::uint8_t formatCartesian = 0x08;
inline constexpr std::uint8_t formatPolar = 0x10;

// Remembered between dialog openings for the whole run; never saved.
struct DialogMemory {
    std::uint8_t dataPointFormat = formatImpedance | formatCartesian;
    double lastFrequency = 5e8; // Hz
    float lineImpedance = 50.0f;
    float lineEr = 1.0f;
    bool referenceInSiemens = false; // unit chosen last in the Zo dialog
    std::uint8_t clipboardChoice = 0x11;
    TwoPortDialogMemory twoPort;
    NoiseDialogMemory noise;
    int pictureView = 0;     // the PictureView exported last
    int pictureSize = 2000;  // longer side of an exported PNG
};

// The print options and the chosen printer, kept for the run and never saved.
// The printer is made on first use: asking the print system at start-up
// costs a noticeable fraction of a second.
struct PrintState {
    std::uint16_t flags = defaultPrintFlags;
    bool flagsShown = false;          // the turned-text option is read once
    std::shared_ptr<QPrinter> printer; // shared_ptr: QPrinter stays incomplete here
};

struct AppState {
    Design design;
    SParamSet sparams;
    Settings settings;
    PlacementHandoff placement;
    ChartView chartView; // the chart window's, read by the toolbox
    DialogMemory memory;
    AppMode mode = AppMode::Chart;
    bool pickDataPoint = false; // the chart's next click is a new data point
    bool pickCursor = false;
    // A proposed network, with its points, drawn dashed over the chart while
    // the matching dialog shows it.
    std::vector<Element> matchPreview;
    // The broadband dialog's chosen network over its band: the load alone
    // and the chain's end at each band frequency (ohm), drawn over the chart
    // while the dialog shows them.
    std::vector<Complex> bandLoadPreview;
    std::vector<Complex> bandPreview;
    // The frequency response window's chain end over its sweep (ohm), drawn
    // on the chart while the window shows it and its curve is chosen.
    std::vector<Complex> responseCurve;
    QString settingsPath;
    QString lastNetlistPath;
    QString lastDesignPath; // the open dialogs start where they were left
    QString lastTouchstonePath;
    PrintState print;
    QString lastExportPath;
    QString lastBlockPath;         // the two-port block chosen last
    QString lastNetworkExportPath; // the network's Touchstone file written last
    std::vector<std::string> recentFiles; // newest first, paths as the system spells them
};

} // namespace zelvo
