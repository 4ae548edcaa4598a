// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Writes PNGs of typical scenes to <build dir>/snapshots for a person to look
// at; fonts differ between machines, so nothing here compares pixels.
#include "model/touchstone.h"
#include "render/chart_image.h"
#include "render/chart_objects.h"
#include "render/gain_graph.h"
#include "render/painter_canvas.h"
#include "render/schematic.h"
#include "render/schematic_picture.h"
#include "render/splot_plots.h"
#include "render/text_views.h"
#include "render/tiles.h"
#include "render_fixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace zelvo {
namespace {

using namespace zelvo::testing;

QString snapshotDir()
{
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    dir.mkpath(QStringLiteral("snapshots"));
    return dir.filePath(QStringLiteral("snapshots"));
}

void save(const QImage& image, const char* name)
{
    const QString path = snapshotDir() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    EXPECT_FALSE(image.isNull());
}

QImage paint(int w, int h, CanvasMapping mapping, const std::function<void(Canvas&)>& draw)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, mapping);
    draw(canvas);
    painter.end();
    return image;
}

// The chart window of the given size and zoom.
QImage chartWindow(const Design& d, const Settings& s, int w, int h, float zoom = 1.0f)
{
    ChartGeometry g;
    g.baseRadius = w / 2 - 10;
    g.zoom = zoom;
    g.gridFontHeight = 15;
    return paint(w, h, CanvasMapping::chart(w / 2, h / 2), [&](Canvas& c) {
        renderChart(c, d, chartStyle(s, true, GridMode::Chart), g);
    });
}

SParamSet loadSet(const char* file)
{
    SParamSet set;
    const std::filesystem::path path = std::filesystem::path(ZELVO_TESTDATA_DIR) / "touchstone" / file;
    if (!std::filesystem::exists(path))
        return set;
    loadTouchstoneFile(set, path.string());
    return set;
}

TEST(Snapshots, ChartScenes)
{
    Settings s;
    save(chartWindow(Design{}, s, 600, 600), "chart_empty");

    Design points;
    addPoint(points, 50, 0);
    addPoint(points, 25, 25);
    addPoint(points, 100, -50);
    addPoint(points, 10, -5);
    addPoint(points, 200, 150);
    points.startPoint = 2;
    Settings linked = s;
    linked.linkDataPoints = true;
    save(chartWindow(points, linked, 600, 600), "chart_points_linked");

    Design chain = everyKindDesign();
    save(chartWindow(chain, s, 700, 700), "chart_every_element");

    Design contours;
    for (float q : {0.5f, 1.0f, 3.0f})
        contours.qCircles[static_cast<std::size_t>(contours.qCount++)] = q;
    for (float v : {1.5f, 2.0f, 5.0f})
        contours.vswrCircles[static_cast<std::size_t>(contours.vswrCount++)] = v;
    save(chartWindow(contours, s, 600, 600), "chart_contours");

    Design wide = everyKindDesign();
    addPoint(wide, 30, -20, 1.2e9);
    addPoint(wide, 20, -40, 0.8e9);
    addWideband(wide);
    save(chartWindow(wide, s, 700, 700), "chart_wideband");

    Design circles;
    addCircles(circles);
    save(chartWindow(circles, s, 600, 600), "chart_circles");

    save(chartWindow(chain, s, 600, 600, 4.0f), "chart_zoom4");
    save(chartWindow(chain, s, 600, 400), "chart_wide_window");

    Design all = everyKindDesign();
    addCircles(all);
    for (float q : {1.0f, 2.0f})
        all.qCircles[static_cast<std::size_t>(all.qCount++)] = q;
    all.vswrCircles[static_cast<std::size_t>(all.vswrCount++)] = 2.0f;
    save(copyChartToClipboard(all, s, false), "clipboard_chart_bw");
    save(copyChartToClipboard(all, s, true), "clipboard_chart_colour");
}

TEST(Snapshots, Tiles)
{
    const TileId ids[] = {TileId::CS,  TileId::IS,  TileId::RS,          TileId::LS,
                          TileId::CP,  TileId::IP,  TileId::RP,          TileId::LPS,
                          TileId::LPO, TileId::TR,  TileId::RlcSeries,   TileId::RlcParallel,
                          TileId::ColumnTop, TileId::ColumnBottom, TileId::PictureLeft};
    constexpr int scale = 4;
    const int cols = 5;
    QImage image = paint(cols * (tileWidth + 4) * scale, 3 * (tileHeight + 4) * scale,
                         CanvasMapping::device(), [&](Canvas& c) {
        int i = 0;
        for (TileId id : ids) {
            c.bitmap(tile(id), {(i % cols) * (tileWidth + 4) * scale, (i / cols) * (tileHeight + 4) * scale},
                     tileWidth * scale, tileHeight * scale);
            ++i;
        }
    });
    save(image, "tiles_x4");
}

TEST(Snapshots, Schematic)
{
    Design chain = everyKindDesign();
    SchematicView view{300, 620, 0, 16};
    save(paint(view.viewWidth, view.viewHeight, CanvasMapping::device(),
               [&](Canvas& c) { paintSchematic(c, chain, view, {}); }),
         "schematic_window");

    SchematicPlacement placing;
    placing.placing = true;
    placing.kind = ElementKind::LS;
    placing.lineImpedance = 75.0f;
    placing.value = 0.123;
    SchematicView scrolled{300, 400, 0, 16};
    save(paint(scrolled.viewWidth, scrolled.viewHeight, CanvasMapping::device(),
               [&](Canvas& c) { paintSchematic(c, chain, scrolled, placing); }),
         "schematic_placing_line");

    Design small;
    addPoint(small, 25, -30);
    addElement(small, element(ElementKind::CS, 3.3e-12));
    SchematicPlacement cap;
    cap.placing = true;
    cap.kind = ElementKind::RP;
    cap.value = 470.0;
    SchematicView v2{300, 250, 0, 16};
    save(paint(v2.viewWidth, v2.viewHeight, CanvasMapping::device(),
               [&](Canvas& c) { paintSchematic(c, small, v2, cap); }),
         "schematic_placing_resistor");

    save(copySchematicToClipboard(chain), "clipboard_schematic");
    save(copySchematicToClipboard(Design{}), "clipboard_schematic_empty");
}

TEST(Snapshots, SPlots)
{
    const SParamSet set = loadSet("BFU520_05V0_010mA_NF_SP.s2p");
    if (!set.loaded)
        GTEST_SKIP() << "Touchstone test data not available";
    const auto plot = [&](TraceCode code, const char* name) {
        save(paint(400, 400, CanvasMapping::chart(200, 200), [&](Canvas& c) {
                 if (code == TraceCode::S11 || code == TraceCode::S22)
                     paintChartPlotWindow(c, set, code, 400, 400, true, 1);
                 else
                     paintPolarPlotWindow(c, set, code, 400, 400, true, 1);
             }),
             name);
    };
    plot(TraceCode::S11, "splot_s11");
    plot(TraceCode::S12, "splot_s12");
    plot(TraceCode::S21, "splot_s21");
    plot(TraceCode::S22, "splot_s22");

    TextViewState text;
    text.width = 640;
    text.height = 400;
    save(paint(text.width, text.height, CanvasMapping::device(), [&](Canvas& c) {
             measureTextView(c, text);
             paintTouchstoneText(c, set, text);
         }),
         "splot_file_text");
    TextViewState table;
    table.width = 520;
    table.height = 400;
    save(paint(table.width, table.height, CanvasMapping::device(), [&](Canvas& c) {
             measureTextView(c, table);
             paintGainTable(c, set, table);
         }),
         "splot_gain_table");
    save(paint(700, 560, CanvasMapping::device(),
               [&](Canvas& c) { paintGainGraphWindow(c, set, {}, 16); }),
         "splot_gain_graph");

    const SParamSet ne = loadSet("NE02103.s2p");
    save(paint(700, 560, CanvasMapping::device(),
               [&](Canvas& c) { paintGainGraphWindow(c, ne, {}, 16); }),
         "splot_gain_graph_ne02103");
    save(paint(700, 560, CanvasMapping::device(),
               [&](Canvas& c) { paintGainGraphWindow(c, SParamSet{}, {}, 16); }),
         "splot_gain_graph_empty");
}

} // namespace
} // namespace zelvo
