// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Matching an amplifier at one frequency: the device's terminations (the
// simultaneous conjugate match of a stable device, or a point of a chosen
// gain's circle on the stable side of a potentially unstable one), the
// output networks from the load to the device's port 2 and the input
// networks from its port 1 to the generator. The chain starts at the load,
// so the result is: output network, device, input network.
#include "core/synthesis.h"
#include "core/twoport.h"
#include "model/design.h"
#include "model/dialog_message.h"
#include "model/sparam_set.h"

#include <optional>
#include <variant>
#include <vector>

namespace zelvo {

// The two-port to match: a block at the chain's end (whose appending the
// networks then take the place of), or one made of the S-Plot file.
struct AmplifierDevice {
    Element block;
    bool atChainEnd = false;
};

// The device of the design (a block at the chain's end) or of the loaded
// S-Plot file; the message says why there is none.
std::variant<AmplifierDevice, DialogMessage> amplifierDevice(const Design& d,
                                                             const SParamSet& sparams);

struct AmplifierPlan {
    double f = 0.0;
    TwoPort s;               // the device at f, against its own z0
    double deviceZ0 = 50.0;
    double k = 0.0;
    double deltaMagnitude = 0.0;
    bool stable = false;     // K > 1 and |delta| < 1
    std::optional<double> maxGainDb; // MAG when stable, MSG otherwise
    double gainDb = 0.0;     // what the networks reach: MAG, or the chosen gain
    ConjugateMatch terminations; // Gamma_S, Gamma_L against deviceZ0
    Complex loadSide;        // ohm, what the output network starts from
    Complex portTwo;         // ohm, what it must present to port 2
    Complex portOne;         // ohm, the device's input with that load
    MatchResult output;      // from loadSide to portTwo
    MatchResult input;       // from portOne to the generator's z0
};

// The plan at f, or why there is none: the device has no data at f, the
// design has no load, a potentially unstable device without a gain to aim
// for ("...potentially unstable at f: K = 0.85, |delta| = 0.41..."), a gain
// that no stable termination reaches. `gainDb` is used only for a
// potentially unstable device.
std::variant<AmplifierPlan, DialogMessage>
planAmplifier(const Design& d, const AmplifierDevice& device, double f,
              std::optional<double> gainDb, float lineImpedance, float lineEr);

// The message for a potentially unstable device, naming K and |delta|.
std::string unstableText(const AmplifierPlan& p);

// Output network, device, input network in chain order.
std::vector<Element> amplifierChain(const AmplifierDevice& device, const MatchSolution& output,
                                    const MatchSolution& input);

// Appends the chain as one undo step; a device at the chain's end is taken
// back first, so that the networks go on both sides of it (Undo then takes
// the whole amplifier away). The message says why nothing changed.
std::optional<DialogMessage> applyAmplifier(Design& d, const AmplifierDevice& device,
                                            const std::vector<Element>& chain);

// GT (dB) of the design's chain with `chain` appended (after the device is
// taken back, as applyAmplifier does) at f, from a z0 generator.
double amplifierGainDb(const Design& d, const AmplifierDevice& device,
                       const std::vector<Element>& chain, double f);

} // namespace zelvo
