// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The frequency response graph: the quantities in dB (return losses, GT,
// noise figure) on an upper panel, the ratios (VSWR, K, mu) on a lower one,
// over a linear or logarithmic frequency axis; y down, device coordinates,
// the graph filling width x height. The window, the exported picture and the
// printed page all draw it here.
#include "core/texts.h"
#include "model/response.h"
#include "render/canvas.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zelvo {

enum class ResponseQuantity : int {
    InputReturnLoss,
    OutputReturnLoss,
    Gain,
    NoiseFigure,
    Vswr,
    K,
    Mu,
};
inline constexpr int responseQuantityCount = 7;
inline constexpr std::array<ResponseQuantity, responseQuantityCount> allResponseQuantities = {
    ResponseQuantity::InputReturnLoss, ResponseQuantity::OutputReturnLoss, ResponseQuantity::Gain,
    ResponseQuantity::NoiseFigure,     ResponseQuantity::Vswr,             ResponseQuantity::K,
    ResponseQuantity::Mu};

// "Input RL", "Output RL", "GT", "NF", "VSWR", "K", "mu".
std::string quantityName(ResponseQuantity q, const Texts& texts = {});
bool isDbQuantity(ResponseQuantity q);
Pen quantityPen(ResponseQuantity q, int lineWidth);
// The value at a point; NaN where it does not exist (no block value there,
// K of a chain without feedback).
double quantityValue(const ResponsePoint& p, ResponseQuantity q);
// K and mu need a block, the noise figure a block with noise data.
bool quantityAvailable(const Response& r, ResponseQuantity q);

// What others draw into the graph: a trace over the same frequencies (a
// network's preview), or a band between `lower` and `values` (a tolerance
// spread). NaN values leave gaps.
struct ResponseExtra {
    std::string name;
    Colour colour = rgb(128, 128, 128);
    PenStyle style = PenStyle::Dashed;
    bool db = true; // on the dB panel, else on the ratio panel
    std::vector<double> values;
    std::vector<double> lower; // a band when not empty
};

struct ResponseGraph {
    Response response;
    bool logarithmic = false;
    std::array<bool, responseQuantityCount> shown{true, true, true, true, true, true, true};
    std::vector<ResponseExtra> extras;
    std::vector<int> markers; // point indices
    int lineWidth = 1;
    // The load line under the axis: pictures and pages need it, the window
    // says it above the graph.
    bool loadCaption = true;
    Texts texts = {}; // the captions' language

    bool showing(ResponseQuantity q) const
    {
        return shown[static_cast<std::size_t>(q)] && quantityAvailable(response, q);
    }
};

struct ResponsePanel {
    friend bool operator==(const ResponsePanel&, const ResponsePanel&) = default;
    bool present = false;
    int left = 0, top = 0, right = 0, bottom = 0;
    double lo = 0.0, hi = 1.0;
    double step = 1.0; // between grid lines
};

struct ResponseLayout {
    friend bool operator==(const ResponseLayout&, const ResponseLayout&) = default;
    ResponsePanel db, ratio;
    double fMin = 0.0, fMax = 1.0;
    bool logarithmic = false;
    int exponent = 0; // of the frequency labels' unit
    int fontHeight = 16;

    int x(double f) const;
    int y(const ResponsePanel& p, double v) const;
};

ResponseLayout responseLayout(const ResponseGraph& g, int width, int height, int fontHeight);

// The frequencies of the vertical grid lines: steps of 1, 2 or 5 times a
// power of ten on a linear axis; 1, 2 and 5 of every decade on a
// logarithmic one (decades alone when those would crowd).
std::vector<double> frequencyGrid(double fMin, double fMax, bool logarithmic);

// "Load: ..." for the window and the picture: which load the sweep uses.
std::string loadModelText(LoadModel m, const Texts& texts = {});

void drawResponseGraph(Canvas& canvas, const ResponseGraph& g, int width, int height,
                       int fontHeight);
// Its two layers: what changes only with the layout (panels, grid, labels,
// legend), and what changes with every tuning step (traces, markers).
void drawResponseFrame(Canvas& canvas, const ResponseGraph& g, const ResponseLayout& l,
                       int height);
void drawResponseTraces(Canvas& canvas, const ResponseGraph& g, const ResponseLayout& l);

// The sweep point nearest the pointer's frequency, when the pointer is over
// a panel.
std::optional<int> responseIndexAt(const ResponseGraph& g, const ResponseLayout& l, Point p);
// "f = 1.250 GHz", then every shown quantity and the load and input
// impedances, one per line.
std::string responseReadoutText(const ResponseGraph& g, int index);

} // namespace zelvo
