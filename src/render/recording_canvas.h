// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A canvas that draws nothing and keeps every call with its exact logical
// coordinates and the state it was made in, so that tests can check geometry.
#include "render/bitmap.h"
#include "render/canvas.h"

#include <string>
#include <vector>

namespace zelvo {

enum class DrawOp : std::uint8_t { Ellipse, Arc, MoveTo, LineTo, Polyline, Rectangle, Text, Bitmap };

struct DrawCall {
    DrawOp op = DrawOp::Ellipse;
    // Ellipse, Rectangle: left, top, right, bottom. Arc: the box, then start x,
    // y and end x, y. MoveTo, LineTo: x, y (LineTo also from x, y in 2, 3).
    // Text: x, y. Bitmap: x, y, width, height.
    int v[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    std::vector<Point> points; // Polyline
    std::string text;
    TextAlign align = TextAlign::LeftTop;
    zelvo::Bitmap image; // a copy: pictures may be temporaries of the caller
    Pen pen;
    Font font;
    Colour textColour = 0;

    // Centre and radius of a circle or arc whose box is a square.
    int centreX() const { return (v[0] + v[2]) / 2; }
    int centreY() const { return (v[1] + v[3]) / 2; }
    int radius() const { return (v[2] - v[0]) / 2; }
};

// Deterministic metrics so that tests can compute text positions: the cell
// height is the font height, average width half of it, maximum width equal to
// it, external leading fixed.
class RecordingCanvas final : public Canvas {
public:
    static constexpr int externalLeading = 2;

    std::vector<DrawCall> calls;

    void setPen(const Pen& pen) override { state_.pen = pen; }
    void setFont(const Font& font) override { state_.font = font; }
    void setTextColour(Colour colour) override { state_.textColour = colour; }
    TextMetrics metrics() override;
    // Characters times the average width, the classic estimate.
    int textWidth(std::string_view utf8) override;
    void save() override { stack_.push_back(state_); }
    void restore() override;

    void ellipse(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, Point start, Point end) override;
    void moveTo(Point p) override;
    void lineTo(Point p) override;
    void polyline(std::span<const Point> points) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void text(Point anchor, std::string_view utf8, TextAlign align) override;
    void bitmap(const zelvo::Bitmap& image, Point topLeft, int width, int height) override;

    const Pen& pen() const { return state_.pen; }
    const Font& font() const { return state_.font; }
    Colour textColour() const { return state_.textColour; }
    int saveDepth() const { return static_cast<int>(stack_.size()); }

    std::vector<DrawCall> ofKind(DrawOp op) const;
    std::vector<std::string> texts() const;
    // The first text call with exactly this text; nullptr when none.
    const DrawCall* findText(std::string_view text) const;

private:
    struct State {
        Pen pen;
        Font font;
        Colour textColour = 0;
    };
    DrawCall make(DrawOp op) const;

    State state_;
    std::vector<State> stack_;
    Point position_;
};

} // namespace zelvo
