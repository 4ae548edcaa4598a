// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/help/help_topics.h"

#include <QtCore/qresource.h>

static void initHelpResourcesOutsideNamespace()
{
    Q_INIT_RESOURCE(help);
}

namespace zelvo {

namespace {

struct Keyword {
    const char* keyword;
    const char* target; // page, optionally with "#anchor"
};

constexpr Keyword keywords[] = {
    {"Input of Datapoints", "datapoints.html"},
    {"Edit Datapoints", "edit_datapoints.html"},
    {"Input of Network", "network.html#zo"},
    {"Edit Element Value", "edit_element.html"},
    {"Part Losses", "losses.html"},
    {"Constant Q Contours", "contours.html#q"},
    {"Constant VSWR Circles", "contours.html#vswr"},
    {"Clipboard", "clipboard.html"},
    {"Stability-Circles", "circles.html#stability"},
    {"Stability Circles", "circles.html#sparameters"},
    {"Constant Gain Circles", "circles.html#gain"},
    {"Constant Noise Figure Circles", "circles.html#noise"},
    {"H-, Z-, Y- and A-Parameter - File", "splot.html#parameters"},
    {"Export Data to Chart", "splot.html#export"},
    {"Print the Zelvo-Chart", "printing.html"},
    {"1049", "circles.html#import"},
    // F1 in the dialogs without a Help button, and the main window's commands.
    {"Picking Data Points", "datapoints.html#mouse"},
    {"Lines", "network.html#line"},
    {"Stubs", "network.html#stub"},
    {"RLC Groups", "network.html#rlc"},
    {"Getting Started", "overview.html"},
    {"Toolbox", "network.html"},
    {"Readouts", "readouts.html"},
    {"Wideband", "wideband.html"},
    {"Undo and Redo", "undo.html"},
    {"Files", "files.html"},
    {"Netlist", "files.html#netlist"},
    {"Settings File", "files.html#settings"},
    {"Options", "options.html"},
    {"Colors", "options.html#colours"},
    {"Line Width", "options.html#linewidth"},
    {"Zoom", "options.html#zoom"},
    {"S-Plot", "splot.html"},
    {"Keys", "keys.html"},
    {"Limits", "limits.html"},
    {"Tuning", "tuning.html#tuning"},
    {"Match automatically", "tuning.html#match"},
    {"Optimize", "tuning.html#optimise"},
    {"Two-Port Block", "network.html#block"},
    {"Network as Touchstone", "files.html#touchstone"},
    {"Broadband Match", "broadband.html"},
    {"Standard Values", "tolerance.html#standard"},
    {"Tolerance Analysis", "tolerance.html#analysis"},
    {"Tolerance", "tolerance.html#series"},
    {"Frequency Response", "response.html#response"},
    {"Match Amplifier", "response.html#amplifier"},
};

constexpr struct {
    const char* title;
    const char* page;
} pages[] = {
    {"Contents", "contents.html"},
    {"Getting started", "overview.html"},
    {"Input of data points", "datapoints.html"},
    {"Editing data points", "edit_datapoints.html"},
    {"Input of the network", "network.html"},
    {"Editing element values", "edit_element.html"},
    {"Reading the results", "readouts.html"},
    {"Q contours and VSWR circles", "contours.html"},
    {"Wideband evaluation", "wideband.html"},
    {"Tuning, matching and optimising", "tuning.html"},
    {"Broadband matching", "broadband.html"},
    {"Standard values and tolerances", "tolerance.html"},
    {"Frequency response and amplifiers", "response.html"},
    {"Undo and redo", "undo.html"},
    {"Files and netlists", "files.html"},
    {"Copying to the clipboard", "clipboard.html"},
    {"Printing", "printing.html"},
    {"Options, colours and zoom", "options.html"},
    {"S-Plot mode", "splot.html"},
    {"Stability, gain and noise circles", "circles.html"},
    {"Keys and mouse buttons", "keys.html"},
    {"Limits and messages", "limits.html"},
};

QUrl pageUrl(const char* target)
{
    return QUrl(QStringLiteral("qrc:/help/") + QString::fromLatin1(target));
}

} // namespace

void initHelpResources()
{
    static const bool done = [] {
        initHelpResourcesOutsideNamespace();
        return true;
    }();
    (void)done;
}

QUrl helpContentsUrl()
{
    return pageUrl("contents.html");
}

QUrl helpUrl(const QString& keyword)
{
    const QString wanted = keyword.trimmed();
    for (const Keyword& k : keywords)
        if (wanted.compare(QLatin1String(k.keyword), Qt::CaseInsensitive) == 0)
            return pageUrl(k.target);
    return helpContentsUrl();
}

QStringList helpKeywords()
{
    QStringList list;
    for (const Keyword& k : keywords)
        list << QString::fromLatin1(k.keyword);
    return list;
}

QList<HelpPage> helpPages()
{
    QList<HelpPage> list;
    for (const auto& p : pages)
        list.push_back({QString::fromLatin1(p.title), pageUrl(p.page)});
    return list;
}

} // namespace zelvo
