// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The messages as the domain code and the dialogs write them, for the
// translations: the domain code stays free of Qt and keeps its English text,
// and the interface finds the translation by that text.
#include "core/number_text.h"
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
     QT_TRANSLATE_NOOP("Messages",
                       "Maximum number of %i datapoints exceeded!\n\rNo more datapoints possible.")},
    {elementLimitText, QT_TRANSLATE_NOOP("Messages", "Max. Number of %i elements exceeded!")},
    {qLimitText, QT_TRANSLATE_NOOP("Messages", "Max. Number of %i Q-ellipses exceeded!")},
    {vswrLimitText, QT_TRANSLATE_NOOP("Messages", "Max. number of %i VSWR-ellipses exceeded!")},
    {stabilityLimitText,
     QT_TRANSLATE_NOOP("Messages", "Max. number of %i stability circles exceeded!")},
    {gainLimitText, QT_TRANSLATE_NOOP("Messages", "Max. number of %i const. gain circles exceeded!")},
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
     QT_TRANSLATE_NOOP("Messages", "No s-Parameter file opened.\n\rOpen a file to print its plots.")},
    {qOrEsrText,
     QT_TRANSLATE_NOOP("Messages", "Give the capacitor either a Q or an ESR, not both.")},
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

} // namespace

const std::vector<const char*>& messageCatalogue()
{
    static const std::vector<const char*> all = [] {
        std::vector<const char*> v;
        for (const Pair& p : constants)
            v.push_back(p.text);
        for (const char* t : texts)
            v.push_back(t);
        return v;
    }();
    return all;
}

} // namespace zelvo
