// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/colours_dialog.h"

#include "ui/app_state.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo {

// toQColor is the painter canvas's (render/painter_canvas.cpp): a second
// definition here breaks every program that links both.

Colour fromQColor(const QColor& c)
{
    return rgb(c.red(), c.green(), c.blue());
}

ColourSwatch::ColourSwatch(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::setColour(const QColor& colour)
{
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int frame = isDown() || hasFocus() ? 3 : 1;
    p.fillRect(rect(), palette().color(QPalette::WindowText));
    p.fillRect(rect().adjusted(frame, frame, -frame, -frame), colour_);
}

namespace {

constexpr const char* swatchLabels[ColoursDialog::swatchCount] = {
    QT_TRANSLATE_NOOP("ColoursDialog", "Z-Plane"),
    QT_TRANSLATE_NOOP("ColoursDialog", "Y-Plane"),
    QT_TRANSLATE_NOOP("ColoursDialog", "Data points"),
    QT_TRANSLATE_NOOP("ColoursDialog", "Elements"),
    QT_TRANSLATE_NOOP("ColoursDialog", "Q-ellipses"),
    QT_TRANSLATE_NOOP("ColoursDialog", "Stability-circles"),
    QT_TRANSLATE_NOOP("ColoursDialog", "Gain-circles"),
    QT_TRANSLATE_NOOP("ColoursDialog", "VSWR-circles"),
    QT_TRANSLATE_NOOP("ColoursDialog", "Wideband-lines"),
    QT_TRANSLATE_NOOP("ColoursDialog", "Noise-circles")};

} // namespace

ColoursDialog::ColoursDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("ColoursDialog", "Colors"));
    setHelpKeyword(QStringLiteral("Colors"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    // Two columns of five, read down each column.
    for (int i = 0; i < swatchCount; ++i) {
        saved_[static_cast<std::size_t>(i)] = colourOf(i);
        auto* swatch = new ColourSwatch(this);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(i));
        swatch->setColour(toQColor(colourOf(i)));
        swatch->setToolTip(QCoreApplication::translate("ColoursDialog", "Click to choose the colour"));
        swatches_[static_cast<std::size_t>(i)] = swatch;
        connect(swatch, &QAbstractButton::clicked, this, [this, i] { choose(i); });
        auto* label = new QLabel(QCoreApplication::translate("ColoursDialog", swatchLabels[i]), this);
        label->setBuddy(swatch);
        const int column = (i / 5) * 2;
        grid->addWidget(swatch, i % 5, column);
        grid->addWidget(label, i % 5, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ColoursDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(swatches_.back(), ok);
}

Colour& ColoursDialog::colourOf(int index) const
{
    Settings& s = state_.settings;
    Colour* colours[swatchCount] = {
        &s.zChartColour,    &s.yChartColour, &s.dataPointColour, &s.elementColour,  &s.qColour,
        &s.stabilityColour, &s.gainColour,   &s.vswrColour,      &s.widebandColour, &s.noiseColour};
    return *colours[index];
}

void ColoursDialog::choose(int index)
{
    if (!platform_.chooseColour)
        return;
    const std::optional<QColor> chosen = platform_.chooseColour(this, toQColor(colourOf(index)));
    if (!chosen || !chosen->isValid())
        return;
    colourOf(index) = fromQColor(*chosen);
    swatches_[static_cast<std::size_t>(index)]->setColour(toQColor(colourOf(index)));
    if (onChange_)
        onChange_();
}

void ColoursDialog::reject()
{
    bool changed = false;
    for (int i = 0; i < swatchCount; ++i) {
        changed = changed || colourOf(i) != saved_[static_cast<std::size_t>(i)];
        colourOf(i) = saved_[static_cast<std::size_t>(i)];
    }
    if (changed && onChange_)
        onChange_();
    QDialog::reject();
}

} // namespace zelvo
