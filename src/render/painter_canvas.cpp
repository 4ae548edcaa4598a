// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/painter_canvas.h"

#include "core/numeric.h"
#include "render/bitmap.h"
#include "render/clip.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelvo {

namespace {

// QPainter's raster engine loses precision and may stall on coordinates far
// outside the device; shapes are cut down to this margin around it first.
constexpr double viewMargin = 64.0;
// Solid lines up to this width go straight into an image's pixels.
constexpr int maxRasterWidth = 9;
// Circles larger than this are stroked as polylines of their visible part.
constexpr double hugeRadius = 32768.0;
constexpr double degPerRad = 180.0 / std::numbers::pi;

QString fromUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The letters of the classic symbol character set that the views use.
QString symbolText(QString s)
{
    for (QChar& c : s) {
        if (c == QLatin1Char('W'))
            c = QChar(0x03A9); // ohm sign as the Greek capital omega
        else if (c == QLatin1Char('l'))
            c = QChar(0x03BB); // lambda
    }
    return s;
}

QFont baseFont(FontFace face)
{
    QFont f;
    if (face == FontFace::Fixed) {
        f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                       QStringLiteral("Monospace")});
        f.setStyleHint(QFont::Monospace);
        f.setFixedPitch(true);
    } else {
        f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Sans Serif")});
        f.setStyleHint(QFont::SansSerif);
    }
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

quint64 fontKey(const Font& f)
{
    return (static_cast<quint64>(static_cast<std::uint32_t>(f.height)) << 32) |
           (static_cast<quint64>(f.face) << 24) |
           static_cast<quint64>(static_cast<std::uint16_t>(f.weight));
}

// Angle of v in degrees, in [0, 360).
double angleDeg(double y, double x)
{
    double a = std::atan2(y, x) * degPerRad;
    if (a < 0)
        a += 360.0;
    return a;
}

} // namespace

QColor toQColor(Colour c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

PainterCanvas::PainterCanvas(QPainter& painter, CanvasMapping mapping)
    : painter_(painter), mapping_(mapping)
{
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setBrush(Qt::NoBrush);
    QRectF device;
    if (const QPaintDevice* d = painter_.device())
        device = QRectF(0, 0, d->width(), d->height());
    bool invertible = false;
    const QTransform inverse = painter_.worldTransform().inverted(&invertible);
    if (invertible)
        device = inverse.mapRect(device);
    bounded_ = !device.isEmpty();
    view_ = device.adjusted(-viewMargin, -viewMargin, viewMargin, viewMargin);
    // An SVG file gets no characters from glyph runs: its text would be empty.
    plainText_ = painter_.paintEngine() && painter_.paintEngine()->type() == QPaintEngine::SVG;

    QPaintDevice* d = painter_.device();
    if (d && d->devType() == QInternal::Image && painter_.deviceTransform().isIdentity() &&
        !painter_.hasClipping() && painter_.opacity() == 1.0 &&
        painter_.compositionMode() == QPainter::CompositionMode_SourceOver) {
        auto* image = static_cast<QImage*>(d);
        const QImage::Format f = image->format();
        if (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied)
            raster_.emplace(reinterpret_cast<std::uint32_t*>(image->bits()), image->width(),
                            image->height(), image->bytesPerLine() / 4);
    }
}

QPointF PainterCanvas::toDevice(double x, double y) const
{
    // +0.5: integer logical points are pixel centres, so 1-pixel lines stay crisp.
    return {mapping_.originX + x + 0.5,
            (mapping_.yUp ? mapping_.originY - y : mapping_.originY + y) + 0.5};
}

QPointF PainterCanvas::toDevice(Point p) const
{
    return toDevice(static_cast<double>(p.x), static_cast<double>(p.y));
}

bool PainterCanvas::nearView(QPointF p) const
{
    return std::abs(p.x() - view_.center().x()) < hugeRadius &&
           std::abs(p.y() - view_.center().y()) < hugeRadius;
}

void PainterCanvas::setPen(const Pen& pen)
{
    state_.pen = pen;
    if (applied_ == Applied::Stroke)
        applied_ = Applied::None;
}

void PainterCanvas::setPenScale(double scale)
{
    penScale_ = std::isfinite(scale) ? std::clamp(scale, 0.01, 100.0) : 1.0;
    applied_ = Applied::None;
}

void PainterCanvas::setFont(const Font& font)
{
    state_.font = font;
}

void PainterCanvas::setTextColour(Colour colour)
{
    state_.textColour = colour;
    if (applied_ == Applied::Text)
        applied_ = Applied::None;
}

void PainterCanvas::save()
{
    stack_.push_back(state_);
}

void PainterCanvas::restore()
{
    if (stack_.empty())
        return;
    state_ = stack_.back();
    stack_.pop_back();
    applied_ = Applied::None;
}

void PainterCanvas::applyStrokePen()
{
    if (applied_ == Applied::Stroke)
        return;
    const Pen& p = state_.pen;
    QPen pen(toQColor(p.colour));
    pen.setWidthF(std::clamp(p.width, 1, 1000) * penScale_);
    if (p.style == PenStyle::Dotted) {
        pen.setStyle(Qt::DotLine);
        pen.setCapStyle(Qt::FlatCap);
    } else if (p.style == PenStyle::Dashed) {
        pen.setStyle(Qt::DashLine);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    applied_ = Applied::Stroke;
}

void PainterCanvas::applyTextPen()
{
    if (applied_ == Applied::Text)
        return;
    painter_.setPen(QPen(toQColor(state_.textColour)));
    applied_ = Applied::Text;
}

const PainterCanvas::FontEntry& PainterCanvas::currentFont()
{
    Font key = state_.font;
    key.escapement = 0;
    const quint64 k = fontKey(key);
    auto it = fonts_.find(k);
    if (it != fonts_.end())
        return *it;

    QFont f = baseFont(key.face);
    // Heights are character cell heights (ascent + descent), as the views
    // were laid out for; Qt sizes fonts by their em instead.
    f.setPixelSize(100);
    const QFontMetricsF probe(f);
    const double cellPerPixel = (probe.ascent() + probe.descent()) / 100.0;
    const int height = std::clamp(key.height, 1, 4000);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(height / cellPerPixel))));
    // Weights below normal would be hair-thin on screen; no classic face had them.
    f.setWeight(static_cast<QFont::Weight>(std::clamp(key.weight, 400, 900)));

    const QFontMetrics fm(f);
    FontEntry e;
    e.font = f;
    e.raw = QRawFont::fromFont(f);
    e.ascent = fm.ascent();
    e.descent = fm.descent();
    e.metrics.height = fm.ascent() + fm.descent();
    e.metrics.externalLeading = std::max(0, fm.leading());
    e.metrics.averageCharWidth = std::max(1, fm.averageCharWidth());
    e.metrics.maxCharWidth = std::max(1, fm.maxWidth());
    return *fonts_.insert(k, e);
}

TextMetrics PainterCanvas::metrics()
{
    return currentFont().metrics;
}

QString PainterCanvas::displayText(std::string_view utf8) const
{
    QString s = fromUtf8(utf8);
    return state_.font.face == FontFace::Symbol ? symbolText(std::move(s)) : s;
}

bool PainterCanvas::layOut(const FontEntry& fe, const QString& s, double& width)
{
    width = 0.0;
    if (!fe.raw.isValid())
        return false;
    glyphs_ = fe.raw.glyphIndexesForString(s);
    if (glyphs_.size() != s.size() || glyphs_.contains(0u))
        return false; // not one glyph per character, or a missing one
    const QList<QPointF> advances = fe.raw.advancesForGlyphIndexes(glyphs_);
    positions_.resize(glyphs_.size());
    for (qsizetype i = 0; i < glyphs_.size(); ++i) {
        positions_[i] = QPointF(width, 0.0);
        width += advances[i].x();
    }
    return true;
}

int PainterCanvas::textWidth(std::string_view utf8)
{
    const FontEntry& fe = currentFont();
    const QString s = displayText(utf8);
    double w = 0.0;
    if (!layOut(fe, s, w))
        w = QFontMetricsF(fe.font).horizontalAdvance(s);
    return toInt(std::ceil(w));
}

void PainterCanvas::strokeClippedSegment(QPointF a, QPointF b)
{
    const auto range = clipSegment(a.x(), a.y(), b.x(), b.y(), view_.left(), view_.top(),
                                   view_.right(), view_.bottom());
    if (!range)
        return;
    const auto [t0, t1] = *range;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    painter_.drawLine(QPointF(a.x() + t0 * dx, a.y() + t0 * dy),
                      QPointF(a.x() + t1 * dx, a.y() + t1 * dy));
}

void PainterCanvas::strokeHugeArc(QPointF centre, double radius, double startDeg, double sweepDeg)
{
    // Only the part of the circle within the view's circumscribed circle can
    // show: the angles within delta of the direction towards the view's centre.
    const QPointF vc = view_.center();
    const double d = std::hypot(view_.width(), view_.height()) / 2.0;
    const double ex = vc.x() - centre.x(), ey = vc.y() - centre.y();
    const double dist = std::hypot(ex, ey);
    if (std::abs(dist - radius) > d || dist == 0.0)
        return;
    const double c = (radius * radius + dist * dist - d * d) / (2.0 * radius * dist);
    const double delta = std::acos(std::clamp(c, -1.0, 1.0)) * degPerRad;
    const double towards = angleDeg(-ey, ex); // visual angle, y down on the device
    const double lo = startDeg;
    const double hi = startDeg + sweepDeg;
    for (int shift = -1; shift <= 2; ++shift) {
        const double a0 = std::max(lo, towards - delta + 360.0 * shift);
        const double a1 = std::min(hi, towards + delta + 360.0 * shift);
        if (a1 <= a0)
            continue;
        scratch_.clear();
        appendArcPoints(scratch_, centre.x(), centre.y(), radius, a0, a1 - a0);
        strokePoints(scratch_);
    }
}

bool PainterCanvas::fastStroke() const
{
    return raster_ && penScale_ == 1.0 && state_.pen.style == PenStyle::Solid && state_.pen.width <= maxRasterWidth;
}

void PainterCanvas::strokePoints(const std::vector<DevicePoint>& points)
{
    if (points.empty())
        return;
    if (fastStroke()) {
        const Colour c = state_.pen.colour;
        raster_->setColour(qRgb(redOf(c), greenOf(c), blueOf(c)));
        raster_->setWidth(std::max(1, state_.pen.width));
        raster_->polyline(points.data(), points.size());
        return;
    }
    applyStrokePen();
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const DevicePoint& p : points)
        poly << QPointF(p.x, p.y);
    painter_.drawPolyline(poly);
}

void PainterCanvas::strokeArc(QPointF centre, double radius, double startDeg, double sweepDeg)
{
    if (radius > hugeRadius || !nearView(centre)) {
        strokeHugeArc(centre, radius, startDeg, sweepDeg);
        return;
    }
    scratch_.clear();
    appendArcPoints(scratch_, centre.x(), centre.y(), radius, startDeg, sweepDeg);
    strokePoints(scratch_);
}

void PainterCanvas::ellipse(int left, int top, int right, int bottom)
{
    const QPointF a = toDevice(Point{left, top});
    const QPointF b = toDevice(Point{right, bottom});
    const QPointF centre = (a + b) / 2.0;
    const double rx = std::abs(b.x() - a.x()) / 2.0;
    const double ry = std::abs(b.y() - a.y()) / 2.0;
    if (rx == ry) {
        strokeArc(centre, rx, 0.0, 360.0);
        return;
    }
    if (std::max(rx, ry) > hugeRadius || !nearView(centre))
        return;
    applyStrokePen();
    painter_.drawEllipse(centre, rx, ry);
}

void PainterCanvas::arc(int left, int top, int right, int bottom, Point start, Point end)
{
    // Angles in logical coordinates; on a y-down mapping counter-clockwise in
    // logical terms is clockwise on the device.
    const double lcx = (static_cast<double>(left) + right) / 2.0;
    const double lcy = (static_cast<double>(top) + bottom) / 2.0;
    const double la0 = angleDeg(start.y - lcy, start.x - lcx);
    const double la1 = angleDeg(end.y - lcy, end.x - lcx);
    double sweep = la1 - la0;
    if (sweep < 0)
        sweep += 360.0;
    if (sweep == 0.0)
        return;

    const QPointF a = toDevice(Point{left, top});
    const QPointF b = toDevice(Point{right, bottom});
    const QPointF centre = (a + b) / 2.0;
    const double rx = std::abs(b.x() - a.x()) / 2.0;
    const double ry = std::abs(b.y() - a.y()) / 2.0;
    double qtStart = mapping_.yUp ? la0 : 360.0 - la0;
    double qtSweep = mapping_.yUp ? sweep : -sweep;
    if (!mapping_.yUp) {
        // Express a clockwise sweep as a counter-clockwise one from its end.
        qtStart = qtStart + qtSweep;
        qtSweep = -qtSweep;
    }
    if (qtStart >= 360.0)
        qtStart -= 360.0;
    if (qtStart < 0.0)
        qtStart += 360.0;
    if (rx == ry) {
        strokeArc(centre, rx, qtStart, qtSweep);
        return;
    }
    if (std::max(rx, ry) > hugeRadius || !nearView(centre))
        return;
    applyStrokePen();
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    QPainterPath path;
    path.arcMoveTo(box, qtStart);
    path.arcTo(box, qtStart, qtSweep);
    painter_.drawPath(path);
}

void PainterCanvas::moveTo(Point p)
{
    position_ = toDevice(p);
}

void PainterCanvas::lineTo(Point p)
{
    const QPointF to = toDevice(p);
    if (fastStroke()) {
        scratch_.assign({{position_.x(), position_.y()}, {to.x(), to.y()}});
        strokePoints(scratch_);
    } else {
        applyStrokePen();
        if (view_.contains(position_) && view_.contains(to))
            painter_.drawLine(position_, to);
        else
            strokeClippedSegment(position_, to);
    }
    position_ = to;
}

void PainterCanvas::polyline(std::span<const Point> points)
{
    if (points.size() < 2)
        return;
    if (fastStroke()) {
        scratch_.clear();
        for (Point p : points) {
            const QPointF d = toDevice(p);
            scratch_.push_back({d.x(), d.y()});
        }
        strokePoints(scratch_);
        return;
    }
    applyStrokePen();
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    bool inside = true;
    for (Point p : points) {
        const QPointF d = toDevice(p);
        inside = inside && view_.contains(d);
        poly << d;
    }
    if (inside) {
        painter_.drawPolyline(poly);
        return;
    }
    for (qsizetype i = 1; i < poly.size(); ++i)
        strokeClippedSegment(poly[i - 1], poly[i]);
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom)
{
    applyStrokePen();
    const QRectF r = QRectF(toDevice(Point{left, top}), toDevice(Point{right, bottom}))
                         .normalized()
                         .intersected(view_);
    if (r.isEmpty())
        return;
    painter_.fillRect(r, Qt::white);
    painter_.drawRect(r);
}

bool PainterCanvas::textMayShow(QPointF at, TextAlign align, const FontEntry& fe) const
{
    double top = at.y(); // of the text's cell
    switch (align) {
    case TextAlign::LeftTop:
    case TextAlign::CentreTop: break;
    case TextAlign::LeftBaseline:
    case TextAlign::CentreBaseline:
    case TextAlign::RightBaseline: top -= fe.ascent; break;
    case TextAlign::LeftBottom:
    case TextAlign::CentreBottom: top -= fe.ascent + fe.descent; break;
    }
    if (top > view_.bottom() || top + fe.ascent + fe.descent < view_.top())
        return false;
    const bool fromLeft = align == TextAlign::LeftTop || align == TextAlign::LeftBaseline ||
                          align == TextAlign::LeftBottom;
    if (fromLeft && at.x() > view_.right())
        return false;
    return !(align == TextAlign::RightBaseline && at.x() < view_.left());
}

void PainterCanvas::text(Point anchor, std::string_view utf8, TextAlign align)
{
    if (utf8.empty())
        return;
    const QPointF at = toDevice(anchor) - QPointF(0.5, 0.5);
    if (!nearView(at))
        return;
    const FontEntry& fe = currentFont();
    const int esc = state_.font.escapement % 3600;
    if (bounded_ && esc == 0 && !textMayShow(at, align, fe))
        return; // long lists and zoomed charts have most of their text out of view
    const QString s = displayText(utf8);
    applyTextPen();

    double width = 0.0;
    const bool laidOut = !plainText_ && layOut(fe, s, width);
    if (!laidOut && align != TextAlign::LeftTop && align != TextAlign::LeftBaseline &&
        align != TextAlign::LeftBottom)
        width = QFontMetricsF(fe.font).horizontalAdvance(s);
    double dx = 0.0;
    double dy = 0.0;
    switch (align) {
    case TextAlign::LeftTop: dy = fe.ascent; break;
    case TextAlign::CentreTop: dx = -width / 2.0; dy = fe.ascent; break;
    case TextAlign::LeftBaseline: break;
    case TextAlign::CentreBaseline: dx = -width / 2.0; break;
    case TextAlign::RightBaseline: dx = -width; break;
    case TextAlign::LeftBottom: dy = -fe.descent; break;
    case TextAlign::CentreBottom: dx = -width / 2.0; dy = -fe.descent; break;
    }
    const auto draw = [&](QPointF origin) {
        if (!laidOut) {
            painter_.setFont(fe.font);
            painter_.drawText(origin, s);
            return;
        }
        QGlyphRun run;
        run.setRawFont(fe.raw);
        run.setGlyphIndexes(glyphs_);
        run.setPositions(positions_);
        painter_.drawGlyphRun(origin, run);
    };

    if (esc == 0) {
        draw(QPointF(at.x() + dx, at.y() + dy));
        return;
    }
    painter_.save();
    painter_.translate(at);
    painter_.rotate(-esc / 10.0); // escapement turns counter-clockwise on the device
    draw(QPointF(dx, dy));
    painter_.restore();
}

void PainterCanvas::bitmap(const Bitmap& image, Point topLeft, int width, int height)
{
    if (image.width <= 0 || image.height <= 0 || width <= 0 || height <= 0)
        return;
    const QPointF at = toDevice(topLeft) - QPointF(0.5, 0.5);
    if (!nearView(at))
        return;
    QImage img(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < image.width; ++x)
            line[x] = image.at(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    painter_.drawImage(QRectF(at.x(), at.y(), width, height), img);
}

} // namespace zelvo
