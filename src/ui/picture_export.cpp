// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/picture_export.h"

#include "model/dialog_message.h"
#include "model/file_io.h"
#include "render/chart_objects.h"
#include "render/gain_graph.h"
#include "render/painter_canvas.h"
#include "render/splot_plots.h"
#include "render/text_views.h"
#include "ui/language.h"
#include "ui/print_pages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <functional>

namespace zelvo {

namespace {

// A picture: its size for the requested longer side, and how to paint it on
// a painter whose device has that size.
struct Picture {
    int width = 0;
    int height = 0;
    std::function<void(QPainter&)> paint;
};

// A picture laid out at a fixed logical size, scaled as a whole.
Picture scaled(int logicalWidth, int logicalHeight, int size,
               std::function<void(QPainter&)> paintLogical)
{
    const double k = static_cast<double>(size) / std::max({logicalWidth, logicalHeight, 1});
    Picture p;
    p.width = std::max(1, static_cast<int>(std::lround(logicalWidth * k)));
    p.height = std::max(1, static_cast<int>(std::lround(logicalHeight * k)));
    p.paint = [k, paintLogical = std::move(paintLogical)](QPainter& painter) {
        painter.scale(k, k);
        paintLogical(painter);
    };
    return p;
}

// The clipboard chart's proportions (radius 270 and grid labels 10 high in
// 600 pixels), drawn at the full size so that lines and texts stay sharp.
Picture chartPicture(const Design& d, const Settings& s, int size)
{
    const double k = size / 600.0;
    return {size, size, [&d, &s, size, k](QPainter& painter) {
                PainterCanvas canvas(painter, CanvasMapping::chart(size / 2, size / 2));
                canvas.setPenScale(k);
                ChartGeometry g;
                g.baseRadius = static_cast<int>(270 * k);
                g.gridFontHeight = std::max(1, static_cast<int>(10 * k));
                g.fontHeight = std::max(1, static_cast<int>(16 * k));
                renderChart(canvas, d, chartStyle(s, true, GridMode::Chart, interfaceTexts()), g);
            }};
}

// The area of the image that is not white.
QRect inkBounds(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) != 0xFFFFFF) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The printed schematic block (its texts in full, as on paper), cut to what
// it covers: found on a quarter-size drawing, then widened by a margin.
Picture schematicPicture(const Design& d, const Settings& s, int size)
{
    constexpr int probeScale = 4;
    constexpr int margin = 60;
    const int n = std::clamp(d.elementCount, 0, Design::elementCapacity);
    PageFrame page;
    page.width = (n + 12) * 160 + 2400;
    page.height = 4000;
    PageFrame small = page;
    small.width /= probeScale;
    small.height /= probeScale;
    small.sx = small.sy = 1.0 / probeScale;

    QImage probe(small.width, small.height, QImage::Format_RGB32);
    probe.fill(Qt::white);
    QPainter probing(&probe);
    {
        PainterCanvas canvas(probing, CanvasMapping::chart(small.width / 2, small.height / 2));
        drawPrintedSchematic(canvas, d, s.schematicTextAngle, small, false);
    }
    probing.end();
    QRect box = inkBounds(probe);
    box = QRect(box.topLeft() * probeScale, box.size() * probeScale)
              .adjusted(-margin, -margin, margin, margin);
    const int angle = s.schematicTextAngle;
    return scaled(box.width(), box.height(), size, [&d, angle, page, box](QPainter& painter) {
        painter.translate(-box.left(), -box.top());
        PainterCanvas canvas(painter, CanvasMapping::chart(page.width / 2, page.height / 2));
        canvas.setPenScale(3.0);
        drawPrintedSchematic(canvas, d, angle, page, false);
    });
}

Picture plotPicture(const SParamSet& set, const Settings& s, TraceCode code, int size)
{
    // The window keeps 10 pixels around its plot, but its labels grow with
    // it (a 25th of its side): the label at the top of the chart and the full
    // scale at the rim of a polar plot stuck out of a large picture. The plot
    // is drawn a label's height smaller, centred.
    const int plot = std::max(1, size - 2 * (size / 25));
    return {size, size, [&set, &s, code, size, plot](QPainter& painter) {
                PainterCanvas canvas(painter, CanvasMapping::chart(size / 2, size / 2));
                canvas.setPenScale(size / 600.0);
                if (code == TraceCode::S11 || code == TraceCode::S22)
                    paintChartPlotWindow(canvas, set, code, plot, plot, s.chartLabels, s.lineWidth);
                else
                    paintPolarPlotWindow(canvas, set, code, plot, plot, s.chartLabels, s.lineWidth);
            }};
}

Picture gainGraphPicture(const SParamSet& set, int size)
{
    constexpr int font = 16;
    // The graph at (20, 20), its axis title and two legend rows below it.
    const int height = 20 + gainGraphHeight + font * 5;
    return scaled(gainGraphWidth + 40, height, size, [&set](QPainter& painter) {
        PainterCanvas canvas(painter, CanvasMapping::device());
        paintGainGraphWindow(canvas, set, {}, font, 0, 0, nullptr, interfaceTexts());
        // A large window labels every grid line; the picture is shown large.
        drawGainLineLabels(canvas, 20, 20, gainGraphWidth, gainGraphHeight, gainGraphAxes(set),
                           font);
    });
}

// The graph as a 900 x 600 window with a 16-pixel font shows it.
Picture responsePicture(const ResponseGraph& g, int size)
{
    constexpr int width = 900, height = 600, font = 16;
    return scaled(width, height, size, [&g](QPainter& painter) {
        PainterCanvas canvas(painter, CanvasMapping::device());
        drawResponseGraph(canvas, g, width, height, font);
    });
}

Picture textPicture(std::vector<std::string> rows, int size)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter measuring(&probe);
    PainterCanvas probeCanvas(measuring, CanvasMapping::device());
    probeCanvas.setFont({textViewFontHeight, FontFace::Fixed, 400, 0});
    const TextMetrics m = probeCanvas.metrics();
    const int lineHeight = m.height + m.externalLeading;
    int width = 0;
    for (const std::string& r : rows)
        width = std::max(width, probeCanvas.textWidth(r));
    measuring.end();
    const int charWidth = m.averageCharWidth;
    const int rowCount = static_cast<int>(rows.size());
    return scaled(width + 2 * charWidth, (rowCount + 1) * lineHeight, size,
                  [rows = std::move(rows), charWidth, lineHeight](QPainter& painter) {
                      PainterCanvas canvas(painter, CanvasMapping::device());
                      canvas.setFont({textViewFontHeight, FontFace::Fixed, 400, 0});
                      canvas.setTextColour(rgb(0, 0, 0));
                      int y = lineHeight / 2;
                      for (const std::string& r : rows) {
                          canvas.text({charWidth, y}, r, TextAlign::LeftTop);
                          y += lineHeight;
                      }
                  });
}

std::optional<Picture> pictureOf(const PictureSource& src, PictureView view, int size)
{
    const bool design = src.design != nullptr && src.settings != nullptr;
    const bool sparams = src.sparams != nullptr && src.settings != nullptr;
    switch (view) {
    case PictureView::Chart:
        return design ? std::optional(chartPicture(*src.design, *src.settings, size))
                      : std::nullopt;
    case PictureView::Schematic:
        return design ? std::optional(schematicPicture(*src.design, *src.settings, size))
                      : std::nullopt;
    case PictureView::S11:
        return sparams
                   ? std::optional(plotPicture(*src.sparams, *src.settings, TraceCode::S11, size))
                   : std::nullopt;
    case PictureView::S12:
        return sparams
                   ? std::optional(plotPicture(*src.sparams, *src.settings, TraceCode::S12, size))
                   : std::nullopt;
    case PictureView::S21:
        return sparams
                   ? std::optional(plotPicture(*src.sparams, *src.settings, TraceCode::S21, size))
                   : std::nullopt;
    case PictureView::S22:
        return sparams
                   ? std::optional(plotPicture(*src.sparams, *src.settings, TraceCode::S22, size))
                   : std::nullopt;
    case PictureView::GainGraph:
        return sparams ? std::optional(gainGraphPicture(*src.sparams, size)) : std::nullopt;
    case PictureView::GainTable:
        return sparams ? std::optional(
                             textPicture(gainTableRows(*src.sparams, interfaceTexts()), size))
                       : std::nullopt;
    case PictureView::Response:
        return src.response != nullptr ? std::optional(responsePicture(*src.response, size))
                                       : std::nullopt;
    case PictureView::FileText:
        if (!sparams)
            return std::nullopt;
        return textPicture(src.sparams->loaded ? touchstoneLines(src.sparams->sourceText)
                                               : std::vector<std::string>{},
                           size);
    }
    return std::nullopt;
}

void paintOn(QPainter& painter, const Picture& picture)
{
    painter.fillRect(QRect(0, 0, picture.width, picture.height), Qt::white);
    picture.paint(painter);
}

bool writeTo(QIODevice& out, PictureFormat format, const Picture& picture, const QString& title)
{
    switch (format) {
    case PictureFormat::Png: {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        QPainter painter(&image);
        paintOn(painter, picture);
        painter.end();
        return image.save(&out, "PNG");
    }
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&out);
        svg.setSize(QSize(picture.width, picture.height));
        svg.setViewBox(QRect(0, 0, picture.width, picture.height));
        svg.setResolution(vectorPictureDpi);
        svg.setTitle(title);
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        paintOn(painter, picture);
        return painter.end();
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&out);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Zelvo"));
        pdf.setResolution(vectorPictureDpi);
        pdf.setPageSize(QPageSize(QSizeF(picture.width, picture.height) / vectorPictureDpi,
                                  QPageSize::Inch, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        paintOn(painter, picture);
        return painter.end();
    }
    }
    return false;
}

} // namespace

std::optional<PictureFormat> pictureFormatFor(const QString& path)
{
    return pictureFormatOf(QFile::encodeName(path).toStdString());
}

QStringList pictureFileFilters()
{
    return {QCoreApplication::translate("PictureExport", "PDF Files (*.pdf)"),
            QCoreApplication::translate("PictureExport", "SVG Files (*.svg)"),
            QCoreApplication::translate("PictureExport", "PNG Files (*.png)")};
}

namespace {

const char* viewName(PictureView view)
{
    switch (view) {
    case PictureView::Chart:
        return QT_TRANSLATE_NOOP("PictureExport", "Chart");
    case PictureView::Schematic:
        return QT_TRANSLATE_NOOP("PictureExport", "Schematic");
    case PictureView::S11:
        return "S11";
    case PictureView::S12:
        return "S12";
    case PictureView::S21:
        return "S21";
    case PictureView::S22:
        return "S22";
    case PictureView::GainGraph:
        return QT_TRANSLATE_NOOP("PictureExport", "gain graph");
    case PictureView::GainTable:
        return QT_TRANSLATE_NOOP("PictureExport", "gain table");
    case PictureView::FileText:
        return QT_TRANSLATE_NOOP("PictureExport", "Touchstone file");
    case PictureView::Response:
        return QT_TRANSLATE_NOOP("PictureExport", "frequency response");
    }
    return "";
}

} // namespace

QString pictureViewName(PictureView view)
{
    return QCoreApplication::translate("PictureExport", viewName(view));
}

std::string writePictureFile(const PictureSource& source, PictureView view, const std::string& path,
                             int size)
{
    const std::optional<PictureFormat> format = pictureFormatOf(path);
    if (!format)
        return "Unknown picture format of '" + path +
               "'.\nUse a name ending in .pdf, .svg or .png.";
    if (size < minPictureSize || size > maxPictureSize)
        return "The picture size must be between " + std::to_string(minPictureSize) + " and " +
               std::to_string(maxPictureSize) + " pixels.";
    const std::optional<Picture> picture = pictureOf(source, view, size);
    if (!picture)
        return "Nothing to export for the " + pictureViewName(view).toStdString() + ".";

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // English, so that the file written is the same in every language.
    const QString title = QStringLiteral("Zelvo %1").arg(QLatin1String(viewName(view)));
    std::string why;
    if (!writeTo(buffer, *format, *picture, title))
        why = "The picture could not be drawn";
    else
        writeFileReplacing(path,
                           std::string_view(buffer.data().constData(),
                                            static_cast<std::size_t>(buffer.data().size())),
                           &why);
    if (why.empty())
        return {};
    DialogMessage m;
    m.text = "Error while writing file '" + path + "'";
    return withReason(m, why).text;
}

QString exportPicture(const PictureSource& source, PictureView view, const QString& path, int size)
{
    return QString::fromLocal8Bit(
        writePictureFile(source, view, QFile::encodeName(path).toStdString(), size));
}

QString exportChartPicture(const Design& design, const Settings& settings, const QString& path,
                           int size)
{
    return exportPicture({&design, nullptr, &settings}, PictureView::Chart, path, size);
}

} // namespace zelvo
