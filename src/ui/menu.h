// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The main window's menu: every item with its "&" mnemonic and accelerator,
// check marks and graying that follow the mode and the options.
#include "ui/app_state.h"

#include <QString>
#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace zelvo {

// The command identifiers of the menu.
enum class Command : int {
    New = 1,
    Open = 2,
    Save = 3,
    SaveAs = 4,
    Exit = 5,
    SaveNetlist = 8,
    ZChart = 10,
    YChart = 11,
    ChangeZo = 12,
    Help = 20,
    About = 21,
    GainCircles = 106,
    StabilityCircles = 107,
    QCircles = 108,
    Print = 109,
    PrinterSetup = 110,
    Wideband = 112,
    Redraw = 113,
    ChartMode = 114,
    SPlotMode = 115,
    ArrangeAll = 116,
    ArrangePlots = 117,
    VswrCircles = 118,
    ZoomIn = 119,
    ZoomOut = 120,
    ZoomValue = 121,
    WindowS11 = 122,
    WindowS22 = 123,
    WindowS12 = 124,
    WindowS21 = 125,
    WindowFile = 126,
    Colors = 127,
    Labels = 128,
    Undo = 130,
    MessageBeep = 133,
    ChartLabeling = 140,
    Redo = 141,
    NoiseCircles = 143,
    ExportH = 144,
    ExportZ = 145,
    ExportY = 147,
    GainTable = 148,
    GainGraphs = 149,
    ImportS11 = 150,
    ImportS22 = 151,
    Copy = 152,
    ExportA = 154,
    ConnectDatapoints = 155,
    Settings = 156,
    ExportPicture = 200,
    MatchAutomatically = 210,
    Optimise = 211,
    Tuner = 212,
    BroadbandMatch = 213,
    MatchAmplifier = 214,
    FrequencyResponse = 215,
    SaveSpiceNetlist = 230,
    ImportOnePort = 231,
    ZoomFit = 240,
    InsertBlock = 250,
    ExportNetwork = 251,
    PartLosses = 252,
    StandardValues = 253,
    ToleranceAnalysis = 254,
    LanguageSystem = 260,
    LanguageEnglish = 261,
    LanguageChinese = 262,
};

class MainMenu {
  public:
    // Builds the menus into `bar`; the accelerators act in every window the
    // actions are added to (the main window and the toolbox).
    MainMenu(QMenuBar* bar, QWidget* owner);

    QAction* action(Command c) const;
    // Every item, in menu order.
    const std::map<Command, QAction*>& actions() const { return actions_; }

    // Mode check marks and the items that only one mode offers.
    void applyMode(AppMode mode, bool twoPortLoaded);
    // Check marks of the options.
    void applySettings(const Settings& settings);
    // The Window menu's file item names the Touchstone file.
    void setFileItemText(const QString& text);

    std::function<void(Command)> onCommand;

  private:
    void addLanguageMenu(QMenu* options, QWidget* owner);

    std::map<Command, QAction*> actions_;
};

// The item's text as the menu resource writes it: "&Save\tCtrl+S".
QString resourceText(const QAction* action);

// Items whose commands come with later work: present in the menu, always
// grayed for now.
bool laterItem(Command c);

} // namespace zelvo
