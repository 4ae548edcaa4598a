// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The seven readouts under the chart: a group box with its caption ("Z", "Y",
// "r", "Q", "VSWR", "Zo", "RL") around a field with centred text.
#include "ui/main_layout.h"
#include "ui/readout.h"

#include <array>

class QGroupBox;
class QLabel;
class QWidget;

namespace zelvo {

class ReadoutPanel {
  public:
    explicit ReadoutPanel(QWidget* parent);

    void show(const ReadoutTexts& texts);
    void setZo(const QString& text);
    QString text(Readout which) const;
    QLabel* field(Readout which) const { return fields_[static_cast<std::size_t>(which)]; }

    void place(const MainLayout& layout);
    void setVisible(bool visible);
    // The widest character of the fields' font: the unit of the layout.
    int charWidth() const;

  private:
    std::array<QLabel*, readoutCount> fields_{};
    std::array<QGroupBox*, readoutCount> boxes_{};
};

} // namespace zelvo
