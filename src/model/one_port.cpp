// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/one_port.h"

#include "core/complex.h"
#include "core/format.h"
#include "core/number_text.h"
#include "model/design_rules.h"
#include "model/file_io.h"
#include "model/text_reader.h"
#include "model/value_rules.h"

#include <cmath>

namespace zelvo {

namespace {

constexpr double radiansPerDegree = 3.14159265358979323846 / 180.0;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upperCase(std::string_view s)
{
    std::string u(s);
    for (char& c : u)
        c = upper(c);
    return u;
}

std::string trimmed(std::string_view s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && isSpace(s[a]))
        ++a;
    while (b > a && isSpace(s[b - 1]))
        --b;
    return std::string(s.substr(a, b - a));
}

// The numbers of a line; false when something else stands in it.
bool numbersOf(std::string_view line, std::vector<double>& out)
{
    std::size_t pos = 0;
    for (;;) {
        while (pos < line.size() && isSpace(line[pos]))
            ++pos;
        if (pos >= line.size())
            return true;
        const ScannedNumber n = scanNumber(line, pos);
        if (!n.ok || (n.end < line.size() && !isSpace(line[n.end])))
            return false;
        out.push_back(n.value);
        pos = n.end;
    }
}

struct Option {
    int exponent = 9;
    int format = 1; // 1 MA, 2 DB, 4 RI
    double reference = 50.0;
    char parameter = 'S';
    bool referenceRead = true; // false: "R" stands without a number
};

// "# GHz S MA R 50" in any order and case.
Option optionOf(std::string_view rest)
{
    Option o;
    const std::string line = upperCase(rest);
    const std::vector<std::string_view> words = wordsOf(line);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view w = words[i];
        if (w == "HZ" || w == "KHZ" || w == "MHZ" || w == "GHZ")
            o.exponent = w == "HZ" ? 0 : w == "KHZ" ? 3 : w == "MHZ" ? 6 : 9;
        else if (w == "MA" || w == "DB" || w == "RI")
            o.format = w == "MA" ? 1 : w == "DB" ? 2 : 4;
        else if (w == "S" || w == "Y" || w == "Z" || w == "H" || w == "G")
            o.parameter = w[0];
        else if (w == "R") {
            o.referenceRead = false;
            if (i + 1 < words.size()) {
                const ScannedNumber n = scanNumber(words[i + 1]);
                o.referenceRead = n.ok && n.end == words[i + 1].size();
                o.reference = n.value;
                ++i;
            }
        }
    }
    return o;
}

std::string keywordOf(std::string_view line, std::string_view& rest)
{
    const std::string t = trimmed(line);
    if (t.empty() || t[0] != '[')
        return {};
    const std::size_t close = t.find(']');
    if (close == std::string::npos)
        return {};
    rest = line.substr(line.find(']') + 1);
    return upperCase(trimmed(t.substr(1, close - 1)));
}

// The lines of a text as the reader numbers them: CR, LF and CR LF end one.
class Lines {
  public:
    explicit Lines(std::string_view text) : text_(text) {}

    bool next(std::string_view& line)
    {
        if (pos_ >= text_.size())
            return false;
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
            ++end;
        line = text_.substr(pos_, end - pos_);
        pos_ = end < text_.size() && text_[end] == '\r' && end + 1 < text_.size() &&
                       text_[end + 1] == '\n'
                   ? end + 2
                   : end + 1;
        ++number_;
        return true;
    }
    int number() const { return number_; }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

// "Line 12: '14000000 1e300 0'" and why it is refused, the text shortened
// where it would not fit a message box.
OnePortRead refuseLine(std::string_view text, int number, const std::string& why)
{
    Lines lines(text);
    std::string_view line;
    while (lines.next(line) && lines.number() < number) {
    }
    std::string shown(trimmed(line).substr(0, 80));
    if (trimmed(line).size() > shown.size())
        shown += "...";
    return {std::nullopt, printfString("Line %d: '%s'\n\r%s", number, shown.c_str(), why.c_str())};
}

constexpr const char* referenceRangeText =
    "The reference impedance must lie between 0.001 and 1E6 Ohm.";

} // namespace

OnePortRead readOnePortText(std::string_view text)
{
    OnePortData data;
    Option option;
    bool sawOption = false, keywords = false, inData = false, sawVersion = false;
    bool firstContent = true;
    std::vector<double> pending;
    std::vector<int> lineOfPoint; // where each point's values end
    const auto fail = [](std::string why) { return OnePortRead{std::nullopt, std::move(why)}; };
    // The design stores what the import gives; it must be what the data point
    // input accepts and a finite impedance, or the saved design would differ
    // from the one shown.
    const auto referenceAccepted = [](double z) {
        return referenceImpedanceAccepted(toFloatSaturated(z));
    };
    Lines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        const int lineNumber = lines.number();
        if (const std::size_t bang = line.find('!'); bang != line.npos)
            line = line.substr(0, bang);
        if (trimmed(line).empty())
            continue;
        std::string_view rest;
        const std::string keyword = keywordOf(line, rest);
        if (!keyword.empty()) {
            if (firstContent && keyword == "VERSION")
                keywords = sawVersion = true;
            firstContent = false;
            if (!keywords)
                return fail(
                    printfString("Line %d: a keyword in a file without [Version].", lineNumber));
            if (keyword == "NUMBER OF PORTS") {
                std::vector<double> n;
                if (!numbersOf(rest, n) || n.size() != 1 || n[0] != 1)
                    return fail(printfString("Not a one-port file: [Number of Ports] is %s.",
                                             trimmed(rest).c_str()));
            } else if (keyword == "REFERENCE") {
                std::vector<double> n;
                if (!numbersOf(rest, n) || n.size() != 1 || !referenceAccepted(n[0]))
                    return refuseLine(text, lineNumber, referenceRangeText);
                option.reference = n[0];
            } else if (keyword == "NETWORK DATA") {
                inData = true;
            } else if (keyword == "NOISE DATA" || keyword == "END") {
                inData = false;
                if (keyword == "END")
                    break;
            }
            continue;
        }
        firstContent = false;
        const std::string t = trimmed(line);
        if (t[0] == '#') {
            const double keptReference = option.reference;
            const bool referenceKeyword = keywords && keptReference != 50.0;
            option = optionOf(std::string_view(t).substr(1));
            if (!option.referenceRead || !referenceAccepted(option.reference))
                return refuseLine(text, lineNumber, referenceRangeText);
            if (referenceKeyword)
                option.reference = keptReference;
            sawOption = true;
            if (option.parameter != 'S')
                return fail(
                    printfString("The file holds %c-parameters; only S-parameters can be imported.",
                                 option.parameter));
            continue;
        }
        if (keywords && !inData)
            continue;
        if (!sawOption)
            return fail("The option line (# GHz S MA R 50) is missing before the data.");
        const std::size_t before = pending.size();
        if (!numbersOf(line, pending))
            return fail(printfString("Line %d holds something other than numbers.", lineNumber));
        if (!keywords && pending.size() - before != 3)
            return fail(printfString(
                "Line %d holds %zu numbers; a one-port line has 3 (frequency and S11).", lineNumber,
                pending.size() - before));
        for (std::size_t k = 0; k + 3 <= pending.size(); k += 3) {
            const double a = pending[k + 1], b = pending[k + 2];
            OnePortPoint p;
            p.frequency = pending[k];
            if (option.format == 4) {
                p.s11re = a;
                p.s11im = b;
            } else {
                const double m = option.format == 2 ? std::pow(10.0, a / 20.0) : a;
                p.s11re = m * std::cos(b * radiansPerDegree);
                p.s11im = m * std::sin(b * radiansPerDegree);
            }
            data.points.push_back(p);
            lineOfPoint.push_back(lineNumber);
        }
        pending.erase(pending.begin(), pending.begin() + static_cast<long>(pending.size() / 3 * 3));
    }
    if (!pending.empty())
        return fail("The data end inside a frequency point.");
    if (keywords && !sawVersion)
        return fail("Not a Touchstone file.");
    if (data.points.empty())
        return fail(sawOption ? "The file holds no data." : "Not a Touchstone file: no option "
                                                           "line (# GHz S MA R 50).");
    data.freqExponent = option.exponent;
    data.reference = option.reference;
    // The unit and reference are those of the whole file, known only now.
    const double scale = std::pow(10.0, data.freqExponent);
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        const OnePortPoint& p = data.points[i];
        if (!pointFrequencyAccepted(p.frequency * scale))
            return refuseLine(text, lineOfPoint[i],
                              "The frequency must be > 0 and at most 1000 GHz.");
        const Complex z = gammaToImpedance(p.s11re, p.s11im, data.reference);
        if (!std::isfinite(z.re) || !std::isfinite(z.im))
            return refuseLine(text, lineOfPoint[i], "S11 gives no finite impedance.");
    }
    return {std::move(data), {}};
}

OnePortRead loadOnePortFile(const std::string& path)
{
    std::string why;
    const std::optional<std::string> bytes = readWholeFile(path, &why);
    if (!bytes)
        return {std::nullopt,
                withReason({printfString("Error while opening file '%s'", path.c_str()), "",
                            MessageIcon::Error},
                           why)
                    .text};
    OnePortRead r = readOnePortText(*bytes);
    if (r.data)
        r.data->fileName = path;
    return r;
}

std::string onePortHeader(int freqExponent)
{
    const char* unit = freqExponent == 0 ? "f [Hz]" : freqExponent == 3 ? "f [kHz]"
                                                    : freqExponent == 6 ? "f [MHz]"
                                                                        : "f [GHz]";
    return std::string(unit) + "\ts11 Mag\ts11 Ang";
}

std::vector<std::string> onePortLines(const OnePortData& data)
{
    std::vector<std::string> lines;
    lines.reserve(data.points.size());
    for (const OnePortPoint& p : data.points)
        lines.push_back(printfString("%.3f\t%.3f\t%.3f\t", p.frequency, std::hypot(p.s11re, p.s11im),
                                     std::atan2(p.s11im, p.s11re) / radiansPerDegree));
    return lines;
}

std::optional<DialogMessage> importOnePortPoints(Design& d, const OnePortData& data,
                                                 const std::vector<int>& rows)
{
    if (d.widebandDone)
        return DialogMessage{widebandNoPointsText, "", MessageIcon::Error};
    const double scale = std::pow(10.0, data.freqExponent);
    int added = 0;
    std::optional<DialogMessage> refusal;
    for (const int row : rows) {
        if (row < 0 || static_cast<std::size_t>(row) >= data.points.size())
            continue;
        refusal = checkDataPointLimit(d);
        if (!refusal)
            refusal = checkHistoryRoom(d);
        if (refusal)
            break;
        const OnePortPoint& p = data.points[static_cast<std::size_t>(row)];
        const Complex z = gammaToImpedance(p.s11re, p.s11im, data.reference);
        added += appendDataPoint(d, DataPoint{z.re, z.im, p.frequency * scale}) ? 1 : 0;
    }
    // As the S11 import from S-Plot mode: the chain starts at data point 1.
    if (added > 0) {
        d.currentPoint = {d.dataPoints[0].r, d.dataPoints[0].x};
        d.startPoint = 1;
    }
    return refusal;
}

} // namespace zelvo
