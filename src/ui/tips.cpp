// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/tips.h"

#include "core/format.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace zelvo {

QString commandTip(Command c)
{
    switch (c) {
    case Command::New:
        return QCoreApplication::translate("Tips", "Starts a new design (in S-Plot mode: closes the Touchstone file)");
    case Command::Open:
        return QCoreApplication::translate("Tips", "Opens a design file (in S-Plot mode: a Touchstone .s2p file)");
    case Command::Save:
        return QCoreApplication::translate("Tips", "Saves the design under its file name");
    case Command::SaveAs:
        return QCoreApplication::translate("Tips", "Saves the design under a new file name");
    case Command::SaveNetlist:
        return QCoreApplication::translate("Tips", "Writes the matching network as a circuit netlist");
    case Command::PrinterSetup:
        return QCoreApplication::translate("Tips", "Chooses the printer and its options");
    case Command::Print:
        return QCoreApplication::translate("Tips", "Prints the chart and the schematic");
    case Command::ExportPicture:
        return QCoreApplication::translate("Tips", "Saves the chart, the schematic or a plot as a PDF, SVG or PNG file");
    case Command::Exit:
        return QCoreApplication::translate("Tips", "Quits Zelvo, offering to save unsaved changes");
    case Command::Copy:
        return QCoreApplication::translate("Tips", "Copies the chart or the schematic to the clipboard");
    case Command::Undo:
        return QCoreApplication::translate("Tips", "Takes back the last data point or element (also: right button)");
    case Command::Redo:
        return QCoreApplication::translate("Tips", "Brings back what was taken back (also: middle button)");
    case Command::ChartMode:
        return QCoreApplication::translate("Tips", "Designs matching networks on the impedance chart");
    case Command::SPlotMode:
        return QCoreApplication::translate("Tips", "Shows measured two-port S-parameters, gains and stability");
    case Command::StabilityCircles:
        return QCoreApplication::translate("Tips", "Draws the input and output stability circles of the two-port");
    case Command::GainCircles:
        return QCoreApplication::translate("Tips", "Draws circles of constant gain");
    case Command::NoiseCircles:
        return QCoreApplication::translate("Tips", "Draws circles of constant noise figure");
    case Command::QCircles:
        return QCoreApplication::translate("Tips", "Draws contours of constant Q");
    case Command::VswrCircles:
        return QCoreApplication::translate("Tips", "Draws circles of constant VSWR");
    case Command::Wideband:
        return QCoreApplication::translate("Tips", "Evaluates the network over a frequency range");
    case Command::ZChart:
        return QCoreApplication::translate("Tips", "Shows the impedance (Z) grid");
    case Command::YChart:
        return QCoreApplication::translate("Tips", "Shows the admittance (Y) grid");
    case Command::Labels:
        return QCoreApplication::translate("Tips", "Shows the numbers of the data points on the chart");
    case Command::ChartLabeling:
        return QCoreApplication::translate("Tips", "Shows the values of the grid circles");
    case Command::MessageBeep:
        return QCoreApplication::translate("Tips", "Beeps with error messages");
    case Command::ConnectDatapoints:
        return QCoreApplication::translate("Tips", "Joins the data points by lines in frequency order");
    case Command::Colors:
        return QCoreApplication::translate("Tips", "Chooses the colours of the grids and the drawn objects");
    case Command::ChangeZo:
        return QCoreApplication::translate("Tips", "Changes the reference impedance Zo of the chart");
    case Command::Settings:
        return QCoreApplication::translate("Tips", "Chooses the line width of the drawing");
    case Command::ZoomIn:
        return QCoreApplication::translate("Tips", "Doubles the zoom factor (Ctrl + wheel zooms about the pointer)");
    case Command::ZoomOut:
        return QCoreApplication::translate("Tips", "Halves the zoom factor");
    case Command::ZoomValue:
        return QCoreApplication::translate("Tips", "Sets the zoom factor to a value");
    case Command::Redraw:
        return QCoreApplication::translate("Tips", "Draws every window anew with the chart centred");
    case Command::MatchAutomatically:
        return QCoreApplication::translate("Tips", "Lists the L-networks, stub and quarter-wave matches from the chain's end to a target");
    case Command::BroadbandMatch:
        return QCoreApplication::translate("Tips", "Searches ladder networks that match the load over a band and compares them with the Bode-Fano limit");
    case Command::Optimise:
        return QCoreApplication::translate("Tips", "Optimises element values for the best worst-case match over the data point frequencies");
    case Command::Tuner:
        return QCoreApplication::translate("Tips", "Shows or hides the Tuner window with a slider per tuned element");
    case Command::MatchAmplifier:
        return QCoreApplication::translate("Tips", "Matches a two-port device at one frequency: output network, device and input network for the maximum gain");
    case Command::FrequencyResponse:
        return QCoreApplication::translate("Tips", "Shows return loss, VSWR, gain, stability and noise figure of the finished chain over a frequency sweep");
    case Command::SaveSpiceNetlist:
        return QCoreApplication::translate("Tips", "Writes the matching network as an ngspice subcircuit");
    case Command::ImportOnePort:
        return QCoreApplication::translate("Tips", "Adds the points of a one-port Touchstone file (.s1p) as data points");
    case Command::ZoomFit:
        return QCoreApplication::translate("Tips", "Shows the whole chart, centred, at zoom 1");
    case Command::InsertBlock:
        return QCoreApplication::translate("Tips", "Adds a measured two-port (a transistor, a vendor's part) from a Touchstone file to the chain");
    case Command::ExportNetwork:
        return QCoreApplication::translate("Tips", "Writes the matching network as a two-port Touchstone file (.s2p) for other tools");
    case Command::StandardValues:
        return QCoreApplication::translate("Tips", "Moves every L, C and R to the E-series values that keep the best worst-case match");
    case Command::ToleranceAnalysis:
        return QCoreApplication::translate("Tips", "Draws the spread of the match over the parts' tolerances and gives its yield");
    case Command::PartLosses:
        return QCoreApplication::translate("Tips", "Sets the Q, ESR, self-resonance and line loss of parts placed from now on");
    case Command::ExportH:
        return QCoreApplication::translate("Tips", "Writes the S-parameters as H-parameters");
    case Command::ExportZ:
        return QCoreApplication::translate("Tips", "Writes the S-parameters as Z-parameters");
    case Command::ExportY:
        return QCoreApplication::translate("Tips", "Writes the S-parameters as Y-parameters");
    case Command::ExportA:
        return QCoreApplication::translate("Tips", "Writes the S-parameters as ABCD-parameters");
    case Command::ImportS11:
        return QCoreApplication::translate("Tips", "Takes S11 as data points into the chart");
    case Command::ImportS22:
        return QCoreApplication::translate("Tips", "Takes S22 as data points into the chart");
    case Command::ArrangeAll:
        return QCoreApplication::translate("Tips", "Puts every S-Plot window back in its place");
    case Command::ArrangePlots:
        return QCoreApplication::translate("Tips", "Shows the four S-parameter plots side by side");
    case Command::WindowS11:
        return QCoreApplication::translate("Tips", "Shows the S11 plot (input reflection)");
    case Command::WindowS12:
        return QCoreApplication::translate("Tips", "Shows the S12 plot (reverse transmission)");
    case Command::WindowS21:
        return QCoreApplication::translate("Tips", "Shows the S21 plot (forward transmission)");
    case Command::WindowS22:
        return QCoreApplication::translate("Tips", "Shows the S22 plot (output reflection)");
    case Command::WindowFile:
        return QCoreApplication::translate("Tips", "Shows the text of the Touchstone file");
    case Command::GainTable:
        return QCoreApplication::translate("Tips", "Shows the table of gains and stability factors");
    case Command::GainGraphs:
        return QCoreApplication::translate("Tips", "Shows the gains over frequency");
    case Command::Help:
        return QCoreApplication::translate("Tips", "Opens the help");
    case Command::About:
        return QCoreApplication::translate("Tips", "Shows the program version");
    case Command::LanguageSystem:
        return QCoreApplication::translate("Tips", "Shows the windows in the language of the system from the next start");
    case Command::LanguageEnglish:
        return QCoreApplication::translate("Tips", "Shows the windows in English from the next start");
    case Command::LanguageChinese:
        return QCoreApplication::translate("Tips", "Shows the windows in Chinese from the next start");
    }
    return {};
}

void applyMenuTips(const MainMenu& menu)
{
    for (const auto& [id, action] : menu.actions()) {
        const QString tip = commandTip(id);
        if (tip.isEmpty())
            continue;
        action->setStatusTip(tip);
        action->setToolTip(tip);
    }
}

namespace {

void setTips(QWidget* w, const QString& tip)
{
    if (!w)
        return;
    w->setToolTip(tip);
    w->setStatusTip(tip);
}

} // namespace

void applyToolboxTips(QWidget* toolbox)
{
    struct Tip {
        const char* name;
        const char* text;
    };
    static constexpr Tip tips[] = {
        {"seriesC", QT_TRANSLATE_NOOP(
                        "Tips", "Series capacitor: moves along a circle of constant resistance")},
        {"seriesL",
         QT_TRANSLATE_NOOP("Tips", "Series inductor: moves along a circle of constant resistance")},
        {"seriesR",
         QT_TRANSLATE_NOOP("Tips", "Series resistor: moves along an arc of constant reactance")},
        {"seriesLine",
         QT_TRANSLATE_NOOP("Tips", "Series transmission line: turns about the line impedance")},
        {"seriesRlc",
         QT_TRANSLATE_NOOP(
             "Tips", "Series R, L and C: enters a resistor, inductor and capacitor by value")},
        {"shuntC", QT_TRANSLATE_NOOP(
                       "Tips", "Shunt capacitor: moves along a circle of constant conductance")},
        {"shuntL",
         QT_TRANSLATE_NOOP("Tips", "Shunt inductor: moves along a circle of constant conductance")},
        {"shuntR",
         QT_TRANSLATE_NOOP("Tips", "Shunt resistor: moves along an arc of constant susceptance")},
        {"shuntLine",
         QT_TRANSLATE_NOOP(
             "Tips", "Shunt stub, short-circuited or open: moves along constant conductance")},
        {"shuntRlc",
         QT_TRANSLATE_NOOP("Tips",
                           "Shunt R, L and C: enters a resistor, inductor and capacitor by value")},
        {"transformer",
         QT_TRANSLATE_NOOP("Tips",
                           "Ideal transformer: scales the impedance by the turns ratio squared")},
        {"block",
         QT_TRANSLATE_NOOP("Tips",
                           "Two-port block: a measured transistor or part from a Touchstone file")},
        {"dataPoint",
         QT_TRANSLATE_NOOP("Tips",
                           "Data point: enters an impedance and its frequency, or picks one")},
    };
    for (const Tip& t : tips)
        setTips(toolbox->findChild<QWidget*>(QString::fromLatin1(t.name)),
                QCoreApplication::translate("Tips", t.text));
}

void applyReadoutTips(QWidget* parent)
{
    struct Tip {
        const char* field;
        const char* caption;
        const char* text;
    };
    static constexpr Tip tips[] = {
        {"readoutZ", "Z", QT_TRANSLATE_NOOP("Tips", "Impedance under the pointer, R + jX in ohm")},
        {"readoutY", "Y",
         QT_TRANSLATE_NOOP("Tips", "Admittance under the pointer, G + jB in siemens")},
        {"readoutR", "r",
         QT_TRANSLATE_NOOP(
             "Tips", "Reflection coefficient under the pointer: magnitude / angle in degrees")},
        {"readoutQ", "Q", QT_TRANSLATE_NOOP("Tips", "Quality factor |X| / R under the pointer")},
        {"readoutVswr", "VSWR",
         QT_TRANSLATE_NOOP("Tips", "Voltage standing wave ratio under the pointer")},
        {"readoutZo", "Zo", QT_TRANSLATE_NOOP("Tips", "Reference impedance of the chart, in ohm")},
        {"readoutRL", "RL", QT_TRANSLATE_NOOP("Tips", "Return loss under the pointer, in dB")},
    };
    const QList<QGroupBox*> boxes = parent->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
    for (const Tip& t : tips) {
        const QString tip = QCoreApplication::translate("Tips", t.text);
        setTips(parent->findChild<QLabel*>(QString::fromLatin1(t.field)), tip);
        for (QGroupBox* b : boxes)
            if (b->title() == QCoreApplication::translate("Readouts", t.caption))
                setTips(b, tip);
    }
}

QString placementStatus(ElementKind kind, std::optional<double> value, double lineImpedance,
                        const QString& losses)
{
    QString name;
    QString unit;
    switch (kind) {
    case ElementKind::CS:
        name = QCoreApplication::translate("Tips", "series capacitor");
        unit = QStringLiteral("F");
        break;
    case ElementKind::IS:
        name = QCoreApplication::translate("Tips", "series inductor");
        unit = QStringLiteral("H");
        break;
    case ElementKind::RS:
        name = QCoreApplication::translate("Tips", "series resistor");
        unit = QStringLiteral("\u03a9");
        break;
    case ElementKind::LS:
        name = QCoreApplication::translate("Tips", "series line");
        break;
    case ElementKind::CP:
        name = QCoreApplication::translate("Tips", "shunt capacitor");
        unit = QStringLiteral("F");
        break;
    case ElementKind::IP:
        name = QCoreApplication::translate("Tips", "shunt inductor");
        unit = QStringLiteral("H");
        break;
    case ElementKind::RP:
        name = QCoreApplication::translate("Tips", "shunt resistor");
        unit = QStringLiteral("\u03a9");
        break;
    case ElementKind::LPS:
        name = QCoreApplication::translate("Tips", "short-circuited stub");
        break;
    case ElementKind::LPO:
        name = QCoreApplication::translate("Tips", "open stub");
        break;
    case ElementKind::TR:
        name = QCoreApplication::translate("Tips", "transformer");
        break;
    default:
        return {};
    }
    QString text = QCoreApplication::translate("Tips", "Placing %1").arg(name);
    const bool line =
        kind == ElementKind::LS || kind == ElementKind::LPS || kind == ElementKind::LPO;
    if (line)
        text += QCoreApplication::translate("Tips", " (Zl %1 \u03a9)").arg(lineImpedance, 0, 'g', 4);
    if (!losses.isEmpty())
        text += QCoreApplication::translate("Tips", " with ") + losses;
    if (value) {
        if (line)
            text += QCoreApplication::translate("Tips", ": %1 \u03bb").arg(*value, 0, 'f', 3);
        else if (kind == ElementKind::TR)
            text += QStringLiteral(": 1:%1").arg(*value, 0, 'f', 2);
        else
            text += QStringLiteral(": ") + QString::fromStdString(formatSi(*value, 1)) + unit;
    }
    return text + QCoreApplication::translate("Tips", "   (left button fixes it, right button cancels)");
}

} // namespace zelvo
