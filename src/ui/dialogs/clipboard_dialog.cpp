// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/clipboard_dialog.h"

#include "ui/app_state.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelvo {

namespace {

QRadioButton* radio(QWidget* parent, const char* text, const char* name, QVBoxLayout* into)
{
    auto* b = new QRadioButton(QCoreApplication::translate("ClipboardDialog", text), parent);
    b->setObjectName(QString::fromLatin1(name));
    into->addWidget(b);
    return b;
}

} // namespace

ClipboardDialog::ClipboardDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("ClipboardDialog", "Copy to Clipboard"));
    const std::uint8_t choice = state.memory.clipboardChoice;

    auto* items = new QGroupBox(QCoreApplication::translate("ClipboardDialog", "Copy"), this);
    auto* itemLayout = new QVBoxLayout(items);
    QRadioButton* chart =
        radio(items, QT_TRANSLATE_NOOP("ClipboardDialog", "Zelvo Chart"), "chart", itemLayout);
    QRadioButton* schematic =
        radio(items, QT_TRANSLATE_NOOP("ClipboardDialog", "Schematic"), "schematic", itemLayout);
    QRadioButton* comments =
        radio(items, QT_TRANSLATE_NOOP("ClipboardDialog", "Comments"), "comments", itemLayout);
    auto* itemGroup = new QButtonGroup(this);
    itemGroup->addButton(chart, clipChart);
    itemGroup->addButton(schematic, clipSchematic);
    itemGroup->addButton(comments, clipComments);
    if (QAbstractButton* b = itemGroup->button(choice & 0xF0))
        b->setChecked(true);

    auto* colours = new QGroupBox(QCoreApplication::translate("ClipboardDialog", "Colors"), this);
    auto* colourLayout = new QVBoxLayout(colours);
    QRadioButton* screen = radio(colours, QT_TRANSLATE_NOOP("ClipboardDialog", "use screen colors"),
                                 "screenColours", colourLayout);
    QRadioButton* mono = radio(colours, QT_TRANSLATE_NOOP("ClipboardDialog", "black and white"),
                               "blackWhite", colourLayout);
    colourLayout->addStretch();
    auto* colourGroup = new QButtonGroup(this);
    colourGroup->addButton(screen, clipScreenColours);
    colourGroup->addButton(mono, clipBlackWhite);
    if (QAbstractButton* b = colourGroup->button(choice & 0x0F))
        b->setChecked(true);

    connect(itemGroup, &QButtonGroup::idClicked, this,
            [this](int id) { setItem(static_cast<std::uint8_t>(id)); });
    connect(colourGroup, &QButtonGroup::idClicked, this,
            [this](int id) { setColours(static_cast<std::uint8_t>(id)); });

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { done(state_.memory.clipboardChoice); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { done(0); });
    setHelpKeyword(QStringLiteral("Clipboard"));
    connect(buttons, &QDialogButtonBox::helpRequested, this, &ClipboardDialog::showHelp);

    auto* row = new QHBoxLayout;
    row->addWidget(items);
    row->addWidget(colours);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ClipboardDialog::setItem(std::uint8_t item)
{
    std::uint8_t& c = state_.memory.clipboardChoice;
    c = static_cast<std::uint8_t>(item | (c & 0x0F));
}

void ClipboardDialog::setColours(std::uint8_t colours)
{
    std::uint8_t& c = state_.memory.clipboardChoice;
    c = static_cast<std::uint8_t>((c & 0xF0) | colours);
}

} // namespace zelvo
