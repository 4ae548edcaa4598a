// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/print_pages.h"

#include "core/block.h"
#include "core/chain.h"
#include "core/format.h"
#include "core/numeric.h"
#include "model/part_losses.h"
#include "model/point_list.h"
#include "render/bitmap.h"
#include "render/chart_objects.h"
#include "render/gain_graph.h"
#include "render/splot_plots.h"
#include "render/text_views.h"
#include "render/tiles.h"
#include "ui/language.h"
#include "ui/point_list_view.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zelvo {

namespace {

constexpr Colour black = rgb(0, 0, 0);
constexpr int h = tileHeight; // a turned tile is h wide and W high
constexpr int W = tileWidth;

int elementsOf(const Design& d)
{
    return std::clamp(d.elementCount, 0, Design::elementCapacity);
}

const DataPoint* startPointOf(const Design& d)
{
    if (d.startPoint < 1 || d.startPoint > std::min(d.dataPointCount, Design::pointCapacity))
        return nullptr;
    return &d.dataPoints[static_cast<std::size_t>(d.startPoint - 1)];
}

// One run of a printed text: values in the default face, unit signs smaller
// in the symbol face.
struct Run {
    std::string text;
    bool sign = false;
};
using TextLine = std::vector<Run>;

Run sign(const char* s)
{
    return {s, true};
}

std::vector<TextLine> idealElementLines(const Element& e, double f0)
{
    switch (e.kind) {
    case ElementKind::CS:
    case ElementKind::CP:
        return {{{formatSi(e.value, 1) + "F"}}};
    case ElementKind::IS:
    case ElementKind::IP:
        return {{{formatSi(e.value, 1) + "H"}}};
    case ElementKind::RS:
    case ElementKind::RP:
        return {{{formatSi(e.value, 1)}, sign("W")}};
    case ElementKind::TR:
        return {{{printfString("1:%.2f", e.value)}}};
    case ElementKind::LS:
    case ElementKind::LPS:
    case ElementKind::LPO: {
        const LineLengths len = lineLengths(e, f0);
        const Texts& t = interfaceTexts();
        const char* gap = e.kind == ElementKind::LPO ? " " : "";
        return {{{printfString("%.3f ", e.value)},
                 sign("l"),
                 {printfString(" | %.0f mm", len.electricalMm) + gap +
                  t.translate("PrintPages", "(electr.)")},
                 {printfString(" | %.3f mm", len.mechanicalMm) +
                  t.translate("PrintPages", "(mech.)")}},
                {{printfString("%.1f ", static_cast<double>(e.lineImpedance))}, sign("W")}};
    }
    case ElementKind::RlcSeries:
    case ElementKind::RlcParallel:
        return {{{formatSi(e.rlcR, 1)}, sign("W")},
                {{formatSi(e.rlcL, 1) + "H"}},
                {{formatSi(e.rlcC, 1) + "F"}}};
    case ElementKind::Block:
        if (e.block)
            return {{{e.block->name}}};
        break;
    case ElementKind::None:
        break;
    }
    return {};
}

// A lossy part's losses: a line of their own under an L or C, after the
// impedance of a line or stub.
std::vector<TextLine> elementLines(const Element& e, double f0)
{
    std::vector<TextLine> lines = idealElementLines(e, f0);
    if (!isLossy(e) || lines.empty())
        return lines;
    const std::string losses = partLossText(e.loss, e.kind);
    if (isLine(e.kind))
        lines.back().push_back({" | " + losses});
    else
        lines.push_back({{losses}});
    return lines;
}

TextLine impedanceLine(double r, double x)
{
    const std::string t =
        x < 0 ? printfString("(%.2f - j%.2f)", r, -x) : printfString("(%.2f + j%.2f)", r, x);
    return {{t}, sign("W")};
}

class PrintedText {
  public:
    PrintedText(Canvas& canvas, const PageFrame& page)
        : canvas_(canvas), valueFont_{page.scaledY(60), FontFace::Default, 400, 0},
          signFont_{page.scaledY(50), FontFace::Symbol, 400, 0}, slotWidth_(page.scaledX(4 * h))
    {
    }

    int width(const TextLine& line)
    {
        int w = 0;
        for (const Run& r : line) {
            canvas_.setFont(fontOf(r, 0));
            w += canvas_.textWidth(r.text);
        }
        return w;
    }

    // Runs one after the other along the baseline, starting at `at`, turned
    // by `escapement` (0, 900 or 2700 on the y-up page).
    void draw(const TextLine& line, Point at, int escapement)
    {
        int along = 0;
        for (const Run& r : line) {
            canvas_.setFont(fontOf(r, 0));
            const int w = canvas_.textWidth(r.text);
            canvas_.setFont(fontOf(r, escapement));
            const Point p = escapement == 900    ? Point{at.x, at.y + along}
                            : escapement == 2700 ? Point{at.x, at.y - along}
                                                 : Point{at.x + along, at.y};
            canvas_.text(p, r.text, TextAlign::LeftBaseline);
            along += w;
        }
    }

    // Lines turned to read along y, as a column centred on x whose texts
    // begin at `start` (reading upwards) or end there (reading downwards).
    void column(const std::vector<TextLine>& lines, int x, int start, bool readDown)
    {
        if (lines.empty())
            return;
        canvas_.setFont(valueFont_);
        const TextMetrics m = canvas_.metrics();
        const int count = static_cast<int>(lines.size());
        // Three lines of an RLC group would reach into the next slot: close up.
        const int pitch = std::max(1, std::min(m.height + m.externalLeading, slotWidth_ / count));
        // The ascent is about four fifths of the cell: the baselines sit so
        // that the block of lines is centred on x.
        const int first = count * pitch / 2 - pitch * 4 / 5;
        for (int j = 0; j < count; ++j) {
            const TextLine& line = lines[static_cast<std::size_t>(j)];
            if (readDown)
                draw(line, {x + first - j * pitch, start + width(line)}, 2700);
            else
                draw(line, {x - first + j * pitch, start}, 900);
        }
    }

  private:
    Font fontOf(const Run& r, int escapement) const
    {
        Font f = r.sign ? signFont_ : valueFont_;
        f.escapement = escapement;
        return f;
    }

    Canvas& canvas_;
    Font valueFont_;
    Font signFont_;
    int slotWidth_;
};

void printedTile(Canvas& canvas, TileId id, int x, int top, const PageFrame& page)
{
    const Bitmap turned = rotateClockwise(tile(id));
    canvas.bitmap(turned, {x, top}, page.scaledX(4.0 * turned.width),
                  page.scaledY(4.0 * turned.height));
}

// The printed list's columns 0, 2, 9 and 14 were laid out for the widest
// character of a printer face, about four average characters. Measure the
// fields instead, so that no face makes them overlap.
int printedColumnUnit(Canvas& canvas, const Design& design)
{
    const TextMetrics m = canvas.metrics();
    const int gap = m.averageCharWidth;
    int unit = std::max(1, m.averageCharWidth);
    for (const PointListLine& line : pointListLines(design, interfaceTexts())) {
        if (line.kind == ListLineKind::Circle)
            continue;
        unit = std::max({unit, (canvas.textWidth(line.label) + gap + 1) / 2,
                         (canvas.textWidth(line.impedance) + gap + 6) / 7,
                         (canvas.textWidth(line.q) + gap + 4) / 5});
    }
    return unit;
}

} // namespace

int PageFrame::scaledX(double v) const
{
    return toInt(v * sx);
}

int PageFrame::scaledY(double v) const
{
    return toInt(v * sy);
}

int schematicTextAngle(std::uint16_t flags)
{
    return (flags & printTurnText) != 0 ? 900 : 2700;
}

PrintedChart printedChartGeometry(const PageFrame& page, bool withSchematic)
{
    const int m = std::min(page.width, page.height);
    if (withSchematic)
        return {m / 3, page.height / 2 - m / 3 - 50};
    return {m / 2, 0};
}

void drawCommentsPage(Canvas& canvas, const Design& design, const PageFrame& page)
{
    const CanvasStateGuard keep(canvas);
    canvas.setTextColour(black);
    canvas.setFont({page.scaledY(70), FontFace::Default, 400, 0});
    const TextMetrics m = canvas.metrics();
    const int unit = printedColumnUnit(canvas, design);
    // Circle lines run far past the paper's width: they wrap at its edge.
    renderDataPointList(canvas, design, -2, 0, unit, m.height + m.externalLeading, {2, 9, 14},
                        INT_MAX, page.width - m.averageCharWidth);
    canvas.text({page.width / 2, page.height - page.scaledY(100)}, design.fileName,
                TextAlign::CentreBaseline);
}

bool drawChartPage(Canvas& canvas, const Design& design, const Settings& settings,
                   std::uint16_t flags, const PageFrame& page, const AbortCheck& aborted)
{
    const CanvasStateGuard keep(canvas);
    canvas.setTextColour(black);
    canvas.setFont({page.scaledY(60), FontFace::Default, 400, 0});
    const bool withSchematic = (flags & printSchematic) != 0;
    if ((flags & printChart) != 0) {
        const PrintedChart pc = printedChartGeometry(page, withSchematic);
        ChartStyle style = chartStyle(settings, (flags & printScreenColours) != 0,
                                      GridMode::Chart, interfaceTexts());
        style.chartKinds = static_cast<std::uint8_t>(((flags & printZGrid) ? showZChartBit : 0) |
                                                     ((flags & printYGrid) ? showYChartBit : 0));
        style.chartLabels = true;
        style.labels = (flags & printLabels) != 0;
        ChartGeometry g;
        g.baseRadius = pc.radius;
        g.cy = pc.cy;
        g.gridFontHeight = page.scaledY(50);
        g.fontHeight = page.scaledY(60);

        // One layer at a time, in the chart's order, so that a Cancel between
        // two of them ends a long page quickly.
        ChartLayers none;
        none.grid = none.dataPoints = none.qCircles = none.vswrCircles = none.elements =
            none.wideband = none.stabilityCircles = none.gainCircles = none.noiseCircles = false;
        const std::pair<std::uint16_t, bool ChartLayers::*> order[] = {
            {0, &ChartLayers::grid},
            {printElements, &ChartLayers::dataPoints},
            {printQCircles, &ChartLayers::qCircles},
            {printVswrCircles, &ChartLayers::vswrCircles},
            {printElements, &ChartLayers::elements},
            {printWideband, &ChartLayers::wideband},
            {printStabilityCircles, &ChartLayers::stabilityCircles},
            {printGainCircles, &ChartLayers::gainCircles},
            {printNoiseCircles, &ChartLayers::noiseCircles},
        };
        for (const auto& [bit, layer] : order) {
            if (bit != 0 && (flags & bit) == 0)
                continue;
            if (aborted && aborted())
                return false;
            ChartLayers one = none;
            one.*layer = true;
            renderChart(canvas, design, style, g, one);
        }
    }
    if (withSchematic) {
        if (aborted && aborted())
            return false;
        drawPrintedSchematic(canvas, design, schematicTextAngle(flags), page);
    }
    return true;
}

void drawPrintedSchematic(Canvas& canvas, const Design& design, int textAngle,
                          const PageFrame& paper, bool withFileName)
{
    const CanvasStateGuard keep(canvas);
    canvas.setTextColour(black);
    canvas.setPen({PenStyle::Solid, 1, black});
    const int n = elementsOf(design);
    // A chain too long for the paper (some 20 elements on A4) is drawn
    // smaller rather than cut off at the page's edges. The block reaches from
    // the input's impedance left of the first tile to the end of the f_main
    // text; each side must fit its half of the paper.
    PageFrame page = paper;
    const double left = (4.0 * (n / 2) + 6.0) * h * paper.sx;
    const double right = ((4.0 * n + 8.0 - 4.0 * (n / 2)) * h + 800.0) * paper.sx;
    const double widest = std::max(left, right);
    if (2.0 * widest > paper.width && paper.width > 0) {
        page.sx *= paper.width / (2.0 * widest);
        page.sy *= paper.width / (2.0 * widest);
    }
    const auto slotLeft = [&](int k) { return page.scaledX((4 * k - 4 * (n / 2)) * h); };
    const int bottom = -page.height / 2;
    const int tileTop = bottom + page.scaledY(10 * W);
    const int textStart = bottom + page.scaledY(11 * W);
    const int halfSlot = page.scaledX(2 * h);
    // Unturned texts read upwards from above the tiles; turned ones read
    // downwards and end there, so that they never run into the tiles.
    const bool readDown = textAngle == 900;

    printedTile(canvas, TileId::PictureLeft, slotLeft(-1), tileTop, page);
    for (int k = 0; k < n; ++k)
        if (const std::optional<TileId> id =
                tileFor(design.elements[static_cast<std::size_t>(n - 1 - k)]))
            printedTile(canvas, *id, slotLeft(k), tileTop, page);
    printedTile(canvas, TileId::ColumnTop, slotLeft(n), tileTop, page);

    PrintedText text(canvas, page);
    const double f0 = designFrequency(design);
    for (int k = 0; k < n; ++k)
        text.column(elementLines(design.elements[static_cast<std::size_t>(n - 1 - k)], f0),
                    slotLeft(k) + halfSlot, textStart, readDown);
    if (n > 0) {
        const Element& last = design.elements[static_cast<std::size_t>(n - 1)];
        text.column({impedanceLine(last.rEnd, last.xEnd)}, slotLeft(0) - halfSlot, textStart,
                    readDown);
    }
    if (const DataPoint* start = startPointOf(design))
        text.column({impedanceLine(start->r, start->x)}, slotLeft(n + 1) + halfSlot, textStart,
                    readDown);

    if (n > 0) {
        const int x = page.scaledX((4 * n + 8 - 4 * (n / 2)) * h);
        text.draw({{"f_main = " + formatFrequency(f0, 3) + "Hz"}}, {x, bottom + page.scaledY(6 * W)}, 0);
        text.draw({{printfString("Z0 = %.2f", static_cast<double>(design.z0))}, sign("W")},
                  {x, bottom + page.scaledY(5 * W)}, 0);
    }
    if (!withFileName)
        return;
    canvas.setFont({page.scaledY(100), FontFace::Default, 400, 0});
    canvas.text({0, bottom + page.scaledY(100)}, design.fileName, TextAlign::CentreBaseline);
}

std::vector<std::string> printedGainRows(const SParamSet& set)
{
    std::vector<std::string> rows;
    rows.push_back("    " + gainFrequencyCaption(interfaceTexts()) +
                   "      MAG        MSG                 K");
    const char* unit = set.freqExponent == 3   ? "  [kHz]"
                       : set.freqExponent == 6 ? "  [MHz]"
                       : set.freqExponent == 9 ? "   [GHz]"
                                               : "  [Hz] ";
    rows.push_back(std::string(unit) + "        [dB]          [dB]                 [-]");
    rows.emplace_back("------------------------------------------------------------");
    if (!set.loaded)
        return rows;
    const int count = set.validPoints();
    for (int i = 0; i < count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double f = set.points[k].frequency;
        const double stability = set.stabilityK[k];
        rows.push_back(stability < 1.0 ? printfString("%9.3f    -------      %9.3f         %9.3f",
                                                      f, set.msgDb[k], stability)
                                       : printfString("%9.3f %9.3f         -------         %9.3f",
                                                      f, set.magDb[k], stability));
    }
    return rows;
}

void drawGainGraphPage(Canvas& canvas, const SParamSet& set, const PageFrame& page)
{
    const CanvasStateGuard keep(canvas);
    const int x0 = page.width / 5;
    const int y0 = 20;
    const int width = page.width / 3 * 2;
    const int height = page.height / 3;
    const int font = page.scaledY(50);
    const GainAxes a = gainGraphAxes(set);
    const std::array<GainSeries, 2> legend = {
        GainSeries{"MAG [dB]", rgb(255, 0, 0), PenStyle::Solid},
        GainSeries{"MSG [dB]", rgb(255, 255, 0), PenStyle::Dotted}};
    drawGainGraph(canvas, x0, y0, width, height, black, a.fMin, a.fMax, a.gMin, a.gMax, a.title,
                  a.legend ? std::span<const GainSeries>(legend) : std::span<const GainSeries>(),
                  font);
    if (a.legend) {
        drawGainTrace(canvas, x0, y0, width, height, rgb(255, 0, 0), a.fMin, a.fMax, a.gMin, a.gMax,
                      set, magSeries, PenStyle::Solid);
        drawGainTrace(canvas, x0, y0, width, height, rgb(255, 0, 0), a.fMin, a.fMax, a.gMin, a.gMax,
                      set, msgSeries, PenStyle::Dotted);
    }
    canvas.setTextColour(black);
    canvas.setFont({font, FontFace::Default, 400, 0});
    canvas.text({page.width / 2, page.height - page.scaledY(50)}, set.fileName,
                TextAlign::CentreBottom);
}

void drawGainTablePage(Canvas& canvas, const SParamSet& set, const PageFrame& page)
{
    const CanvasStateGuard keep(canvas);
    canvas.setTextColour(black);
    canvas.setFont({std::max(1, page.height / 80), FontFace::Fixed, 400, 0});
    const TextMetrics m = canvas.metrics();
    const int lineHeight = m.height + m.externalLeading;
    int row = 5;
    for (const std::string& r : printedGainRows(set))
        canvas.text({m.maxCharWidth, row++ * lineHeight}, r, TextAlign::LeftTop);
    canvas.setFont({page.scaledY(50), FontFace::Default, 400, 0});
    canvas.text({page.width / 2, page.height - page.scaledY(50)}, set.fileName,
                TextAlign::CentreBottom);
}

void drawPlotsPage(Canvas& canvas, const SParamSet& set, const Settings& settings,
                   const PageFrame& page)
{
    const CanvasStateGuard keep(canvas);
    const int G = std::min(page.width, page.height);
    const int rho = G / 5;
    const int d = rho + G / 40;
    const int font = std::max(1, page.height / 100);
    constexpr Colour grid = rgb(100, 100, 100);
    const bool loaded = set.loaded && set.validPoints() > 0;

    canvas.setTextColour(black);
    canvas.setFont({font, FontFace::Default, 400, 0});
    canvas.text({0, page.height / 2 - page.scaledY(50)}, set.fileName, TextAlign::CentreTop);

    struct Plot {
        TraceCode code;
        int cx;
        int cy;
        const char* caption;
    };
    const Plot plots[] = {{TraceCode::S11, -d, d, "S11:"},
                          {TraceCode::S12, d, d, "S12:"},
                          {TraceCode::S21, -d, -d, "S21:"},
                          {TraceCode::S22, d, -d, "S22:"}};
    for (const Plot& p : plots) {
        if (p.code == TraceCode::S11 || p.code == TraceCode::S22) {
            drawChartGrid(canvas, rho, grid, grid, showZChartBit, p.cx, p.cy, settings.chartLabels,
                          font, 1.0f, GridMode::SPlot, set.referenceImpedance);
            if (loaded)
                drawChartTrace(canvas, set, p.code, rho, black, settings.lineWidth, p.cx, p.cy);
        }
        else {
            const double full = polarFullScale(set, p.code);
            if (loaded)
                drawPolarTrace(canvas, set, p.code, rho, full, black, settings.lineWidth, p.cx,
                               p.cy);
            drawPolarGrid(canvas, rho, grid, full, full / 4, settings.chartLabels, font, p.cx,
                          p.cy);
        }
        // Beside the plot's outer top corner.
        canvas.setTextColour(black);
        canvas.setFont({font, FontFace::Default, 400, 0});
        const bool left = p.cx < 0;
        canvas.text({left ? p.cx - rho : p.cx + rho, p.cy + rho}, p.caption,
                    left ? TextAlign::LeftBaseline : TextAlign::RightBaseline);
    }
}

} // namespace zelvo
