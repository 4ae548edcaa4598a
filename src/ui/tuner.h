// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Live tuning in the running program: the selected element, the elements in
// the "Tuner" dock (up to six), the session that makes a run of changes one
// undo step, and the refresh of every view after each change.
#include "model/tuning_session.h"
#include "ui/readout.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace zelvo {

struct AppState;
class Shell;

// The texts of the readouts for impedance z (ohm), as the chart shows them
// for the point where z lies; nullopt outside the chart (R < 0).
std::optional<ReadoutTexts> readoutForImpedance(Complex z, float z0);
// The impedance at the end of the chain (the start point without elements).
Complex chainEnd(const Design& d);

class Tuner : public QObject {
  public:
    static constexpr int maxTuned = 6;
    // A pause this long ends a session: the next change is a new undo step.
    static constexpr int sessionPauseMs = 1000;

    struct Tuned {
        int index = 0;
        ElementPart part = ElementPart::Value;
        double original = 0.0; // the value when it joined; Reset returns to it
        double low = 0.0, high = 0.0;
    };

    Tuner(AppState& state, Shell& shell);

    // Selects element `index` (or nothing, -1) and adds it to the tuned list.
    void select(int index);
    int selected() const { return selected_; }
    // Another part of an RLC group for the selected element.
    void selectPart(ElementPart part);
    ElementPart selectedPart() const;

    // The selected element moved by steps of 1 % (0.1 % fine).
    bool step(int steps, bool fine);
    // Element `index`'s part set to `value`, within the accepted range.
    bool setValue(int index, ElementPart part, double value);
    // Ends the running session (another element, the pause, undo).
    void endSession();

    const std::vector<Tuned>& tuned() const { return tuned_; }
    void setRange(int slot, double low, double high);
    // Drops entries whose element is gone (after an undo).
    void prune();
    // Nothing selected or tuned (another design).
    void clear();

    // Where the readouts of the chain's end go.
    std::function<void(const ReadoutTexts&)> readoutSink;
    // After a change of the value, the selection or the list.
    std::function<void()> onChanged;

  private:
    void refresh();

    AppState& state_;
    Shell& shell_;
    TuningSession session_;
    QTimer pause_;
    int selected_ = -1;
    std::vector<Tuned> tuned_;
};

} // namespace zelvo
