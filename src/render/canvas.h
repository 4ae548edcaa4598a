// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The one drawing surface every view paints on: a window, an off-screen image,
// a printer page, or the recording canvas of the tests. Coordinates are logical
// integers; the implementation decides how they map to the device (chart views
// use y up with the origin at the chart centre).
#include "model/settings.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace zelvo {

struct Bitmap;

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

enum class PenStyle : std::uint8_t { Solid, Dotted, Dashed };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Colour colour = rgb(0, 0, 0);
    friend constexpr bool operator==(const Pen&, const Pen&) = default;
};

// Symbol draws the Greek letters of the classic symbol character set: "W" is
// an ohm sign and "l" a lambda. Fixed is the fixed-pitch face of the text views.
enum class FontFace : std::uint8_t { Default, Symbol, Fixed };

struct Font {
    int height = 16;      // character cell height in logical units
    FontFace face = FontFace::Default;
    int weight = 400;     // 100 thin .. 400 normal .. 700 bold
    int escapement = 0;   // tenths of a degree, counter-clockwise: 900 reads upwards
    friend constexpr bool operator==(const Font&, const Font&) = default;
};

// Where the anchor point lies on the text (along its baseline direction when
// the text is turned).
enum class TextAlign : std::uint8_t {
    LeftTop,
    CentreTop,
    LeftBaseline,
    CentreBaseline,
    RightBaseline,
    LeftBottom,   // the bottom of the character cell, below the descenders
    CentreBottom,
};

struct TextMetrics {
    int height = 0;           // ascent + descent
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setPen(const Pen& pen) = 0;
    virtual void setFont(const Font& font) = 0;
    virtual void setTextColour(Colour colour) = 0;
    virtual TextMetrics metrics() = 0;
    // Advance width of the text in the current font.
    virtual int textWidth(std::string_view utf8) = 0;

    // Pen, font and text colour are saved and restored together.
    virtual void save() = 0;
    virtual void restore() = 0;

    // Outline of the ellipse inscribed in the box; never filled.
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // Part of the ellipse inscribed in the box, running counter-clockwise (in
    // logical coordinates, y up) from the ray through start to the ray through
    // end. Equal rays draw nothing.
    virtual void arc(int left, int top, int right, int bottom, Point start, Point end) = 0;
    virtual void moveTo(Point p) = 0;
    virtual void lineTo(Point p) = 0;
    virtual void polyline(std::span<const Point> points) = 0;
    // Outline in the pen, inside filled with the white background.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void text(Point anchor, std::string_view utf8, TextAlign align) = 0;
    // A monochrome picture, upright, its top-left corner at the point, stretched
    // to width x height device pixels.
    virtual void bitmap(const Bitmap& image, Point topLeft, int width, int height) = 0;
};

// Saves the canvas state for the lifetime of the guard.
class CanvasStateGuard {
public:
    explicit CanvasStateGuard(Canvas& c) : canvas_(c) { canvas_.save(); }
    ~CanvasStateGuard() { canvas_.restore(); }
    CanvasStateGuard(const CanvasStateGuard&) = delete;
    CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

private:
    Canvas& canvas_;
};

} // namespace zelvo
