// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The dialogs that create stability, gain and noise-figure circles: the
// plane chooser, the two-port parameter dialog with its import, the gain
// value dialog and the noise-figure dialog; and the normalisation choice of
// the parameter export. The rules behind them are model/circle_dialogs.h.
#include "model/circle_dialogs.h"
#include "ui/dialogs/dialog_support.h"

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QRadioButton;

namespace zelvo {

enum class CircleKind { Stability, Gain };

// "input plane" / "output plane"; nullopt when closed without a choice.
std::optional<CirclePlane> choosePlane(AppState& state, const Platform& platform, CircleKind kind,
                                       QWidget* parent = nullptr);

// "s-parameter": the four S-parameters in polar or cartesian form, filled
// from the dialog memory, or from one line of the loaded file by "Import
// s-Parameter ...". Accepted values become the memory.
class TwoPortDialog : public ZelvoDialog {
  public:
    TwoPortDialog(AppState& state, const Platform& platform, CircleKind kind,
                  QWidget* parent = nullptr);

    // Runs on OK after the fields are valid; false keeps the dialog open.
    std::function<bool(const TwoPort&)> onValid;
    const TwoPort& entered() const { return entered_; }

  private:
    void show(const TwoPortFields& f);
    void relabel(int parameter);
    void onImport();
    void onOk();
    unsigned polarMask() const;

    std::array<QLineEdit*, 8> fields_{};
    std::array<QLabel*, 8> labels_{};
    std::array<QRadioButton*, 4> polar_{};
    std::array<QRadioButton*, 4> cartesian_{};
    TwoPort entered_;
};

// "power gain to show": K and Gmax of the circle being built, "10" proposed.
// A gain above Gmax is refused (no circle could be drawn for it).
class GainValueDialog : public ZelvoDialog {
  public:
    GainValueDialog(AppState& state, const Platform& platform, const GainCircleRecord& record,
                    QWidget* parent = nullptr);
    float gain() const { return gain_; }

  private:
    void onOk();
    float gmax_;
    float gain_ = 0.0f;
    QLineEdit* value_;
};

// "constant noise figure NF": the loaded file's noise lines above, the
// fields below; OK appends the noise circle (with its history entry).
class NoiseFigureDialog : public ZelvoDialog {
  public:
    NoiseFigureDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);
    QListWidget* noiseList() const { return list_; }

  private:
    void show(const NoiseFields& f);
    NoiseFields current() const;
    void relabel();
    void onLine(int row);
    void onOk();

    std::array<QLineEdit*, 5> fields_{};
    QLabel* firstLabel_;
    QLabel* secondLabel_;
    QLabel* resistanceUnit_;
    QRadioButton* polar_;
    QRadioButton* cartesian_;
    QRadioButton* notNormalized_;
    QRadioButton* normalized_;
    QListWidget* list_;
};

// "NORMALIZE" / "NOT NORMALIZE": nullopt when closed without a choice.
std::optional<bool> chooseNormalisation(AppState& state, const Platform& platform,
                                        QWidget* parent = nullptr);

} // namespace zelvo
