// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/yagi_drawing.h"

#include <QPainter>

#include <array>

namespace wendra {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 548;
constexpr int kBoomX = 300;
constexpr int kDimX = 112;
constexpr int kLongestHalf = 165;

// Relative lengths in thousandths, reflector first; only the proportions
// are drawn.
constexpr std::array<int, YagiDrawing::kElements> kLength{980, 950, 900, 880, 860, 840,
                                                           820, 800, 780, 760, 740};

int halfLength(int i) { return kLongestHalf * kLength[i] / kLength[0]; }

} // namespace

int YagiDrawing::rowY(int i)
{
    // With 3 elements the mask ends at 240 + 5970 twips = 414 px; row "c"
    // sits 12 px below that, so its label stays visible while the spacing
    // label "C" half a row above it is covered. Each element adds one pitch.
    return twipsToPixels(240 + 5970) + 12 - (i - 2) * kRowPitch;
}

YagiDrawing::YagiDrawing(QWidget* parent) : Drawing(QSize(kWidth, kHeight), parent)
{
    static const char* const elementNames[kElements] = {"a", "b", "c", "d", "e", "f",
                                                         "g", "h", "i", "j", "k"};
    for (int i = 0; i < kElements; ++i)
        addLabel(QStringLiteral("Label%1").arg(40 - i), QString::fromLatin1(elementNames[i]),
                 QPoint(kBoomX + kLongestHalf + 12, rowY(i)), Qt::AlignLeft | Qt::AlignVCenter);
    for (int s = 0; s < kElements - 1; ++s)
        addLabel(QStringLiteral("Label%1").arg(27 - s), QString(QChar('A' + s)),
                 QPoint(kDimX - 10, rowY(s) - kRowPitch / 2), Qt::AlignRight | Qt::AlignVCenter);

    mask_ = new QLabel(QStringLiteral("单位：mm"), this);
    mask_->setObjectName(QStringLiteral("Label28"));
    mask_->setAutoFillBackground(true);
    QPalette pal = mask_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    mask_->setPalette(pal);
    mask_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The shortest mask is 14 px high; its caption must fit into it. An
    // indent would also push the text down from the top edge.
    mask_->setIndent(0);
    mask_->setContentsMargins(6, 0, 0, 0);
    QFont f = mask_->font();
    f.setPixelSize(11);
    mask_->setFont(f);
    mask_->raise();
    setMaskHeightTwips(210);
}

void YagiDrawing::setMaskHeightTwips(int twips)
{
    mask_->setGeometry(1, kMaskTop, kWidth - 2, twipsToPixels(twips));
}

void YagiDrawing::paintDrawing(QPainter& p)
{
    const int top = rowY(kElements - 1) - 16;
    const int bottom = rowY(0) + 16;

    p.setPen(QPen(QColor(120, 120, 120), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(kBoomX, top, kBoomX, bottom);

    for (int i = 0; i < kElements; ++i) {
        const int y = rowY(i);
        const int h = halfLength(i);
        p.setPen(QPen(i == 1 ? QColor(180, 30, 30) : Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(kBoomX - h, y, kBoomX + h, y);
        // Leader from the element's end to its value label.
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
        p.drawLine(kBoomX + h + 3, y, kBoomX + kLongestHalf + 8, y);
        // Extension to the spacing dimension on the left.
        p.drawLine(kDimX - 4, y, kBoomX - h - 3, y);
    }
    // The driven element is fed at its middle through the feed box.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRect(kBoomX - 9, rowY(1) - 7, 18, 14));

    for (int s = 0; s < kElements - 1; ++s)
        dimensionLine(p, QPointF(kDimX, rowY(s)), QPointF(kDimX, rowY(s + 1)));
}

} // namespace wendra
