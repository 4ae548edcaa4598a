// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/recording_canvas.h"

namespace zelvo {

TextMetrics RecordingCanvas::metrics()
{
    const int h = state_.font.height;
    return {h, externalLeading, h / 2, h};
}

int RecordingCanvas::textWidth(std::string_view utf8)
{
    int chars = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++chars;
    return chars * metrics().averageCharWidth;
}

void RecordingCanvas::restore()
{
    if (stack_.empty())
        return;
    state_ = stack_.back();
    stack_.pop_back();
}

DrawCall RecordingCanvas::make(DrawOp op) const
{
    DrawCall c;
    c.op = op;
    c.pen = state_.pen;
    c.font = state_.font;
    c.textColour = state_.textColour;
    return c;
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom)
{
    DrawCall c = make(DrawOp::Ellipse);
    c.v[0] = left;
    c.v[1] = top;
    c.v[2] = right;
    c.v[3] = bottom;
    calls.push_back(std::move(c));
}

void RecordingCanvas::arc(int left, int top, int right, int bottom, Point start, Point end)
{
    DrawCall c = make(DrawOp::Arc);
    c.v[0] = left;
    c.v[1] = top;
    c.v[2] = right;
    c.v[3] = bottom;
    c.v[4] = start.x;
    c.v[5] = start.y;
    c.v[6] = end.x;
    c.v[7] = end.y;
    calls.push_back(std::move(c));
}

void RecordingCanvas::moveTo(Point p)
{
    DrawCall c = make(DrawOp::MoveTo);
    c.v[0] = p.x;
    c.v[1] = p.y;
    position_ = p;
    calls.push_back(std::move(c));
}

void RecordingCanvas::lineTo(Point p)
{
    DrawCall c = make(DrawOp::LineTo);
    c.v[0] = p.x;
    c.v[1] = p.y;
    c.v[2] = position_.x;
    c.v[3] = position_.y;
    position_ = p;
    calls.push_back(std::move(c));
}

void RecordingCanvas::polyline(std::span<const Point> points)
{
    DrawCall c = make(DrawOp::Polyline);
    c.points.assign(points.begin(), points.end());
    calls.push_back(std::move(c));
}

void RecordingCanvas::rectangle(int left, int top, int right, int bottom)
{
    DrawCall c = make(DrawOp::Rectangle);
    c.v[0] = left;
    c.v[1] = top;
    c.v[2] = right;
    c.v[3] = bottom;
    calls.push_back(std::move(c));
}

void RecordingCanvas::text(Point anchor, std::string_view utf8, TextAlign align)
{
    DrawCall c = make(DrawOp::Text);
    c.v[0] = anchor.x;
    c.v[1] = anchor.y;
    c.text = std::string(utf8);
    c.align = align;
    calls.push_back(std::move(c));
}

void RecordingCanvas::bitmap(const zelvo::Bitmap& image, Point topLeft, int width, int height)
{
    DrawCall c = make(DrawOp::Bitmap);
    c.v[0] = topLeft.x;
    c.v[1] = topLeft.y;
    c.v[2] = width;
    c.v[3] = height;
    c.image = image;
    calls.push_back(std::move(c));
}

std::vector<DrawCall> RecordingCanvas::ofKind(DrawOp op) const
{
    std::vector<DrawCall> out;
    for (const DrawCall& c : calls)
        if (c.op == op)
            out.push_back(c);
    return out;
}

std::vector<std::string> RecordingCanvas::texts() const
{
    std::vector<std::string> out;
    for (const DrawCall& c : calls)
        if (c.op == DrawOp::Text)
            out.push_back(c.text);
    return out;
}

const DrawCall* RecordingCanvas::findText(std::string_view text) const
{
    for (const DrawCall& c : calls)
        if (c.op == DrawOp::Text && c.text == text)
            return &c;
    return nullptr;
}

} // namespace zelvo
