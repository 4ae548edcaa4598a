// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The canvas over a QPainter: an image, a widget's paint event or a printer
// page. Antialiased; logical coordinates are device pixels moved to an origin
// and, for chart views, with y pointing up. Text is never mirrored.
#include "render/canvas.h"
#include "render/thin_lines.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRawFont>
#include <QRectF>

#include <optional>
#include <vector>

namespace zelvo {

struct CanvasMapping {
    int originX = 0; // device position of the logical origin
    int originY = 0;
    bool yUp = false;

    static CanvasMapping device() { return {0, 0, false}; }
    static CanvasMapping chart(int cx, int cy) { return {cx, cy, true}; }
};

class PainterCanvas final : public Canvas {
public:
    // The painter must be active on its device for the lifetime of the canvas.
    PainterCanvas(QPainter& painter, CanvasMapping mapping);

    // Pen widths are screen pixels; a page of a finer device multiplies them
    // so that lines keep a visible width on paper.
    void setPenScale(double scale);

    void setPen(const Pen& pen) override;
    void setFont(const Font& font) override;
    void setTextColour(Colour colour) override;
    TextMetrics metrics() override;
    int textWidth(std::string_view utf8) override;
    void save() override;
    void restore() override;

    void ellipse(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, Point start, Point end) override;
    void moveTo(Point p) override;
    void lineTo(Point p) override;
    void polyline(std::span<const Point> points) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void text(Point anchor, std::string_view utf8, TextAlign align) override;
    void bitmap(const Bitmap& image, Point topLeft, int width, int height) override;

private:
    struct FontEntry {
        QFont font;
        QRawFont raw; // laid-out glyphs skip the shaping that drawText does per call
        TextMetrics metrics;
        qreal ascent = 0;
        qreal descent = 0;
    };
    struct State {
        Pen pen;
        Font font;
        Colour textColour = 0;
    };

    QPointF toDevice(Point p) const;   // pixel centre of a logical point
    QPointF toDevice(double x, double y) const;
    bool nearView(QPointF p) const;    // safe to hand to QPainter as it is
    void applyStrokePen();
    void applyTextPen();
    bool textMayShow(QPointF at, TextAlign align, const FontEntry& fe) const;
    const FontEntry& currentFont();
    QString displayText(std::string_view utf8) const;
    // Glyphs and their pen positions from 0; false when the face lacks one.
    bool layOut(const FontEntry& fe, const QString& s, double& width);
    // A curve too large for QPainter: only its part near the view, as a polyline.
    void strokeHugeArc(QPointF centre, double radius, double startDeg, double sweepDeg);
    void strokeClippedSegment(QPointF a, QPointF b);
    // Thin solid lines on an image go straight into its pixels.
    bool fastStroke() const;
    void strokeArc(QPointF centre, double radius, double startDeg, double sweepDeg);
    void strokePoints(const std::vector<DevicePoint>& points);

    QPainter& painter_;
    CanvasMapping mapping_;
    QRectF view_;      // the device area, widened by a margin
    bool bounded_ = false; // the device has a size: text beyond view_ is skipped
    State state_;
    std::vector<State> stack_;
    QPointF position_;
    enum class Applied : std::uint8_t { None, Stroke, Text } applied_ = Applied::None;
    QHash<quint64, FontEntry> fonts_;
    std::optional<ThinLineRaster> raster_;
    std::vector<DevicePoint> scratch_;
    QList<quint32> glyphs_;
    QList<QPointF> positions_;
    qreal fontScale_ = 0; // cell height per pixel size of the default face
    double penScale_ = 1.0;
    bool plainText_ = false; // the surface keeps text as text only from drawText
};

QColor toQColor(Colour c);

} // namespace zelvo
