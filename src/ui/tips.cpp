// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/tips.h"

#include "core/format.h"

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
        return QStringLiteral("Starts a new design (in S-Plot mode: closes the Touchstone file)");
    case Command::Open:
        return QStringLiteral("Opens a design file (in S-Plot mode: a Touchstone .s2p file)");
    case Command::Save:
        return QStringLiteral("Saves the design under its file name");
    case Command::SaveAs:
        return QStringLiteral("Saves the design under a new file name");
    case Command::SaveNetlist:
        return QStringLiteral("Writes the matching network as a circuit netlist");
    case Command::PrinterSetup:
        return QStringLiteral("Chooses the printer and its options");
    case Command::Print:
        return QStringLiteral("Prints the chart and the schematic");
    case Command::ExportPicture:
        return QStringLiteral("Saves the chart, the schematic or a plot as a PDF, SVG or PNG file");
    case Command::Exit:
        return QStringLiteral("Quits Zelvo, offering to save unsaved changes");
    case Command::Copy:
        return QStringLiteral("Copies the chart or the schematic to the clipboard");
    case Command::Undo:
        return QStringLiteral("Takes back the last data point or element (also: right button)");
    case Command::Redo:
        return QStringLiteral("Brings back what was taken back (also: middle button)");
    case Command::ChartMode:
        return QStringLiteral("Designs matching networks on the impedance chart");
    case Command::SPlotMode:
        return QStringLiteral("Shows measured two-port S-parameters, gains and stability");
    case Command::StabilityCircles:
        return QStringLiteral("Draws the input and output stability circles of the two-port");
    case Command::GainCircles:
        return QStringLiteral("Draws circles of constant gain");
    case Command::NoiseCircles:
        return QStringLiteral("Draws circles of constant noise figure");
    case Command::QCircles:
        return QStringLiteral("Draws contours of constant Q");
    case Command::VswrCircles:
        return QStringLiteral("Draws circles of constant VSWR");
    case Command::Wideband:
        return QStringLiteral("Evaluates the network over a frequency range");
    case Command::ZChart:
        return QStringLiteral("Shows the impedance (Z) grid");
    case Command::YChart:
        return QStringLiteral("Shows the admittance (Y) grid");
    case Command::Labels:
        return QStringLiteral("Shows the numbers of the data points on the chart");
    case Command::ChartLabeling:
        return QStringLiteral("Shows the values of the grid circles");
    case Command::MessageBeep:
        return QStringLiteral("Beeps with error messages");
    case Command::ConnectDatapoints:
        return QStringLiteral("Joins the data points by lines in frequency order");
    case Command::Colors:
        return QStringLiteral("Chooses the colours of the grids and the drawn objects");
    case Command::ChangeZo:
        return QStringLiteral("Changes the reference impedance Zo of the chart");
    case Command::Settings:
        return QStringLiteral("Chooses the line width of the drawing");
    case Command::ZoomIn:
        return QStringLiteral("Doubles the zoom factor (Ctrl + wheel zooms about the pointer)");
    case Command::ZoomOut:
        return QStringLiteral("Halves the zoom factor");
    case Command::ZoomValue:
        return QStringLiteral("Sets the zoom factor to a value");
    case Command::Redraw:
        return QStringLiteral("Draws every window anew with the chart centred");
    case Command::MatchAutomatically:
        return QStringLiteral("Lists the L-networks, stub and quarter-wave matches from the chain's end to a target");
    case Command::BroadbandMatch:
        return QStringLiteral("Searches ladder networks that match the load over a band and compares them with the Bode-Fano limit");
    case Command::Optimise:
        return QStringLiteral("Optimises element values for the best worst-case match over the data point frequencies");
    case Command::Tuner:
        return QStringLiteral("Shows or hides the Tuner window with a slider per tuned element");
    case Command::MatchAmplifier:
        return QStringLiteral("Matches a two-port device at one frequency: output network, device and input network for the maximum gain");
    case Command::FrequencyResponse:
        return QStringLiteral("Shows return loss, VSWR, gain, stability and noise figure of the finished chain over a frequency sweep");
    case Command::SaveSpiceNetlist:
        return QStringLiteral("Writes the matching network as an ngspice subcircuit");
    case Command::ImportOnePort:
        return QStringLiteral("Adds the points of a one-port Touchstone file (.s1p) as data points");
    case Command::ZoomFit:
        return QStringLiteral("Shows the whole chart, centred, at zoom 1");
    case Command::InsertBlock:
        return QStringLiteral("Adds a measured two-port (a transistor, a vendor's part) from a Touchstone file to the chain");
    case Command::ExportNetwork:
        return QStringLiteral("Writes the matching network as a two-port Touchstone file (.s2p) for other tools");
    case Command::StandardValues:
        return QStringLiteral("Moves every L, C and R to the E-series values that keep the best worst-case match");
    case Command::ToleranceAnalysis:
        return QStringLiteral("Draws the spread of the match over the parts' tolerances and gives its yield");
    case Command::PartLosses:
        return QStringLiteral("Sets the Q, ESR, self-resonance and line loss of parts placed from now on");
    case Command::ExportH:
        return QStringLiteral("Writes the S-parameters as H-parameters");
    case Command::ExportZ:
        return QStringLiteral("Writes the S-parameters as Z-parameters");
    case Command::ExportY:
        return QStringLiteral("Writes the S-parameters as Y-parameters");
    case Command::ExportA:
        return QStringLiteral("Writes the S-parameters as ABCD-parameters");
    case Command::ImportS11:
        return QStringLiteral("Takes S11 as data points into the chart");
    case Command::ImportS22:
        return QStringLiteral("Takes S22 as data points into the chart");
    case Command::ArrangeAll:
        return QStringLiteral("Puts every S-Plot window back in its place");
    case Command::ArrangePlots:
        return QStringLiteral("Shows the four S-parameter plots side by side");
    case Command::WindowS11:
        return QStringLiteral("Shows the S11 plot (input reflection)");
    case Command::WindowS12:
        return QStringLiteral("Shows the S12 plot (reverse transmission)");
    case Command::WindowS21:
        return QStringLiteral("Shows the S21 plot (forward transmission)");
    case Command::WindowS22:
        return QStringLiteral("Shows the S22 plot (output reflection)");
    case Command::WindowFile:
        return QStringLiteral("Shows the text of the Touchstone file");
    case Command::GainTable:
        return QStringLiteral("Shows the table of gains and stability factors");
    case Command::GainGraphs:
        return QStringLiteral("Shows the gains over frequency");
    case Command::Help:
        return QStringLiteral("Opens the help");
    case Command::About:
        return QStringLiteral("Shows the program version");
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
        {"seriesC", "Series capacitor: moves along a circle of constant resistance"},
        {"seriesL", "Series inductor: moves along a circle of constant resistance"},
        {"seriesR", "Series resistor: moves along an arc of constant reactance"},
        {"seriesLine", "Series transmission line: turns about the line impedance"},
        {"seriesRlc", "Series R, L and C: enters a resistor, inductor and capacitor by value"},
        {"shuntC", "Shunt capacitor: moves along a circle of constant conductance"},
        {"shuntL", "Shunt inductor: moves along a circle of constant conductance"},
        {"shuntR", "Shunt resistor: moves along an arc of constant susceptance"},
        {"shuntLine", "Shunt stub, short-circuited or open: moves along constant conductance"},
        {"shuntRlc", "Shunt R, L and C: enters a resistor, inductor and capacitor by value"},
        {"transformer", "Ideal transformer: scales the impedance by the turns ratio squared"},
        {"block", "Two-port block: a measured transistor or part from a Touchstone file"},
        {"dataPoint", "Data point: enters an impedance and its frequency, or picks one"},
    };
    for (const Tip& t : tips)
        setTips(toolbox->findChild<QWidget*>(QString::fromLatin1(t.name)),
                QString::fromLatin1(t.text));
}

void applyReadoutTips(QWidget* parent)
{
    struct Tip {
        const char* field;
        const char* caption;
        const char* text;
    };
    static constexpr Tip tips[] = {
        {"readoutZ", "Z", "Impedance under the pointer, R + jX in ohm"},
        {"readoutY", "Y", "Admittance under the pointer, G + jB in siemens"},
        {"readoutR", "r", "Reflection coefficient under the pointer: magnitude / angle in degrees"},
        {"readoutQ", "Q", "Quality factor |X| / R under the pointer"},
        {"readoutVswr", "VSWR", "Voltage standing wave ratio under the pointer"},
        {"readoutZo", "Zo", "Reference impedance of the chart, in ohm"},
        {"readoutRL", "RL", "Return loss under the pointer, in dB"},
    };
    const QList<QGroupBox*> boxes = parent->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
    for (const Tip& t : tips) {
        const QString tip = QString::fromLatin1(t.text);
        setTips(parent->findChild<QLabel*>(QString::fromLatin1(t.field)), tip);
        for (QGroupBox* b : boxes)
            if (b->title() == QString::fromLatin1(t.caption))
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
        name = QStringLiteral("series capacitor");
        unit = QStringLiteral("F");
        break;
    case ElementKind::IS:
        name = QStringLiteral("series inductor");
        unit = QStringLiteral("H");
        break;
    case ElementKind::RS:
        name = QStringLiteral("series resistor");
        unit = QStringLiteral("\u03a9");
        break;
    case ElementKind::LS:
        name = QStringLiteral("series line");
        break;
    case ElementKind::CP:
        name = QStringLiteral("shunt capacitor");
        unit = QStringLiteral("F");
        break;
    case ElementKind::IP:
        name = QStringLiteral("shunt inductor");
        unit = QStringLiteral("H");
        break;
    case ElementKind::RP:
        name = QStringLiteral("shunt resistor");
        unit = QStringLiteral("\u03a9");
        break;
    case ElementKind::LPS:
        name = QStringLiteral("short-circuited stub");
        break;
    case ElementKind::LPO:
        name = QStringLiteral("open stub");
        break;
    case ElementKind::TR:
        name = QStringLiteral("transformer");
        break;
    default:
        return {};
    }
    QString text = QStringLiteral("Placing ") + name;
    const bool line =
        kind == ElementKind::LS || kind == ElementKind::LPS || kind == ElementKind::LPO;
    if (line)
        text += QStringLiteral(" (Zl %1 \u03a9)").arg(lineImpedance, 0, 'g', 4);
    if (!losses.isEmpty())
        text += QStringLiteral(" with ") + losses;
    if (value) {
        if (line)
            text += QStringLiteral(": %1 \u03bb").arg(*value, 0, 'f', 3);
        else if (kind == ElementKind::TR)
            text += QStringLiteral(": 1:%1").arg(*value, 0, 'f', 2);
        else
            text += QStringLiteral(": ") + QString::fromStdString(formatSi(*value, 1)) + unit;
    }
    return text + QStringLiteral("   (left button fixes it, right button cancels)");
}

} // namespace zelvo
