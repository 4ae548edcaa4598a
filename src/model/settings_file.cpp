// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/settings_file.h"

#include "core/format.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "model/file_io.h"
#include "model/text_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace zelvo {

namespace {

struct ColourKey {
    const char* key;
    Colour Settings::*colour;
};

// Written in this order; the reader takes the first key a line contains.
constexpr ColourKey colourKeys[] = {
    {"ZCHART", &Settings::zChartColour},
    {"YCHART", &Settings::yChartColour},
    {"DATAPOINTS", &Settings::dataPointColour},
    {"ELEMENTS", &Settings::elementColour},
    {"QELLIPSES", &Settings::qColour},
    {"STABILITY", &Settings::stabilityColour},
    {"GAIN", &Settings::gainColour},
    {"VSWR", &Settings::vswrColour},
    {"WIDEBAND", &Settings::widebandColour},
};

// Settings files are tiny; a longer line is not one of ours.
constexpr std::size_t settingsLineLimit = 206;

const char* onOff(bool on)
{
    return on ? "ON" : "OFF";
}

void readColourLine(Settings& s, std::string_view line)
{
    for (const ColourKey& k : colourKeys) {
        if (!contains(line, k.key))
            continue;
        const std::size_t eq = line.find('=');
        const std::size_t c1 = eq == std::string_view::npos ? eq : line.find(',', eq + 1);
        const std::size_t c2 = c1 == std::string_view::npos ? c1 : line.find(',', c1 + 1);
        if (c2 == std::string_view::npos)
            return;
        s.*k.colour = rgb(leadingInt(line.substr(eq + 1)), leadingInt(line.substr(c1 + 1)),
                          leadingInt(line.substr(c2 + 1)));
        return;
    }
}

// ON before OFF; anything else leaves the flag.
void readSwitch(std::string_view line, bool& flag)
{
    if (contains(line, "ON"))
        flag = true;
    else if (contains(line, "OFF"))
        flag = false;
}

void readChartBit(std::string_view line, Settings& s, std::uint8_t bit)
{
    bool on = (s.chartKinds & bit) != 0;
    readSwitch(line, on);
    s.chartKinds = static_cast<std::uint8_t>(on ? (s.chartKinds | bit) : (s.chartKinds & ~bit));
}

void readMiscLine(Settings& s, std::string_view line)
{
    if (contains(line, "CHARTLABELS") || contains(line, "ZELVOLABELS"))
        readSwitch(line, s.chartLabels);
    else if (contains(line, "LABELS"))
        readSwitch(line, s.labels);
    else if (contains(line, "MESSAGEBEEP"))
        readSwitch(line, s.messageBeep);
    else if (contains(line, "ZCHART"))
        readChartBit(line, s, showZChartBit);
    else if (contains(line, "YCHART"))
        readChartBit(line, s, showYChartBit);
    else if (contains(line, "LINK_DATAPOINTS"))
        readSwitch(line, s.linkDataPoints);
    else if (contains(line, "ZOOM")) {
        // Zero or negative means nothing; anything else is brought into the
        // zoom dialog's range, so an edited file cannot make the chart vanish
        // or its pixel arithmetic overflow.
        const std::optional<double> zoom = numberAfter(line, '=');
        if (zoom && *zoom > 0.0)
            s.zoom = static_cast<float>(std::clamp(*zoom, static_cast<double>(settingsZoomMin),
                                                   static_cast<double>(settingsZoomMax)));
    }
    else if (contains(line, "TURN_SCHEMATIC_TEXT")) {
        if (contains(line, "ON"))
            s.schematicTextAngle = 900;
        else if (contains(line, "OFF"))
            s.schematicTextAngle = 2700;
    }
}

// The shortest plain decimal that atof reads back as the same float: one
// decimal place as before for the usual factors, more only when needed
// (0.01 written as "0.0" would read back as no zoom at all).
std::string zoomText(float zoom)
{
    std::string text;
    for (int decimals = 1; decimals <= 12; ++decimals) {
        text = fixedText(zoom, decimals);
        if (static_cast<float>(scanNumber(text).value) == zoom)
            break;
    }
    return text;
}

constexpr std::string_view lossHeader = "[PART LOSSES]";

// The keys of one part's losses: its prefix and the field names of the
// design file's parts section.
struct LossKey {
    const char* key;
    double PartLoss::*field;
};
constexpr LossKey lossKeys[] = {{"Q", &PartLoss::q},     {"QF", &PartLoss::qFrequency},
                                {"ESR", &PartLoss::esr}, {"SRF", &PartLoss::srf},
                                {"ESL", &PartLoss::esl}, {"LINEDB", &PartLoss::lineDb}};

struct LossPart {
    const char* prefix;
    PartLoss PartLossDefaults::*loss;
    ElementKind kind; // whose fields it keeps
};
constexpr LossPart lossParts[] = {{"INDUCTOR", &PartLossDefaults::inductor, ElementKind::IS},
                                  {"CAPACITOR", &PartLossDefaults::capacitor, ElementKind::CS},
                                  {"LINE", &PartLossDefaults::line, ElementKind::LS}};

std::string lossSectionText(const PartLossDefaults& d)
{
    if (d == PartLossDefaults{})
        return {};
    std::string out = std::string(lossHeader) + "\r\n";
    for (const LossPart& p : lossParts) {
        const PartLoss l = lossForKind(d.*p.loss, p.kind);
        for (const LossKey& k : lossKeys)
            if (l.*k.field != 0.0)
                out += printfString("%s_%s=%G\r\n", p.prefix, k.key, l.*k.field);
        if (l.q != 0.0 && l.qLaw != QLaw::Constant)
            out += printfString("%s_QLAW=%s\r\n", p.prefix,
                                l.qLaw == QLaw::Sqrt ? "SQRT" : "LINEAR");
    }
    return out + "\r\n";
}

// One line of the section (folded to upper case); out-of-range values are
// dropped part by part when the section has been read.
void readLossLine(PartLossDefaults& d, std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return;
    const std::string_view key = line.substr(0, eq);
    const std::string_view rest = line.substr(eq + 1);
    for (const LossPart& p : lossParts) {
        const std::string_view prefix = p.prefix;
        if (!key.starts_with(prefix) || key.size() < prefix.size() + 2 || key[prefix.size()] != '_')
            continue;
        const std::string_view field = key.substr(prefix.size() + 1);
        PartLoss& l = d.*p.loss;
        if (field == "QLAW") {
            l.qLaw = rest.starts_with("SQRT")     ? QLaw::Sqrt
                     : rest.starts_with("LINEAR") ? QLaw::Linear
                                                  : QLaw::Constant;
            return;
        }
        for (const LossKey& k : lossKeys)
            if (field == k.key)
                l.*k.field = scanNumber(rest).value;
        return;
    }
}

constexpr std::string_view languageHeader = "[LANGUAGE]";

// Written only when chosen, so that the file of a user who never chose stays
// as it always was.
std::string languageSectionText(UiLanguage language)
{
    if (language == UiLanguage::System)
        return {};
    return std::string(languageHeader) + "\r\nLANGUAGE=" +
           (language == UiLanguage::Chinese ? "ZH_CN" : "EN") + "\r\n\r\n";
}

void readLanguageLine(Settings& s, std::string_view line)
{
    if (!line.starts_with("LANGUAGE="))
        return;
    const std::string_view value = line.substr(9);
    if (value.starts_with("ZH_CN"))
        s.language = UiLanguage::Chinese;
    else if (value.starts_with("EN"))
        s.language = UiLanguage::English;
}

} // namespace

std::string defaultSettingsPath()
{
    namespace fs = std::filesystem;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (xdg && fs::path(xdg).is_absolute())
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".config";
    else
        return {};
    return (base / "zelvo" / "zelvo.ini").string();
}

std::string settingsFileText(const Settings& s)
{
    std::string out =
        languageSectionText(s.language) + lossSectionText(s.partLosses) + "[COLORS]\r\n";
    for (const ColourKey& k : colourKeys) {
        const Colour c = s.*k.colour;
        out += printfString("%s=%i,%i,%i\r\n", k.key, redOf(c), greenOf(c), blueOf(c));
    }
    out += "\r\n[MISCELLANEOUS]\r\n";
    out += printfString("LABELS=%s\r\n", onOff(s.labels));
    out += printfString("CHARTLABELS=%s\r\n", onOff(s.chartLabels));
    out += printfString("MESSAGEBEEP=%s\r\n", onOff(s.messageBeep));
    out += printfString("ZCHART=%s\r\n", onOff(s.showZChart()));
    out += printfString("YCHART=%s\r\n", onOff(s.showYChart()));
    out += printfString("LINK_DATAPOINTS=%s\r\n", onOff(s.linkDataPoints));
    out += "ZOOM=" + zoomText(s.zoom) + "\r\n";
    out += printfString("TURN_SCHEMATIC_TEXT=%s\r\n", s.schematicTextAngle == 2700 ? "OFF" : "ON");
    return out;
}

void readSettingsText(Settings& s, std::string_view bytes)
{
    enum class Section { None, Colours, Misc, Losses, Language } section = Section::None;
    TextLineReader reader(bytes, settingsLineLimit);
    std::string line;
    PartLossDefaults losses;
    bool lossesRead = false;
    while (reader.next(line)) {
        if (contains(line, "[COLORS]"))
            section = Section::Colours;
        if (contains(line, "[MISCELLANEOUS]"))
            section = Section::Misc;
        // Any other header ends the losses' section (the recent files' one
        // stands ahead of it).
        if (line.starts_with("[") && contains(line, lossHeader)) {
            section = Section::Losses;
            lossesRead = true;
        }
        else if (line.starts_with("[") && contains(line, languageHeader)) {
            section = Section::Language;
        }
        else if (line.starts_with("[") &&
                 (section == Section::Losses || section == Section::Language)) {
            section = Section::None;
        }
        if (section == Section::Colours)
            readColourLine(s, line);
        else if (section == Section::Misc)
            readMiscLine(s, line);
        else if (section == Section::Losses)
            readLossLine(losses, line);
        else if (section == Section::Language)
            readLanguageLine(s, line);
    }
    if (lossesRead)
        s.partLosses = {lossForKind(losses.inductor, ElementKind::IS),
                        lossForKind(losses.capacitor, ElementKind::CS),
                        lossForKind(losses.line, ElementKind::LS)};
}

int readSettings(Settings& s, const std::string& path)
{
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes)
        return settingsFileFailed;
    readSettingsText(s, *bytes);
    return settingsFileOk;
}

int writeSettings(const Settings& s, const std::string& path)
{
    namespace fs = std::filesystem;
    if (path.empty())
        return settingsFileFailed;
    std::error_code ec;
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty())
        fs::create_directories(parent, ec);
    return writeFileReplacing(path, settingsFileText(s)) ? settingsFileOk : settingsFileFailed;
}

} // namespace zelvo
