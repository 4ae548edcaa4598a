// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Data Point": a data point typed as impedance, admittance or reflection
// coefficient (cartesian or polar) with its frequency. The same dialog edits
// an existing point ("Edit Datapoint Nr. %i").
#include "core/complex.h"
#include "ui/dialogs/data_point_rules.h"
#include "ui/dialogs/dialog_support.h"

#include <cstdint>

class QButtonGroup;
class QLabel;

namespace zelvo {

// Ends Accepted when the design changed; the caller repaints.
class DataPointDialog : public ZelvoDialog {
  public:
    // Input: appends a point. The format buttons change the remembered format
    // at once.
    DataPointDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);
    // Editor of point `index`: opens in impedance, cartesian form. OK records
    // the edit for undo before checking (a refused input leaves an entry that
    // restores the same values); an accepted edit also moves the chain's
    // begin, the chain and the wideband result along.
    DataPointDialog(AppState& state, const Platform& platform, int index,
                    QWidget* parent = nullptr);

  private:
    void build();
    std::uint8_t format() const;
    void setFormat(std::uint8_t format);
    void onFormatClicked();
    void showPoint(Complex impedance);
    Complex enteredImpedance() const;
    void onOk();
    void failAt(PointField field, const QString& text);
    QLineEdit* fieldOf(PointField field) const;

    bool edit_ = false;
    int index_ = -1;
    std::uint8_t editFormat_ = 0; // the editor's own format

    QButtonGroup* representation_ = nullptr;
    QButtonGroup* form_ = nullptr;
    QLabel* firstCaption_ = nullptr;
    QLabel* secondCaption_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QLineEdit* frequency_ = nullptr;
    QComboBox* unit_ = nullptr;

    ShownValue shownFirst_, shownSecond_, shownFrequency_;
    int shownUnit_ = -1;
    Complex shownImpedance_; // the point the shown values stand for (editor)
};

} // namespace zelvo
