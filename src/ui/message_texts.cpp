// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The messages as the domain code and the dialogs write them, for the
// translations: the domain code stays free of Qt and keeps its English text,
// and the interface finds the translation by that text.
#include "core/number_text.h"
#include "model/circle_dialogs.h"
#include "model/design_file.h"
#include "model/design_rules.h"
#include "model/netlist.h"
#include "model/settings_file.h"
#include "model/touchstone.h"
#include "ui/dialogs/loss_fields.h"
#include "ui/dialogs/print_dialog.h"
#include "ui/language.h"
#include "ui/recent_files.h"

#include <QtGlobal>

#include <string_view>

namespace zelvo {

namespace {

// The domain's constants beside their copies here: a text changed on one
// side only fails the build instead of losing its translation.
struct Pair {
    const char* constant;
    const char* text;
};
constexpr Pair constants[] = {
    {dataPointLimitText,
     QT_TRANSLATE_NOOP(
         "Messages", "Maximum number of %i datapoints exceeded!\n\rNo more datapoints possible.")},
    {elementLimitText, QT_TRANSLATE_NOOP("Messages", "Max. Number of %i elements exceeded!")},
    {qLimitText, QT_TRANSLATE_NOOP("Messages", "Max. Number of %i Q-ellipses exceeded!")},
    {vswrLimitText, QT_TRANSLATE_NOOP("Messages", "Max. number of %i VSWR-ellipses exceeded!")},
    {stabilityLimitText,
     QT_TRANSLATE_NOOP("Messages", "Max. number of %i stability circles exceeded!")},
    {gainLimitText,
     QT_TRANSLATE_NOOP("Messages", "Max. number of %i const. gain circles exceeded!")},
    {noiseLimitText,
     QT_TRANSLATE_NOOP("Messages", "Max. number of %i const. noise figure circles exceeded!")},
    {noDataPointText, QT_TRANSLATE_NOOP("Messages", "At minimum one Data-Point necessary.")},
    {widebandNoPointsText,
     QT_TRANSLATE_NOOP("Messages", "Wideband calculation done.\n\rNo more datapoints possible.")},
    {widebandNoElementsText,
     QT_TRANSLATE_NOOP("Messages", "Wideband calculation done.\n\rNo more elements possible.")},
    {widebandDoneText, QT_TRANSLATE_NOOP("Messages", "Wideband still calculated.")},
    {widebandNeedsText,
     QT_TRANSLATE_NOOP("Messages", "Need at least two manual input datapoints\n\rand one element "
                                   "to calculate wideband.")},
    {zoLockedText,
     QT_TRANSLATE_NOOP("Messages", "There are yet data points defined. Impossible to change Zo.")},
    {historyFullText,
     QT_TRANSLATE_NOOP("Messages",
                       "The undo history is full (%i entries).\n\rNo more changes possible.")},
    {numberFormatMessage,
     QT_TRANSLATE_NOOP("Messages", "Incorrect number format.\n\rUse exponential form only.")},
    {numberTooLargeMessage,
     QT_TRANSLATE_NOOP("Messages", "Number too large.\n\rUse values between -1E308 and 1E308.")},
    {touchstoneFormatMessage,
     QT_TRANSLATE_NOOP("Messages", "Incorrect file format. Unable\n\rto read data.")},
    {settingsWriteErrorText, QT_TRANSLATE_NOOP("Messages", "Error while writing 'zelvo.ini'.")},
    {netlistWriteErrorText, QT_TRANSLATE_NOOP("Messages", "Error while writing file '%s'")},
    {netlistDoneText, QT_TRANSLATE_NOOP("Messages", "Netlist done ('%s')")},
    {designReadErrorText, QT_TRANSLATE_NOOP("Messages", "Error while reading file '%s'")},
    {nothingToPrintText,
     QT_TRANSLATE_NOOP("Messages",
                       "Nothing to print.\n\rCheck Zelvo Chart, Schematic or Comments.")},
    {noSPlotFileText,
     QT_TRANSLATE_NOOP("Messages",
                       "No s-Parameter file opened.\n\rOpen a file to print its plots.")},
    {qOrEsrText,
     QT_TRANSLATE_NOOP("Messages", "Give the capacitor either a Q or an ESR, not both.")},
    {notDefinedText, QT_TRANSLATE_NOOP("Messages", "not defined")},
    {noNoiseListText,
     QT_TRANSLATE_NOOP("Messages", "Open file in S-Plot mode to see list of noise parameters")},
    {recentFileGoneText,
     QT_TRANSLATE_NOOP("Messages", "The file '%s' no longer exists.\nIt has been removed from the "
                                   "list of recent files.")},
};

consteval bool constantsMatch()
{
    for (const Pair& p : constants)
        if (std::string_view(p.constant) != std::string_view(p.text))
            return false;
    return true;
}
static_assert(constantsMatch(), "a message changed in the domain code but not here");

// Texts written where they are used, in the dialogs and the domain code.
constexpr const char* texts[] = {
    QT_TRANSLATE_NOOP("Messages", "ERROR"),
    QT_TRANSLATE_NOOP("Messages", "Error while opening file '%s'"),
    QT_TRANSLATE_NOOP("Messages", "Would you like to save changes made in '%s'?"),
    QT_TRANSLATE_NOOP("Messages", "Unable to initialize printer.\r\nCheck printer setup."),
    QT_TRANSLATE_NOOP("Messages", "No s-Parameter file opened.\n\rFirst change to s-Plot and open "
                                  "a file!"),
    QT_TRANSLATE_NOOP("Messages", "Field must contain value"),
    QT_TRANSLATE_NOOP("Messages", "Field for [%1] must contain value"),
    QT_TRANSLATE_NOOP("Messages", "Value must lie in the range between %s and %s"),
    QT_TRANSLATE_NOOP("Messages", "Value must be > 0"),
    QT_TRANSLATE_NOOP("Messages", "Value must be >= 1"),
    QT_TRANSLATE_NOOP("Messages", "Value must in range from 1 to 9"),
    QT_TRANSLATE_NOOP("Messages", "Only values > 0 allowed."),
    QT_TRANSLATE_NOOP("Messages", "Only positiv values allowed."),
    QT_TRANSLATE_NOOP("Messages", "Only positiv real part allowed"),
    QT_TRANSLATE_NOOP("Messages", "Magnitude must be positiv."),
    QT_TRANSLATE_NOOP("Messages", "Magnitude must lie in the range between 0 and 1"),
    QT_TRANSLATE_NOOP("Messages", "Absolute value (magnitude) exceeds 1"),
    QT_TRANSLATE_NOOP("Messages", "Absolut value must be in the range between 0 and 1."),
    QT_TRANSLATE_NOOP("Messages", "Only angles in the range between -180° and +180° allowed."),
    QT_TRANSLATE_NOOP("Messages",
                      "Angle must lie in the range between\n\r+90° and -90°\n\rresp. +270° and +90°"),
    QT_TRANSLATE_NOOP("Messages", "No Q circle existing"),
    QT_TRANSLATE_NOOP("Messages", "No VSWR circle existing"),
    QT_TRANSLATE_NOOP("Messages", "No more Q circles existing"),
    QT_TRANSLATE_NOOP("Messages", "No more VSWR circles existing"),
    QT_TRANSLATE_NOOP("Messages", "Q circle is existing"),
    QT_TRANSLATE_NOOP("Messages", "VSWR circle is existing"),
    QT_TRANSLATE_NOOP("Messages", "Open a file in S-Plot mode first."),
    QT_TRANSLATE_NOOP("Messages", "Search first, then choose a network."),
    QT_TRANSLATE_NOOP("Messages", "Check at least one element and one data point."),
    QT_TRANSLATE_NOOP("Messages", "The target resistance must lie in the range between 0 and 1E9 "
                                  "Ohm."),
    QT_TRANSLATE_NOOP("Messages", "The target reactance must lie in the range between -1E9 and "
                                  "1E9 Ohm."),
    QT_TRANSLATE_NOOP("Messages", "There is no network to export: the chain has no element."),
    QT_TRANSLATE_NOOP("Messages", "The start frequency must be greater than 0."),
    QT_TRANSLATE_NOOP("Messages", "The stop frequency must be greater than the start frequency."),
    QT_TRANSLATE_NOOP("Messages", "The source resistance must be greater than 0 Ohm."),
    QT_TRANSLATE_NOOP("Messages", "The weights must be greater than 0."),
    QT_TRANSLATE_NOOP("Messages", "The target impedance must have a resistance greater than 0 "
                                  "Ohm."),
    QT_TRANSLATE_NOOP("Messages", "The target impedance is too large for any network to reach."),
    QT_TRANSLATE_NOOP("Messages", "The start point has no frequency; matching needs one."),
    QT_TRANSLATE_NOOP("Messages", "Not a regular file"),
    QT_TRANSLATE_NOOP("Messages", "No file name"),
    QT_TRANSLATE_NOOP("Messages", "Not a Touchstone file."),
    QT_TRANSLATE_NOOP("Messages", "The file holds no data."),
    QT_TRANSLATE_NOOP("Messages", "Data before [Network Data]."),
    QT_TRANSLATE_NOOP("Messages", "The option line (# ...) must precede [Network Data]."),
    QT_TRANSLATE_NOOP("Messages", "This is a one-port file; chart mode reads it with File, Import "
                                  "one-port data."),
    QT_TRANSLATE_NOOP("Messages", "The losses of element %i are out of range."),
    QT_TRANSLATE_NOOP("Messages", "Optimizing needs at least one data point and one element."),
    QT_TRANSLATE_NOOP("Messages",
                      "Tolerance analysis needs at least one data point and one "
                      "element."),
    QT_TRANSLATE_NOOP("Messages",
                      "The chain has no value at any data point's frequency: a "
                      "two-port block's data does not reach them."),
    QT_TRANSLATE_NOOP("Messages",
                      "Range of %1 outside the values the element takes.\n\rUse "
                      "values %2."),
    QT_TRANSLATE_NOOP("Messages", "Range of %1: the lower end must lie below the upper end."),
    QT_TRANSLATE_NOOP("Messages", "The frequency must be a number above 0."),
    QT_TRANSLATE_NOOP("Messages",
                      "This network is for the file's load. Apply adds the band's "
                      "frequencies as data points with the network after them, so it "
                      "needs a design without data points: start one with File > New, "
                      "then search and apply again."),
    QT_TRANSLATE_NOOP("Messages",
                      "Unknown picture format of '%s'.\nUse a name ending in .pdf, "
                      ".svg or .png."),
    QT_TRANSLATE_NOOP("Messages", "The picture size must be between %i and %i pixels."),
    QT_TRANSLATE_NOOP("Messages", "Nothing to export for the %s."),
    QT_TRANSLATE_NOOP("Messages", "The picture could not be drawn."),
    QT_TRANSLATE_NOOP("Messages",
                      "%1: Min and Max are numbers, an SI prefix and the unit may "
                      "follow (2.2n, 2.2 nH)."),
    QT_TRANSLATE_NOOP("Messages",
                      "Value must lie in the range between 0 and 100 % (blank: the "
                      "series' tolerance)"),
    QT_TRANSLATE_NOOP("Messages", "Value must be less than 100uF"),
    QT_TRANSLATE_NOOP("Messages", "Value must be greater than 0.1fF"),
    QT_TRANSLATE_NOOP("Messages", "Value must be greater than 1pH"),
    QT_TRANSLATE_NOOP("Messages", "Value must be less than 1mH"),
    QT_TRANSLATE_NOOP("Messages",
                      "The two-port block '%s' has no value at the "
                      "design\n\rfrequency %sHz: its data cover %s.\n\rNothing was "
                      "placed."),
    QT_TRANSLATE_NOOP("Messages", "Standard values need at least one data point and one element."),
    QT_TRANSLATE_NOOP("Messages",
                      "The point at %1 %2 cannot become a data point:\n\rits "
                      "frequency must be > 0 and at most 1000 GHz."),
    QT_TRANSLATE_NOOP("Messages",
                      "%1 of the chosen points cannot become data points:\n\ra "
                      "frequency must be > 0 and at most 1000 GHz."),
};

// The messages of the readers, rules and planners below the interface, each
// the printf pattern the domain code writes (its values as "%s", "%d", "%.3f").
constexpr const char* domainTexts[] = {
    QT_TRANSLATE_NOOP("Messages", "[Reference] needs one positive impedance per port."),
    QT_TRANSLATE_NOOP("Messages",
                      "The file describes %s ports; only two-port files can be read here."),
    QT_TRANSLATE_NOOP("Messages", "Touchstone version '%s' cannot be read."),
    QT_TRANSLATE_NOOP("Messages", "[Number of Ports] needs one number."),
    QT_TRANSLATE_NOOP("Messages", "[Two-Port Data Order] must be 12_21 or 21_12."),
    QT_TRANSLATE_NOOP("Messages", "A frequency count needs a whole number: '%s'."),
    QT_TRANSLATE_NOOP("Messages", "[Matrix Format] must be Full, Lower or Upper."),
    QT_TRANSLATE_NOOP(
        "Messages", "Mixed-mode files cannot be read; save the data as single-ended S-parameters."),
    QT_TRANSLATE_NOOP("Messages", "[Number of Ports] 2 must precede [Network Data]."),
    QT_TRANSLATE_NOOP("Messages", "[Two-Port Data Order] must precede [Network Data]."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "The network data end inside the values of a frequency (each needs %zu numbers)."),
    QT_TRANSLATE_NOOP("Messages", "Line '%s' holds something other than numbers."),
    QT_TRANSLATE_NOOP("Messages", "The file holds %c-parameters; only S-parameters can be read."),
    QT_TRANSLATE_NOOP("Messages", "[Number of Ports] is missing."),
    QT_TRANSLATE_NOOP("Messages", "[Network Data] is missing."),
    QT_TRANSLATE_NOOP("Messages", "The ports have different reference impedances (%s and %s ohm); "
                                  "only a common one can be used."),
    QT_TRANSLATE_NOOP("Messages", "[Number of Frequencies] says %ld, but the file holds %d."),
    QT_TRANSLATE_NOOP("Messages", "[Number of Noise Frequencies] says %ld, but the file holds %d."),
    QT_TRANSLATE_NOOP("Messages", "Too few memory to hold the data of this file."),
    QT_TRANSLATE_NOOP("Messages", "Too few memory to open file '%s'"),
    QT_TRANSLATE_NOOP("Messages", "The file is larger than %zu bytes"),
    QT_TRANSLATE_NOOP("Messages", "Not enough memory to hold the file"),
    QT_TRANSLATE_NOOP("Messages", "Line %d: '%s'"),
    QT_TRANSLATE_NOOP("Messages", "The reference impedance must lie between 0.001 and 1E6 Ohm."),
    QT_TRANSLATE_NOOP("Messages", "Line %d: a keyword in a file without [Version]."),
    QT_TRANSLATE_NOOP("Messages", "Not a one-port file: [Number of Ports] is %s."),
    QT_TRANSLATE_NOOP("Messages",
                      "The file holds %c-parameters; only S-parameters can be imported."),
    QT_TRANSLATE_NOOP("Messages", "The option line (# GHz S MA R 50) is missing before the data."),
    QT_TRANSLATE_NOOP("Messages", "Line %d holds something other than numbers."),
    QT_TRANSLATE_NOOP("Messages",
                      "Line %d holds %zu numbers; a one-port line has 3 (frequency and S11)."),
    QT_TRANSLATE_NOOP("Messages", "The data end inside a frequency point."),
    QT_TRANSLATE_NOOP("Messages", "Not a Touchstone file: no option line (# GHz S MA R 50)."),
    QT_TRANSLATE_NOOP("Messages", "The frequency must be > 0 and at most 1000 GHz."),
    QT_TRANSLATE_NOOP("Messages", "S11 gives no finite impedance."),
    QT_TRANSLATE_NOOP("Messages", "%s, key \"%s\" (index %d): %s"),
    QT_TRANSLATE_NOOP("Messages", "%s, key \"%s\": %s"),
    QT_TRANSLATE_NOOP("Messages", "%G is outside the accepted range (%s)"),
    QT_TRANSLATE_NOOP("Messages", "%G is outside the accepted range (modulus <= %G)"),
    QT_TRANSLATE_NOOP("Messages", "%G is not a finite number"),
    QT_TRANSLATE_NOOP("Messages", "%s and <= %G"),
    QT_TRANSLATE_NOOP("Messages", "the element kind is missing or unknown"),
    QT_TRANSLATE_NOOP("Messages", "Data point %d"),
    QT_TRANSLATE_NOOP("Messages", "Element %d"),
    QT_TRANSLATE_NOOP("Messages", "Q contour %d"),
    QT_TRANSLATE_NOOP("Messages", "VSWR contour %d"),
    QT_TRANSLATE_NOOP("Messages", "Stability circle %d"),
    QT_TRANSLATE_NOOP("Messages", "Gain circle %d"),
    QT_TRANSLATE_NOOP("Messages", "Noise circle %d"),
    QT_TRANSLATE_NOOP("Messages", "The tolerance of element %i is out of range."),
    QT_TRANSLATE_NOOP("Messages",
                      "The data of the two-port block, element %i, is missing or cannot be read."),
    QT_TRANSLATE_NOOP("Messages", "The frequencies of a two-port block must rise from line to "
                                  "line;\n\rthis file's do not at %sHz."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "Match amplifier puts the networks on both sides of the device, so the device must be the "
        "chain's last element.\nUndo back to the block, or start from the load alone."),
    QT_TRANSLATE_NOOP("Messages",
                      "Match amplifier needs a two-port device: insert a block (Network > Insert "
                      "two-port block...) or open its S-parameter file in S-Plot mode."),
    QT_TRANSLATE_NOOP("Messages", "The device is potentially unstable at %sHz: K = %.3f, |delta| = "
                                  "%.3f.\nNo simultaneous conjugate match exists."),
    QT_TRANSLATE_NOOP("Messages",
                      "The device is potentially unstable at %sHz: K = %.3f, |delta| = %.3f.\nNo "
                      "simultaneous conjugate match exists. Choose a gain below MSG = %.2f dB: the "
                      "networks then keep both ports on the stable side."),
    QT_TRANSLATE_NOOP("Messages", "The block has no data."),
    QT_TRANSLATE_NOOP("Messages", "Match amplifier needs a load: enter a data point first."),
    QT_TRANSLATE_NOOP("Messages", "The device has no data at %sHz: its file covers %s."),
    QT_TRANSLATE_NOOP("Messages", "%sHz to %sHz"),
    QT_TRANSLATE_NOOP("Messages", "no frequencies"),
    QT_TRANSLATE_NOOP(
        "Messages",
        "No termination on the stable side reaches %.2f dB at %sHz. Choose a lower gain."),
    QT_TRANSLATE_NOOP("Messages", "The chain before the device has no value at this frequency."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "The block at the chain's end was not the design's last step, so the output network cannot "
        "go before it.\nInsert the block again (or Undo back to it) and match again."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "Broadband matching needs the load at three or more frequencies; the %s have %zu."),
    QT_TRANSLATE_NOOP("Messages", "design's data points"),
    QT_TRANSLATE_NOOP("Messages", "file's points"),
    QT_TRANSLATE_NOOP("Messages",
                      "The band's upper frequency must lie above its lower one, both above 0 Hz."),
    QT_TRANSLATE_NOOP("Messages", "The band must lie within the load's frequencies."),
    QT_TRANSLATE_NOOP("Messages", "The band must lie within the load's frequencies, %s to %s."),
    QT_TRANSLATE_NOOP("Messages", "Fewer than two of the load's frequencies lie in the band; "
                                  "spread the frequencies evenly instead."),
    QT_TRANSLATE_NOOP("Messages", "The number of frequencies must be from %d to %d."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "%d of %zu frequencies left out: the load reflects as much as it receives or more there "
        "(|Γ| up to %.4f at %s), which a passive load cannot; no network matches such a point."),
    QT_TRANSLATE_NOOP("Messages", "Fewer than two frequencies of the band are left to match."),
    QT_TRANSLATE_NOOP("Messages", "The load is a resistance over the band (within |ΔΓ| 0.001): the "
                                  "Bode-Fano limit sets no bound."),
    QT_TRANSLATE_NOOP(
        "Messages", "No Bode-Fano limit: the load fits none of the models (R with L or C in series "
                    "or in parallel, or an RLC resonance) with positive parts over the band."),
    QT_TRANSLATE_NOOP("Messages", "Load model, fitted near the band centre: %s, %s; it differs "
                                  "from the load by |ΔΓ| up to %.4f over the band."),
    QT_TRANSLATE_NOOP("Messages", "parallel RC"),
    QT_TRANSLATE_NOOP("Messages", "series RL"),
    QT_TRANSLATE_NOOP("Messages", "series RC"),
    QT_TRANSLATE_NOOP("Messages", "parallel RL"),
    QT_TRANSLATE_NOOP("Messages", "series RLC"),
    QT_TRANSLATE_NOOP("Messages", "parallel RLC"),
    QT_TRANSLATE_NOOP(
        "Messages",
        "Bode-Fano limit of this model over %s: above %.0f dB worst-case return loss, no practical "
        "bound. The limit holds for the model; the load differs from it by the fit error."),
    QT_TRANSLATE_NOOP(
        "Messages", "Bode-Fano limit of this model over %s: above %.0f dB worst-case return loss, "
                    "no practical bound. The limit holds for the model; the load differs from it "
                    "by the fit error. The fit is poor, so the limit is a rough guide only."),
    QT_TRANSLATE_NOOP("Messages",
                      "Bode-Fano limit of this model over %s: no lossless network reaches more "
                      "than %.2f dB worst-case return loss (|Γ| %.4f). The limit holds for the "
                      "model; the load differs from it by the fit error."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "Bode-Fano limit of this model over %s: no lossless network reaches more than %.2f dB "
        "worst-case return loss (|Γ| %.4f). The limit holds for the model; the load differs from "
        "it by the fit error. The fit is poor, so the limit is a rough guide only."),
    QT_TRANSLATE_NOOP("Messages", "The network cannot be exported: the start data point's "
                                  "frequency\n\ris not greater than 0."),
    QT_TRANSLATE_NOOP("Messages", "The number of points must be a whole number from 1 to %d."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "Nothing was exported: at none of the sweep's frequencies does\n\r%s have a value."),
    QT_TRANSLATE_NOOP("Messages", "Network exported to '%s': %d frequencies."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "Network exported to '%s': %d frequencies,\n\r%d left out where a block has no value."),
    QT_TRANSLATE_NOOP("Messages", "%c-parameter-file '%s' created"),
    QT_TRANSLATE_NOOP("Messages", "Value must be >= 0 and <=1"),
    QT_TRANSLATE_NOOP("Messages", "Absolute value must be <=1"),
    QT_TRANSLATE_NOOP("Messages", "Absolute value must lie in the range between 0 and 1E4"),
    QT_TRANSLATE_NOOP("Messages", "Value must be > 0 and <= 1"),
    QT_TRANSLATE_NOOP("Messages", "Absolute value must be >= 0 and <=1"),
    QT_TRANSLATE_NOOP("Messages", "NF to show must be > NFmin"),
    QT_TRANSLATE_NOOP("Messages", "Value must lie in the range between %s and %s %s"),
    QT_TRANSLATE_NOOP("Messages",
                      "Desired power gain of P = %sdB is bigger than max. possible power "
                      "gain\n\rof Gmax = %s. Impossible to show const. gain circle."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "Element %d, the two-port block '%s', cannot be written:\n\rngspice has no element for "
        "measured S-parameters.\n\rExport the network as a Touchstone file instead (File > "
        "Export\n\rnetwork as Touchstone..., or zelvo touchstone): simulators can use it."),
    QT_TRANSLATE_NOOP(
        "Messages",
        "Element %d, the two-port block '%s', cannot be written:\n\rthe netlist has no element for "
        "measured S-parameters.\n\rExport the network as a Touchstone file instead (File > "
        "Export\n\rnetwork as Touchstone..., or zelvo touchstone): simulators can use it."),
    QT_TRANSLATE_NOOP("Messages", "The impedance to be matched is an open circuit (|Γ| = 1).\nA "
                                  "lossless network cannot match it."),
    QT_TRANSLATE_NOOP("Messages", "The impedance to be matched has a negative resistance.\nA "
                                  "passive network cannot match it."),
    QT_TRANSLATE_NOOP("Messages", "The impedance to be matched is lossless (R = 0, |Γ| = 1).\nA "
                                  "lossless network cannot match it."),
};

} // namespace

const std::vector<const char*>& messageCatalogue()
{
    static const std::vector<const char*> all = [] {
        std::vector<const char*> v;
        for (const Pair& p : constants)
            v.push_back(p.text);
        for (const char* t : texts)
            v.push_back(t);
        for (const char* t : domainTexts)
            v.push_back(t);
        return v;
    }();
    return all;
}

} // namespace zelvo
