// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/return_loss_plot.h"

#include "core/format.h"
#include "core/numeric.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

constexpr int marginLeft = 46, marginRight = 12, marginTop = 10, marginBottom = 22;
constexpr int fontHeight = 12;
constexpr Colour gridColour = rgb(210, 210, 210);
constexpr Colour networkColour = rgb(0, 0, 200);
constexpr Colour loadColour = rgb(120, 120, 120);
constexpr Colour limitColour = rgb(200, 0, 0);

double largest(const std::vector<double>& v)
{
    double m = 0.0;
    for (double x : v)
        if (std::isfinite(x))
            m = std::max(m, x);
    return m;
}

} // namespace

double plotTop(const ReturnLossPlot& p)
{
    double top = std::max(largest(p.returnLoss), largest(p.unmatched));
    // The limit is worth the room when the networks come within reach of it.
    if (p.limit && *p.limit <= 1.5 * top + 3.0)
        top = std::max(top, *p.limit);
    return std::clamp(5.0 * std::ceil(top / 5.0 + 1e-9), 5.0, 60.0);
}

void drawReturnLossPlot(Canvas& canvas, const ReturnLossPlot& p, int width, int height)
{
    const CanvasStateGuard keep(canvas);
    const int x0 = marginLeft, x1 = std::max(x0 + 10, width - marginRight);
    const int y0 = marginTop, y1 = std::max(y0 + 10, height - marginBottom);
    canvas.setFont({fontHeight});
    canvas.setTextColour(rgb(0, 0, 0));
    canvas.setPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
    canvas.rectangle(x0, y0, x1, y1);
    if (p.frequencies.size() < 2)
        return;
    const double f1 = p.frequencies.front(), f2 = p.frequencies.back();
    if (!(f2 > f1))
        return;
    const double top = plotTop(p);
    const auto xOf = [&](double f) { return x0 + toInt((f - f1) / (f2 - f1) * (x1 - x0) + 0.5); };
    const auto yOf = [&](double db) {
        return y1 - toInt(std::clamp(db, 0.0, top) / top * (y1 - y0) + 0.5);
    };

    const double step = top > 30.0 ? 10.0 : 5.0;
    for (double db = 0.0; db <= top + 1e-9; db += step) {
        if (db > 0.0 && db < top) {
            canvas.setPen({PenStyle::Solid, 1, gridColour});
            canvas.moveTo({x0 + 1, yOf(db)});
            canvas.lineTo({x1 - 1, yOf(db)});
        }
        canvas.text({x0 - 4, yOf(db) + fontHeight / 2 - 2}, printfString("%.0f dB", db),
                    TextAlign::RightBaseline);
    }
    const int base = height - 6;
    canvas.text({x0, base}, formatSi(f1, 3) + "Hz", TextAlign::LeftBaseline);
    canvas.text({(x0 + x1) / 2, base}, formatSi(0.5 * (f1 + f2), 3) + "Hz",
                TextAlign::CentreBaseline);
    canvas.text({x1, base}, formatSi(f2, 3) + "Hz", TextAlign::RightBaseline);

    const auto trace = [&](const std::vector<double>& db, const Pen& pen) {
        if (db.size() != p.frequencies.size())
            return;
        std::vector<Point> line;
        for (std::size_t i = 0; i < db.size(); ++i)
            if (std::isfinite(db[i]))
                line.push_back({xOf(p.frequencies[i]), yOf(db[i])});
        canvas.setPen(pen);
        canvas.polyline(line);
    };
    trace(p.unmatched, {PenStyle::Dotted, 1, loadColour});
    trace(p.returnLoss, {PenStyle::Solid, 2, networkColour});

    if (p.limit) {
        canvas.setTextColour(limitColour);
        const std::string label =
            fillIn(p.texts.translate("BroadbandPlot", "Bode-Fano limit %1 dB"),
                   {printfString("%.1f", *p.limit)});
        if (*p.limit <= top) {
            canvas.setPen({PenStyle::Dashed, 1, limitColour});
            canvas.moveTo({x0 + 1, yOf(*p.limit)});
            canvas.lineTo({x1 - 1, yOf(*p.limit)});
            // Above the line, or below it where the frame leaves no room.
            const int y = yOf(*p.limit);
            canvas.text({x1 - 4, y - fontHeight - 2 > y0 ? y - 3 : y + fontHeight + 1}, label,
                        TextAlign::RightBaseline);
        } else {
            canvas.text({x1 - 4, y0 + fontHeight + 2}, label + " (above)",
                        TextAlign::RightBaseline);
        }
    }
}

} // namespace zelvo
