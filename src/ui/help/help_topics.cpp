// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/help/help_topics.h"

#include <QCoreApplication>
#include <QFile>
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
    {QT_TRANSLATE_NOOP("Help", "Contents"), "contents.html"},
    {QT_TRANSLATE_NOOP("Help", "Getting started"), "overview.html"},
    {QT_TRANSLATE_NOOP("Help", "Input of data points"), "datapoints.html"},
    {QT_TRANSLATE_NOOP("Help", "Editing data points"), "edit_datapoints.html"},
    {QT_TRANSLATE_NOOP("Help", "Input of the network"), "network.html"},
    {QT_TRANSLATE_NOOP("Help", "Editing element values"), "edit_element.html"},
    {QT_TRANSLATE_NOOP("Help", "Reading the results"), "readouts.html"},
    {QT_TRANSLATE_NOOP("Help", "Q contours and VSWR circles"), "contours.html"},
    {QT_TRANSLATE_NOOP("Help", "Wideband evaluation"), "wideband.html"},
    {QT_TRANSLATE_NOOP("Help", "Tuning, matching and optimising"), "tuning.html"},
    {QT_TRANSLATE_NOOP("Help", "Broadband matching"), "broadband.html"},
    {QT_TRANSLATE_NOOP("Help", "Standard values and tolerances"), "tolerance.html"},
    {QT_TRANSLATE_NOOP("Help", "Frequency response and amplifiers"), "response.html"},
    {QT_TRANSLATE_NOOP("Help", "Undo and redo"), "undo.html"},
    {QT_TRANSLATE_NOOP("Help", "Files and netlists"), "files.html"},
    {QT_TRANSLATE_NOOP("Help", "Copying to the clipboard"), "clipboard.html"},
    {QT_TRANSLATE_NOOP("Help", "Printing"), "printing.html"},
    {QT_TRANSLATE_NOOP("Help", "Options, colours and zoom"), "options.html"},
    {QT_TRANSLATE_NOOP("Help", "S-Plot mode"), "splot.html"},
    {QT_TRANSLATE_NOOP("Help", "Stability, gain and noise circles"), "circles.html"},
    {QT_TRANSLATE_NOOP("Help", "Keys and mouse buttons"), "keys.html"},
    {QT_TRANSLATE_NOOP("Help", "Limits and messages"), "limits.html"},
};

// The page in the interface's language where there is one, else the English one.
QUrl pageUrl(const char* target)
{
    const QString page = QString::fromLatin1(target);
    //: The folder of the help pages in this language; "en" for the English ones.
    const QString language = QCoreApplication::translate("Help", "en");
    if (language != QLatin1String("en")) {
        const QString file = page.section(QLatin1Char('#'), 0, 0);
        if (QFile::exists(QStringLiteral(":/help/%1/%2").arg(language, file)))
            return QUrl(QStringLiteral("qrc:/help/%1/%2").arg(language, page));
    }
    return QUrl(QStringLiteral("qrc:/help/") + page);
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
        list.push_back({QCoreApplication::translate("Help", p.title), pageUrl(p.page)});
    return list;
}

} // namespace zelvo
