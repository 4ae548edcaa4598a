// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/twoport_export.h"

#include "core/format.h"
#include "core/number_text.h"
#include "model/file_io.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zelvo {

namespace {

constexpr double twoPi = 6.28318530718;

char letterOf(ParameterKind kind) { return static_cast<char>(kind); }

std::string unitText(int freqExponent, char letter)
{
    const char* unit = nullptr;
    switch (freqExponent) {
    case 0: unit = "Hz"; break;
    case 3: unit = "kHz"; break;
    case 6: unit = "MHz"; break;
    case 9: unit = "GHz"; break;
    default: return "";
    }
    return std::string(unit) + ' ' + letter + " MA R ";
}

double degreesOf(Complex z) { return argument(z) * 360.0 / twoPi; }

std::string rowText(double frequency, const ParameterMatrix& m)
{
    // "%.3f  %9.4f  %8.3f  %9.4f  %8.3f  %8.3f  %8.3f  %8.3f  %8.3f\r\n"
    std::string row = fixedText(frequency, 3);
    row += "  " + fixedText(magnitude(m.p11), 4, 9) + "  " + fixedText(degreesOf(m.p11), 3, 8);
    row += "  " + fixedText(magnitude(m.p21), 4, 9) + "  " + fixedText(degreesOf(m.p21), 3, 8);
    row += "  " + fixedText(magnitude(m.p12), 3, 8) + "  " + fixedText(degreesOf(m.p12), 3, 8);
    row += "  " + fixedText(magnitude(m.p22), 3, 8) + "  " + fixedText(degreesOf(m.p22), 3, 8);
    return row + "\r\n";
}

} // namespace

ParameterMatrix toH(const TwoPort& s)
{
    const Complex p = s.s12 * s.s21;
    const Complex d = (1.0 - s.s11) * (1.0 + s.s22) + p;
    return {((1.0 + s.s11) * (1.0 + s.s22) - p) / d, 2.0 * s.s12 / d, -2.0 * s.s21 / d,
            ((1.0 - s.s11) * (1.0 - s.s22) - p) / d};
}

ParameterMatrix toZ(const TwoPort& s)
{
    const Complex p = s.s12 * s.s21;
    const Complex d = (1.0 - s.s11) * (1.0 - s.s22) - p;
    return {((1.0 + s.s11) * (1.0 - s.s22) + p) / d, 2.0 * s.s12 / d, 2.0 * s.s21 / d,
            ((1.0 - s.s11) * (1.0 + s.s22) + p) / d};
}

ParameterMatrix toY(const TwoPort& s)
{
    const Complex p = s.s12 * s.s21;
    const Complex d = (1.0 + s.s11) * (1.0 + s.s22) - p;
    return {((1.0 - s.s11) * (1.0 + s.s22) + p) / d, -2.0 * s.s12 / d, -2.0 * s.s21 / d,
            ((1.0 + s.s11) * (1.0 - s.s22) + p) / d};
}

ParameterMatrix toA(const TwoPort& s)
{
    const Complex delta = s.s11 * s.s22 - s.s12 * s.s21;
    const Complex d = 2.0 * s.s21;
    return {(1.0 + s.s11 - s.s22 - delta) / d, (1.0 + s.s11 + s.s22 + delta) / d,
            (1.0 - s.s11 - s.s22 + delta) / d, (1.0 - s.s11 + s.s22 - delta) / d};
}

ParameterMatrix convertSParams(ParameterKind kind, const TwoPort& s)
{
    switch (kind) {
    case ParameterKind::H: return toH(s);
    case ParameterKind::Z: return toZ(s);
    case ParameterKind::Y: return toY(s);
    case ParameterKind::A: return toA(s);
    }
    return {};
}

ParameterMatrix denormalise(ParameterKind kind, const ParameterMatrix& m, double z0)
{
    switch (kind) {
    case ParameterKind::H: return {m.p11 * z0, m.p12, m.p21, m.p22 / z0};
    case ParameterKind::Z: return {m.p11 * z0, m.p12 * z0, m.p21 * z0, m.p22 * z0};
    case ParameterKind::Y: return {m.p11 / z0, m.p12 / z0, m.p21 / z0, m.p22 / z0};
    case ParameterKind::A: return {m.p11, m.p12 * z0, m.p21 / z0, m.p22};
    }
    return m;
}

ExportTexts exportTexts(ParameterKind kind)
{
    const std::string x(1, letterOf(kind));
    ExportTexts t;
    t.filterName = x + "-Parameter-Files (*." + x + "2P)";
    t.filterPattern = "*." + x + "2P";
    t.dialogTitle = printfString("Filename of %c-Parameter-File to save", letterOf(kind));
    t.defaultExtension = x + "2P";
    return t;
}

DialogMessage exportOpenFailedMessage(const std::string& path)
{
    return {printfString("Error while opening file '%s'", path.c_str()), "",
            MessageIcon::Exclamation, MessageButtons::OkCancel};
}

DialogMessage exportWriteFailedMessage(const std::string& path)
{
    return {printfString("Error while writing file '%s'", path.c_str()), "",
            MessageIcon::Exclamation, MessageButtons::OkCancel};
}

DialogMessage exportCreatedMessage(ParameterKind kind, const std::string& path)
{
    return {printfString("%c-parameter-file '%s' created", letterOf(kind), path.c_str()), "",
            MessageIcon::Information, MessageButtons::OkCancel};
}

std::string leadingComments(std::string_view bytes)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < bytes.size() && bytes[pos] != '#') {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (bytes[pos] == '!') {
            out.append(bytes.substr(pos, end - pos));
            out += "\r\n";
        }
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r')
            ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return out;
}

std::string exportFileText(const SParamSet& set, ParameterKind kind, bool normalise,
                           std::string_view sourceBytes)
{
    const char x = letterOf(kind);
    const double z0 = set.referenceImpedance;
    const bool leadingBang = kind == ParameterKind::Y || kind == ParameterKind::A;
    std::string text;
    text += std::string("! ") + x + "-Parameter\r\n";
    text += "! -----------\r\n";
    text += "! Converted from s-parameter-file " + set.fileName + "\r\n!\r\n";
    text += leadingComments(sourceBytes);
    if (normalise)
        text += std::string(leadingBang ? "!\r\n" : "") + "! Values normalized to "
                + fixedText(z0, 1) + " Ohm\r\n!\r\n";
    else
        text += "! Values not normalized\r\n!\r\n";
    text += "# " + unitText(set.freqExponent, x) + fixedText(z0, 1) + "\r\n";
    const std::string p(1, x);
    text += "!          " + p + "11        " + p + "11       " + p + "21        " + p + "21       "
            + p + "12       " + p + "12       " + p + "22       " + p + "22\r\n";
    text += "!Freq      Mag        Ang       Mag        Ang       Mag       Ang       Mag       Ang\r\n";
    const int count = set.validPoints();
    for (int i = 0; i < count; ++i) {
        const SParamPoint& point = set.points[static_cast<std::size_t>(i)];
        ParameterMatrix m = convertSParams(kind, twoPortOf(point));
        if (!normalise)
            m = denormalise(kind, m, z0);
        text += rowText(point.frequency, m);
    }
    return text;
}

std::optional<DialogMessage> probeExportTarget(const std::string& outputPath)
{
    if (const std::optional<std::string> blocker = replaceBlocker(outputPath))
        return withReason(exportOpenFailedMessage(outputPath), *blocker);
    return std::nullopt;
}

ExportResult exportTwoPortFile(const SParamSet& set, ParameterKind kind, bool normalise,
                               const std::string& outputPath)
{
    const std::string text =
        exportFileText(set, kind, normalise, readWholeFile(set.fileName).value_or(""));
    if (std::optional<DialogMessage> blocked = probeExportTarget(outputPath))
        return {false, *blocked};
    std::string why;
    if (!writeFileReplacing(outputPath, text, &why))
        return {false, withReason(exportWriteFailedMessage(outputPath), why)};
    return {true, exportCreatedMessage(kind, outputPath)};
}

} // namespace zelvo
