// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/readout_panel.h"

#include "ui/font_units.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>

namespace zelvo {

ReadoutPanel::ReadoutPanel(QWidget* parent)
{
    static constexpr const char* captions[readoutCount] = {
        "Z", "Y", "r", "Q", QT_TRANSLATE_NOOP("Readouts", "VSWR"), "Zo",
        QT_TRANSLATE_NOOP("Readouts", "RL")};
    static constexpr const char* names[readoutCount] = {
        "readoutZ", "readoutY", "readoutR", "readoutQ", "readoutVswr", "readoutZo", "readoutRL"};
    for (int i = 0; i < readoutCount; ++i) {
        auto* box = new QGroupBox(QCoreApplication::translate("Readouts", captions[i]), parent);
        auto* field = new QLabel(parent);
        field->setObjectName(QString::fromLatin1(names[i]));
        field->setAlignment(Qt::AlignCenter);
        boxes_[static_cast<std::size_t>(i)] = box;
        fields_[static_cast<std::size_t>(i)] = field;
    }
}

void ReadoutPanel::show(const ReadoutTexts& t)
{
    field(Readout::Z)->setText(t.z);
    field(Readout::Y)->setText(t.y);
    field(Readout::R)->setText(t.r);
    field(Readout::Q)->setText(t.q);
    field(Readout::Vswr)->setText(t.vswr);
    field(Readout::RL)->setText(t.rl);
}

void ReadoutPanel::setZo(const QString& text)
{
    field(Readout::Zo)->setText(text);
}

QString ReadoutPanel::text(Readout which) const
{
    return field(which)->text();
}

void ReadoutPanel::place(const MainLayout& layout)
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        boxes_[i]->setGeometry(layout.boxes[i]);
        fields_[i]->setGeometry(layout.fields[i]);
        fields_[i]->raise();
    }
}

void ReadoutPanel::setVisible(bool visible)
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        boxes_[i]->setVisible(visible);
        fields_[i]->setVisible(visible);
    }
}

int ReadoutPanel::charWidth() const
{
    // The layout gives Z, Y and r eight characters: with the widest character
    // of a classic font that held "0.0200 - j0.0200"; in fonts whose digits
    // are wider against their widest letter, the unit grows until it does.
    const QFontMetrics fm(fields_[0]->font());
    const int sample = fm.horizontalAdvance(QStringLiteral("0.0000 - j0.0000  "));
    return std::max(widestLatin1Char(fm), (sample + 7) / 8);
}

} // namespace zelvo
