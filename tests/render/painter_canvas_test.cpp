// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/bitmap.h"
#include "render/chart_image.h"
#include "render/chart_objects.h"
#include "render/painter_canvas.h"
#include "render_fixtures.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace zelvo {
namespace {

using namespace zelvo::testing;

QImage draw(int w, int h, CanvasMapping m, const std::function<void(PainterCanvas&)>& f)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PainterCanvas c(p, m);
    f(c);
    p.end();
    return image;
}

bool inked(const QImage& img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 160;
}

struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};

InkBox inkBox(const QImage& img)
{
    InkBox b;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (inked(img, x, y)) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
                ++b.count;
            }
    return b;
}

TEST(PainterCanvas, ArcsRunCounterClockwiseInChartCoordinates)
{
    const QImage up = draw(200, 200, CanvasMapping::chart(100, 100), [](PainterCanvas& c) {
        c.arc(-80, 80, 80, -80, {80, 0}, {-80, 0});
    });
    const InkBox b = inkBox(up);
    ASSERT_GT(b.count, 100);
    EXPECT_LE(b.bottom, 101); // y up: the upper half on the device
    EXPECT_LE(b.top, 21);

    // On a y-down surface counter-clockwise in logical terms is the lower half.
    const QImage down = draw(200, 200, CanvasMapping{100, 100, false}, [](PainterCanvas& c) {
        c.arc(-80, -80, 80, 80, {80, 0}, {-80, 0});
    });
    const InkBox d = inkBox(down);
    EXPECT_GE(d.top, 99);
    EXPECT_GE(d.bottom, 179);

    // Equal rays draw nothing.
    const QImage none = draw(100, 100, CanvasMapping::chart(50, 50), [](PainterCanvas& c) {
        c.arc(-40, 40, 40, -40, {40, 0}, {40, 0});
    });
    EXPECT_EQ(inkBox(none).count, 0);
}

TEST(PainterCanvas, TextStaysUprightOnAYUpSurface)
{
    const QImage img = draw(200, 100, CanvasMapping::chart(0, 100), [](PainterCanvas& c) {
        c.setFont({20, FontFace::Default, 400, 0});
        c.text({10, 60}, "Hg", TextAlign::LeftTop); // device row 40
    });
    const InkBox b = inkBox(img);
    ASSERT_GT(b.count, 20);
    EXPECT_GE(b.top, 40);
    EXPECT_LE(b.bottom, 61);
    EXPECT_GT(b.bottom - b.top, 10);

    // Upright: the descender of "g" is below the cap of "H".
    const QImage h = draw(100, 100, CanvasMapping::device(), [](PainterCanvas& c) {
        c.setFont({40, FontFace::Default, 400, 0});
        c.text({10, 70}, "T", TextAlign::LeftBaseline);
    });
    const InkBox t = inkBox(h);
    // The bar of the T is at its top: the top rows are wider than the bottom ones.
    int topWidth = 0, bottomWidth = 0;
    for (int x = 0; x < 100; ++x) {
        topWidth += inked(h, x, t.top + 1) ? 1 : 0;
        bottomWidth += inked(h, x, t.bottom - 1) ? 1 : 0;
    }
    EXPECT_GT(topWidth, 2 * bottomWidth);
}

TEST(PainterCanvas, EscapementTurnsTextCounterClockwise)
{
    const QImage img = draw(100, 200, CanvasMapping::device(), [](PainterCanvas& c) {
        c.setFont({16, FontFace::Default, 400, 900});
        c.text({50, 180}, "MMMMMMMM", TextAlign::LeftBaseline);
    });
    const InkBox b = inkBox(img);
    EXPECT_GT(b.bottom - b.top, 3 * (b.right - b.left)); // tall and narrow
    EXPECT_LE(b.bottom, 181);                            // it reads upwards from the anchor
    EXPECT_LE(b.right, 52);                              // glyphs left of the baseline
}

TEST(PainterCanvas, SymbolFaceDrawsOhmAndLambda)
{
    const auto render = [](const char* text, FontFace face) {
        return draw(60, 40, CanvasMapping::device(), [&](PainterCanvas& c) {
            c.setFont({24, face, 400, 0});
            c.text({5, 30}, text, TextAlign::LeftBaseline);
        });
    };
    EXPECT_EQ(render("W", FontFace::Symbol), render("\xce\xa9", FontFace::Default));
    EXPECT_EQ(render("l", FontFace::Symbol), render("\xce\xbb", FontFace::Default));
    EXPECT_NE(render("W", FontFace::Symbol), render("W", FontFace::Default));
}

TEST(PainterCanvas, FontHeightsAreCellHeights)
{
    QImage img(10, 10, QImage::Format_RGB32);
    QPainter p(&img);
    PainterCanvas c(p, CanvasMapping::device());
    for (int h : {10, 13, 15, 16, 50}) {
        c.setFont({h, FontFace::Default, 400, 0});
        const TextMetrics m = c.metrics();
        EXPECT_NEAR(m.height, h, 1) << h;
        EXPECT_GT(m.averageCharWidth, 0);
        EXPECT_GE(m.maxCharWidth, m.averageCharWidth);
        EXPECT_GT(c.textWidth("0123456789"), c.textWidth("01234"));
    }
    c.setFont({14, FontFace::Fixed, 400, 0});
    EXPECT_EQ(c.textWidth("iiii"), c.textWidth("MMMM"));
}

TEST(PainterCanvas, HugeShapesAreClippedNotLost)
{
    QElapsedTimer timer;
    timer.start();
    const QImage img = draw(200, 200, CanvasMapping::chart(100, 100), [](PainterCanvas& c) {
        // The bottom of a circle of radius 1e9 passes through y = 50.
        c.ellipse(-1000000000, 2000000050, 1000000000, 50);
        c.moveTo({-2000000000, -50});
        c.lineTo({2000000000, -50});
        c.arc(-1000000000, -50, 1000000000, -2000000050, {0, -50}, {-1000000000, -1000000050});
    });
    EXPECT_LT(timer.elapsed(), 2000);
    for (int x : {5, 100, 195}) {
        EXPECT_TRUE(inked(img, x, 50) || inked(img, x, 49) || inked(img, x, 51)) << x;
        EXPECT_TRUE(inked(img, x, 150) || inked(img, x, 151)) << x;
    }
    // The arc: the top of the lower circle from its top point leftwards.
    EXPECT_TRUE(inked(img, 20, 150) || inked(img, 20, 151));
}

TEST(PainterCanvas, RectanglesCoverWhatIsBelow)
{
    const QImage img = draw(50, 50, CanvasMapping::device(), [](PainterCanvas& c) {
        c.setPen({PenStyle::Solid, 3, rgb(0, 0, 0)});
        c.moveTo({0, 25});
        c.lineTo({50, 25});
        c.setPen({PenStyle::Solid, 1, rgb(255, 0, 0)});
        c.rectangle(10, 10, 40, 40);
    });
    EXPECT_EQ(img.pixel(25, 25), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(10, 25), qRgb(255, 0, 0));
    EXPECT_TRUE(inked(img, 5, 25));
}

TEST(PainterCanvas, BitmapsAreDrawnUprightAndStretched)
{
    Bitmap b(4, 2);
    b.set(0, 0);
    const QImage img = draw(20, 20, CanvasMapping::chart(0, 20), [&](PainterCanvas& c) {
        c.bitmap(b, {2, 18}, 8, 4); // device (2, 2)
    });
    EXPECT_EQ(img.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(4, 2), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(2, 4), qRgb(255, 255, 255));
}

int countPixels(const QImage& img, const std::function<bool(QRgb)>& pred)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += pred(img.pixel(x, y)) ? 1 : 0;
    return n;
}

TEST(ChartImage, ClipboardPictureIsFixedSizeBlackOrColoured)
{
    Design d = everyKindDesign();
    Settings s;
    const QImage bw = copyChartToClipboard(d, s, false);
    EXPECT_EQ(bw.size(), QSize(600, 600));
    const auto greenish = [](QRgb c) { return qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60; };
    const auto reddish = [](QRgb c) { return qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60; };
    EXPECT_EQ(countPixels(bw, greenish), 0);
    EXPECT_GT(countPixels(bw, reddish), 0); // the start point's square stays red
    const QImage colour = copyChartToClipboard(d, s, true);
    EXPECT_GT(countPixels(colour, greenish), 1000);

    // Whatever the window's zoom, the picture is drawn at zoom 1.
    Settings zoomed = s;
    zoomed.zoom = 4.0f;
    EXPECT_EQ(copyChartToClipboard(d, zoomed, true), colour);
}

} // namespace
} // namespace zelvo

namespace zelvo {
namespace {

using namespace zelvo::testing;

TEST(ChartImage, ExtremeDesignsDrawQuickly)
{
    Design d = everyKindDesign();
    addCircles(d);
    // Saturated and non-finite impedances, and contours that are not circles.
    addPoint(d, DOUBLE_BIG, -DOUBLE_BIG);
    addPoint(d, std::nan(""), 0);
    addPoint(d, -50, 0);
    d.elements[static_cast<std::size_t>(d.elementCount - 1)].xEnd = DOUBLE_BIG;
    d.qCircles[d.qCount++] = 1e-30f;
    d.qCircles[d.qCount++] = -2.0f;
    d.vswrCircles[d.vswrCount++] = -1.0f;
    d.vswrCircles[d.vswrCount++] = 3e38f;
    GainCircleRecord g;
    g.p = 1e30f;
    g.s = sampleTwoPort();
    d.gainCircles[static_cast<std::size_t>(d.gainCount++)] = g;
    addWideband(d);
    d.widebandR[0] = DOUBLE_BIG;
    ChartStyle style = chartStyle(Settings{}, true, GridMode::Chart);
    style.lineWidth = 5;
    for (float zoom : {0.01f, 1.0f, 16.0f, 50.0f}) {
        ChartGeometry geometry;
        geometry.baseRadius = 290;
        geometry.zoom = zoom;
        QImage image(600, 600, QImage::Format_RGB32);
        QElapsedTimer timer;
        timer.start();
        paintChartImage(image, d, style, geometry);
        EXPECT_LT(timer.elapsed(), 3000) << zoom;
        // And through QPainter's own lines, as on a widget.
        QImage other(600, 600, QImage::Format_RGB32);
        other.fill(Qt::white);
        QPainter p(&other);
        p.setClipRect(0, 0, 600, 600);
        PainterCanvas c(p, CanvasMapping::chart(300, 300));
        renderChart(c, d, style, geometry);
        p.end();
        EXPECT_LT(timer.elapsed(), 6000) << zoom;
    }
}

} // namespace
} // namespace zelvo
