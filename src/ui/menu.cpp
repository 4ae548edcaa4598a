// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
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
    {QT_TRANSLATE_NOOP("Menu", "&File"),
     {{Command::New, QT_TRANSLATE_NOOP("Menu", "&New")},
      {Command::Open, QT_TRANSLATE_NOOP("Menu", "&Open...")},
      {Command::ImportOnePort, QT_TRANSLATE_NOOP("Menu", "&Import one-port data...")},
      {Command::Save, QT_TRANSLATE_NOOP("Menu", "&Save\tCtrl+S")},
      {Command::SaveAs, QT_TRANSLATE_NOOP("Menu", "Save &As...")},
      {Command::SaveNetlist, QT_TRANSLATE_NOOP("Menu", "Save Net&list")},
      {Command::SaveSpiceNetlist, QT_TRANSLATE_NOOP("Menu", "Save SPI&CE Netlist...")},
      {separator, ""},
      {Command::PrinterSetup, QT_TRANSLATE_NOOP("Menu", "Printer s&etup...")},
      {Command::Print, QT_TRANSLATE_NOOP("Menu", "&Print...")},
      {Command::ExportPicture, QT_TRANSLATE_NOOP("Menu", "Expor&t Picture...")},
      {Command::ExportNetwork, QT_TRANSLATE_NOOP("Menu", "Export net&work as Touchstone...")},
      {separator, ""},
      {Command::Exit, QT_TRANSLATE_NOOP("Menu", "E&xit")}}},
    {QT_TRANSLATE_NOOP("Menu", "&Edit"),
     {{Command::Copy, QT_TRANSLATE_NOOP("Menu", "&Copy...\tCtrl+C")},
      {separator, ""},
      {Command::Undo, QT_TRANSLATE_NOOP("Menu", "&Undo\tDel")},
      {Command::Redo, QT_TRANSLATE_NOOP("Menu", "&Redo\tIns")}}},
    {QT_TRANSLATE_NOOP("Menu", "&Mode"), {{Command::ChartMode, QT_TRANSLATE_NOOP("Menu", "&Zelvo-Chart"), true}, {Command::SPlotMode, QT_TRANSLATE_NOOP("Menu", "S-&Plot"), true}}},
    {QT_TRANSLATE_NOOP("Menu", "&Circles"),
     {{Command::StabilityCircles, QT_TRANSLATE_NOOP("Menu", "&Stability circles...")},
      {Command::GainCircles, QT_TRANSLATE_NOOP("Menu", "constant &gain...")},
      {Command::NoiseCircles, QT_TRANSLATE_NOOP("Menu", "constant &noise figure...")},
      {separator, ""},
      {Command::QCircles, QT_TRANSLATE_NOOP("Menu", "constant &Q...")},
      {Command::VswrCircles, QT_TRANSLATE_NOOP("Menu", "&VSWR...")}}},
    {QT_TRANSLATE_NOOP("Menu", "&Network"),
     {{Command::Wideband, QT_TRANSLATE_NOOP("Menu", "&Wideband\tCtrl+W")},
      {Command::MatchAutomatically, QT_TRANSLATE_NOOP("Menu", "&Match automatically...\tCtrl+M")},
      {Command::BroadbandMatch, QT_TRANSLATE_NOOP("Menu", "&Broadband match...")},
      {Command::MatchAmplifier, QT_TRANSLATE_NOOP("Menu", "Match &amplifier...")},
      {Command::Optimise, QT_TRANSLATE_NOOP("Menu", "&Optimize...")},
      {separator, ""},
      {Command::StandardValues, QT_TRANSLATE_NOOP("Menu", "&Standard values...")},
      {Command::ToleranceAnalysis, QT_TRANSLATE_NOOP("Menu", "&Tolerance analysis...")},
      {separator, ""},
      {Command::InsertBlock, QT_TRANSLATE_NOOP("Menu", "&Insert two-port block...")}}},
    {QT_TRANSLATE_NOOP("Menu", "&Options"),
     {{Command::ZChart, QT_TRANSLATE_NOOP("Menu", "&Z-Chart"), true},
      {Command::YChart, QT_TRANSLATE_NOOP("Menu", "&Y-Chart"), true},
      {Command::Labels, QT_TRANSLATE_NOOP("Menu", "&Labels\tCtrl+L"), true},
      {Command::ChartLabeling, QT_TRANSLATE_NOOP("Menu", "Ch&art Labeling"), true},
      {Command::MessageBeep, QT_TRANSLATE_NOOP("Menu", "&Message Beep"), true},
      {Command::ConnectDatapoints, QT_TRANSLATE_NOOP("Menu", "Connect &Datapoints"), true},
      {separator, ""},
      {Command::Colors, QT_TRANSLATE_NOOP("Menu", "C&olors...")},
      {Command::ChangeZo, QT_TRANSLATE_NOOP("Menu", "&Change Zo...")},
      {Command::Settings, QT_TRANSLATE_NOOP("Menu", "Settings")},
      {Command::PartLosses, QT_TRANSLATE_NOOP("Menu", "&Part Losses...")}}},
    {QT_TRANSLATE_NOOP("Menu", "&Zoom"),
     {{Command::ZoomIn, QT_TRANSLATE_NOOP("Menu", "Zoom &in\tCtrl+I")},
      {Command::ZoomOut, QT_TRANSLATE_NOOP("Menu", "Zoom &out\tCtrl+O")},
      {Command::ZoomValue, QT_TRANSLATE_NOOP("Menu", "Zoom &value\tCtrl+V")},
      {separator, ""},
      {Command::Redraw, QT_TRANSLATE_NOOP("Menu", "&Redraw")},
      {Command::ZoomFit, QT_TRANSLATE_NOOP("Menu", "Zoom &Fit")}}},
    {QT_TRANSLATE_NOOP("Menu", "E&xport"),
     {{Command::ExportH, QT_TRANSLATE_NOOP("Menu", "s- to &H-parameter - file")},
      {Command::ExportZ, QT_TRANSLATE_NOOP("Menu", "s- to &Z-parameter - file")},
      {Command::ExportY, QT_TRANSLATE_NOOP("Menu", "s- to &Y-parameter - file")},
      {Command::ExportA, QT_TRANSLATE_NOOP("Menu", "s- to &A-parameter - file")},
      {separator, ""},
      {Command::ImportS11, QT_TRANSLATE_NOOP("Menu", "s&11 to zelvo chart")},
      {Command::ImportS22, QT_TRANSLATE_NOOP("Menu", "s&22 to zelvo chart")}}},
    {QT_TRANSLATE_NOOP("Menu", "&Window"),
     {{Command::ArrangeAll, QT_TRANSLATE_NOOP("Menu", "&Arrange all")},
      {Command::ArrangePlots, QT_TRANSLATE_NOOP("Menu", "Arrange &Plots")},
      {separator, ""},
      {Command::WindowS11, "S11"},
      {Command::WindowS12, "S12"},
      {Command::WindowS21, "S21"},
      {Command::WindowS22, "S22"},
      {Command::WindowFile, QT_TRANSLATE_NOOP("Menu", "<unnamed>")},
      {Command::GainTable, QT_TRANSLATE_NOOP("Menu", "gain &table")},
      {Command::GainGraphs, QT_TRANSLATE_NOOP("Menu", "gain &graphs")},
      {separator, ""},
      {Command::Tuner, QT_TRANSLATE_NOOP("Menu", "T&uner"), true},
      {Command::FrequencyResponse, QT_TRANSLATE_NOOP("Menu", "&Frequency response")}}},
    {QT_TRANSLATE_NOOP("Menu", "&Help"), {{Command::Help, QT_TRANSLATE_NOOP("Menu", "&Help...\tF1")}, {Command::About, QT_TRANSLATE_NOOP("Menu", "&About...")}}},
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
        QMenu* menu = bar->addMenu(QCoreApplication::translate("Menu", m.title));
        for (const Item& item : m.items) {
            if (item.id == separator) {
                menu->addSeparator();
                continue;
            }
            // The shortcut comes from the English text, so that no translation can change it.
            const QString full = QString::fromLatin1(item.text);
            const qsizetype tab = full.indexOf(QLatin1Char('\t'));
            const QString shown = QCoreApplication::translate("Menu", item.text);
            auto* a = new QAction(shown.section(QLatin1Char('\t'), 0, 0), owner);
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
        if (m.items.begin()->id == Command::ZChart)
            addLanguageMenu(menu, owner);
    }
    for (auto& [id, a] : actions_)
        if (laterItem(id))
            a->setEnabled(false);
    applyMode(AppMode::Chart, false);
}

void MainMenu::addLanguageMenu(QMenu* options, QWidget* owner)
{
    // Named in both languages' own words, so that a user who cannot read the
    // current one still finds their own.
    QMenu* menu = options->addMenu(QCoreApplication::translate("Menu", "La&nguage"));
    auto* group = new QActionGroup(menu);
    const std::pair<Command, QString> items[] = {
        {Command::LanguageSystem, QCoreApplication::translate("Menu", "&System")},
        {Command::LanguageEnglish, QStringLiteral("&English")},
        {Command::LanguageChinese, QStringLiteral("\u4E2D\u6587 (&C)")}};
    for (const auto& [id, text] : items) {
        auto* a = new QAction(text, group);
        a->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(id)));
        a->setCheckable(true);
        // A copy: clang 14 cannot capture a structured binding.
        QObject::connect(a, &QAction::triggered, owner, [this, command = id] {
            if (onCommand)
                onCommand(command);
        });
        menu->addAction(a);
        actions_[id] = a;
    }
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
    action(Command::New)->setText(chart ? QCoreApplication::translate("Menu", "&New")
                                        : QCoreApplication::translate("Menu", "&Close"));
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
    const Command language = s.language == UiLanguage::English   ? Command::LanguageEnglish
                             : s.language == UiLanguage::Chinese ? Command::LanguageChinese
                                                                 : Command::LanguageSystem;
    action(language)->setChecked(true);
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
