// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <initializer_list>

namespace zelvo {

namespace {

// One menu item, or a separator (Command 0).
struct Item {
    Command id;
    const char* text;
    bool checkable = false;
};
constexpr Command separator = static_cast<Command>(0);

struct Menu {
    const char* title;
    std::initializer_list<Item> items;
};

const Menu menus[] = {
    {"&File",
     {{Command::New, "&New"},
      {Command::Open, "&Open..."},
      {Command::ImportOnePort, "&Import one-port data..."},
      {Command::Save, "&Save\tCtrl+S"},
      {Command::SaveAs, "Save &As..."},
      {Command::SaveNetlist, "Save Net&list"},
      {Command::SaveSpiceNetlist, "Save SPI&CE Netlist..."},
      {separator, ""},
      {Command::PrinterSetup, "Printer s&etup..."},
      {Command::Print, "&Print..."},
      {Command::ExportPicture, "Expor&t Picture..."},
      {Command::ExportNetwork, "Export net&work as Touchstone..."},
      {separator, ""},
      {Command::Exit, "E&xit"}}},
    {"&Edit",
     {{Command::Copy, "&Copy...\tCtrl+C"},
      {separator, ""},
      {Command::Undo, "&Undo\tDel"},
      {Command::Redo, "&Redo\tIns"}}},
    {"&Mode", {{Command::ChartMode, "&Zelvo-Chart", true}, {Command::SPlotMode, "S-&Plot", true}}},
    {"&Circles",
     {{Command::StabilityCircles, "&Stability circles..."},
      {Command::GainCircles, "constant &gain..."},
      {Command::NoiseCircles, "constant &noise figure..."},
      {separator, ""},
      {Command::QCircles, "constant &Q..."},
      {Command::VswrCircles, "&VSWR..."}}},
    {"&Network",
     {{Command::Wideband, "&Wideband\tCtrl+W"},
      {Command::MatchAutomatically, "&Match automatically...\tCtrl+M"},
      {Command::BroadbandMatch, "&Broadband match..."},
      {Command::MatchAmplifier, "Match &amplifier..."},
      {Command::Optimise, "&Optimize..."},
      {separator, ""},
      {Command::StandardValues, "&Standard values..."},
      {Command::ToleranceAnalysis, "&Tolerance analysis..."},
      {separator, ""},
      {Command::InsertBlock, "&Insert two-port block..."}}},
    {"&Options",
     {{Command::ZChart, "&Z-Chart", true},
      {Command::YChart, "&Y-Chart", true},
      {Command::Labels, "&Labels\tCtrl+L", true},
      {Command::ChartLabeling, "Ch&art Labeling", true},
      {Command::MessageBeep, "&Message Beep", true},
      {Command::ConnectDatapoints, "Connect &Datapoints", true},
      {separator, ""},
      {Command::Colors, "C&olors..."},
      {Command::ChangeZo, "&Change Zo..."},
      {Command::Settings, "Settings"},
      {Command::PartLosses, "&Part Losses..."}}},
    {"&Zoom",
     {{Command::ZoomIn, "Zoom &in\tCtrl+I"},
      {Command::ZoomOut, "Zoom &out\tCtrl+O"},
      {Command::ZoomValue, "Zoom &value\tCtrl+V"},
      {separator, ""},
      {Command::Redraw, "&Redraw"},
      {Command::ZoomFit, "Zoom &Fit"}}},
    {"E&xport",
     {{Command::ExportH, "s- to &H-parameter - file"},
      {Command::ExportZ, "s- to &Z-parameter - file"},
      {Command::ExportY, "s- to &Y-parameter - file"},
      {Command::ExportA, "s- to &A-parameter - file"},
      {separator, ""},
      {Command::ImportS11, "s&11 to zelvo chart"},
      {Command::ImportS22, "s&22 to zelvo chart"}}},
    {"&Window",
     {{Command::ArrangeAll, "&Arrange all"},
      {Command::ArrangePlots, "Arrange &Plots"},
      {separator, ""},
      {Command::WindowS11, "S11"},
      {Command::WindowS12, "S12"},
      {Command::WindowS21, "S21"},
      {Command::WindowS22, "S22"},
      {Command::WindowFile, "<unnamed>"},
      {Command::GainTable, "gain &table"},
      {Command::GainGraphs, "gain &graphs"},
      {separator, ""},
      {Command::Tuner, "T&uner", true},
      {Command::FrequencyResponse, "&Frequency response"}}},
    {"&Help", {{Command::Help, "&Help...\tF1"}, {Command::About, "&About..."}}},
};

// Chart-mode items grayed in S-Plot mode.
constexpr Command chartItems[] = {
    Command::Save,        Command::SaveAs,       Command::SaveNetlist, Command::StabilityCircles,
    Command::GainCircles, Command::NoiseCircles, Command::QCircles,    Command::VswrCircles,
    Command::Wideband,    Command::ZChart,       Command::YChart,      Command::ChangeZo,
    Command::ZoomIn,      Command::ZoomOut,      Command::ZoomValue,   Command::Undo,
    Command::Redo,        Command::Colors,       Command::Labels,      Command::Copy,
    Command::MatchAutomatically, Command::BroadbandMatch, Command::Optimise, Command::Tuner,
    Command::SaveSpiceNetlist, Command::ImportOnePort, Command::ZoomFit,
    Command::InsertBlock, Command::ExportNetwork, Command::PartLosses, Command::MatchAmplifier,
    Command::FrequencyResponse, Command::StandardValues, Command::ToleranceAnalysis};

// S-Plot items grayed in chart mode.
constexpr Command sPlotItems[] = {Command::ArrangeAll, Command::ArrangePlots, Command::WindowS11,
                                  Command::WindowS12,  Command::WindowS21,    Command::WindowS22,
                                  Command::WindowFile, Command::GainTable,    Command::GainGraphs};

constexpr Command exportItems[] = {Command::ExportH, Command::ExportZ,   Command::ExportY,
                                   Command::ExportA, Command::ImportS11, Command::ImportS22};

} // namespace

bool laterItem(Command c)
{
    static_cast<void>(c); // none left
    return false;
}

MainMenu::MainMenu(QMenuBar* bar, QWidget* owner)
{
    for (const Menu& m : menus) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(m.title));
        for (const Item& item : m.items) {
            if (item.id == separator) {
                menu->addSeparator();
                continue;
            }
            const QString full = QString::fromLatin1(item.text);
            const qsizetype tab = full.indexOf(QLatin1Char('\t'));
            auto* a = new QAction(tab < 0 ? full : full.left(tab), owner);
            a->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(item.id)));
            if (tab >= 0) {
                a->setShortcut(
                    QKeySequence::fromString(full.mid(tab + 1), QKeySequence::PortableText));
                a->setShortcutContext(Qt::WindowShortcut);
                owner->addAction(a);
            }
            a->setCheckable(item.checkable);
            QObject::connect(a, &QAction::triggered, owner, [this, id = item.id] {
                if (onCommand)
                    onCommand(id);
            });
            menu->addAction(a);
            actions_[item.id] = a;
        }
    }
    for (auto& [id, a] : actions_)
        if (laterItem(id))
            a->setEnabled(false);
    applyMode(AppMode::Chart, false);
}

QAction* MainMenu::action(Command c) const
{
    const auto it = actions_.find(c);
    return it == actions_.end() ? nullptr : it->second;
}

void MainMenu::applyMode(AppMode mode, bool twoPortLoaded)
{
    const bool chart = mode == AppMode::Chart;
    action(Command::ChartMode)->setChecked(chart);
    action(Command::SPlotMode)->setChecked(!chart);
    action(Command::New)->setText(chart ? QStringLiteral("&New") : QStringLiteral("&Close"));
    const auto enable = [this](Command c, bool on) { action(c)->setEnabled(on && !laterItem(c)); };
    for (Command c : chartItems)
        enable(c, chart);
    for (Command c : sPlotItems)
        enable(c, !chart);
    for (Command c : exportItems)
        enable(c, !chart && twoPortLoaded);
}

void MainMenu::applySettings(const Settings& s)
{
    action(Command::ZChart)->setChecked(s.showZChart());
    action(Command::YChart)->setChecked(s.showYChart());
    action(Command::Labels)->setChecked(s.labels);
    action(Command::ChartLabeling)->setChecked(s.chartLabels);
    action(Command::MessageBeep)->setChecked(s.messageBeep);
    action(Command::ConnectDatapoints)->setChecked(s.linkDataPoints);
}

void MainMenu::setFileItemText(const QString& text)
{
    // A path is no mnemonic: "&" in it must show as itself.
    QString t = text;
    t.replace(QLatin1Char('&'), QLatin1String("&&"));
    action(Command::WindowFile)->setText(t);
}

QString resourceText(const QAction* action)
{
    const QKeySequence k = action->shortcut();
    if (k.isEmpty())
        return action->text();
    return action->text() + QLatin1Char('\t') + k.toString(QKeySequence::PortableText);
}

} // namespace zelvo
