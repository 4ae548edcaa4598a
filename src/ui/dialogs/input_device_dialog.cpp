// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/input_device_dialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo {

InputDeviceDialog::InputDeviceDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("InputDeviceDialog", "Input Device"));
    setHelpKeyword(QStringLiteral("Input of Datapoints"));
    struct Choice {
        const char* caption;
        const char* name;
        InputDevice device;
    };
    static constexpr Choice choices[] = {{QT_TRANSLATE_NOOP("InputDeviceDialog", "Mouse"), "mouse", InputDevice::Mouse},
                                         {QT_TRANSLATE_NOOP("InputDeviceDialog", "Keyboard"), "keyboard", InputDevice::Keyboard},
                                         {QT_TRANSLATE_NOOP("InputDeviceDialog", "S11 from S-Plot"), "s11", InputDevice::S11},
                                         {QT_TRANSLATE_NOOP("InputDeviceDialog", "S22 from S-Plot"), "s22", InputDevice::S22}};
    auto* grid = new QGridLayout;
    int i = 0;
    for (const Choice& c : choices) {
        auto* b = new QPushButton(QCoreApplication::translate("InputDeviceDialog", c.caption), this);
        b->setObjectName(QString::fromLatin1(c.name));
        b->setMinimumHeight(b->sizeHint().height() * 3 / 2);
        if (c.device == InputDevice::Keyboard)
            b->setDefault(true);
        connect(b, &QPushButton::clicked, this, [this, device = c.device] {
            choice_ = device;
            accept();
        });
        grid->addWidget(b, i / 2, i % 2);
        ++i;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QCoreApplication::translate("InputDeviceDialog", "Enter the data point with:"), this));
    layout->addLayout(grid);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

InputDevice chooseInputDevice(AppState& state, const Platform& platform, QWidget* parent)
{
    InputDeviceDialog dialog(state, platform, parent);
    dialog.exec();
    return dialog.choice();
}

} // namespace zelvo
