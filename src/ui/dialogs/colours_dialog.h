// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Colors": ten swatches for the colours of the chart's objects. A chosen
// colour takes effect at once; Cancel restores all ten as they were.
#include "model/settings.h"
#include "ui/dialogs/dialog_support.h"

#include <QAbstractButton>
#include <array>
#include <functional>

namespace zelvo {

QColor toQColor(Colour c);
Colour fromQColor(const QColor& c);

// An owner-drawn button filled with its colour; the frame is 3 pixels wide
// while it is pressed or focused, 1 pixel otherwise.
class ColourSwatch : public QAbstractButton {
    Q_OBJECT
  public:
    explicit ColourSwatch(QWidget* parent);
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }
    QSize sizeHint() const override { return {56, 26}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

class ColoursDialog : public ZelvoDialog {
  public:
    static constexpr int swatchCount = 10;

    ColoursDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

    // Called after every colour change, so that the chart can show it at once.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    void reject() override;

  private:
    Colour& colourOf(int index) const;
    void choose(int index);

    std::array<Colour, swatchCount> saved_{};
    std::array<ColourSwatch*, swatchCount> swatches_{};
    std::function<void()> onChange_;
};

} // namespace zelvo
