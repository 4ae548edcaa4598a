// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Edit Element value": the value of one element of the chain, opened from
// the schematic with (kind * 65536) + row. Lines and stubs also edit their
// permittivity and line impedance; RLC groups their R, L and C; inductors,
// capacitors, lines and stubs their losses.
#include "core/element.h"
#include "ui/dialogs/dialog_support.h"

class QGridLayout;

namespace zelvo {

class LossBox;

inline int elementEditCode(ElementKind kind, int row)
{
    return static_cast<int>(kind) * 65536 + row;
}

// A line length typed in mm, as wavelengths at f0: the length is reduced to
// its remainder by half a wavelength (single-precision wavelength; f0 = 0
// gives the largest float).
double lineLengthFromMm(double millimetres, double f0);

// Ends Accepted when the element was looked at (its value may be unchanged
// after a refused bound); the chain and the wideband result are up to date.
class ElementValueDialog : public ZelvoDialog {
  public:
    ElementValueDialog(AppState& state, const Platform& platform, int code,
                       QWidget* parent = nullptr);

  private:
    struct Field {
        QLineEdit* edit = nullptr;
        QComboBox* unit = nullptr;
        std::span<const Unit> units;
        ShownValue shown;
        int shownUnit = -1;
    };
    void addField(Field& f, const QString& caption, const QString& name, double value,
                  std::span<const Unit> units, int decimals);
    // The field's value in SI units, the exact shown one while unchanged.
    double valueOf(const Field& f, double typed) const;
    bool readPositive(const Field& f, double& out, const ValueLimit& limit);
    void onOk();

    ElementKind kind_;
    int row_;
    Field main_, l_, c_, er_, impedance_;
    LossBox* loss_ = nullptr;
    QLineEdit* tolerance_ = nullptr; // L, C and R: percent, blank for the series'

    QGridLayout* grid_;
    int rows_ = 0;
};

} // namespace zelvo
