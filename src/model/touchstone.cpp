// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/touchstone.h"

#include "core/format.h"
#include "core/number_parse.h"
#include "core/number_text.h"
#include "core/twoport.h"
#include "model/file_io.h"
#include "model/text_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <numbers>
#include <string_view>

namespace zelvo {

namespace {

// 2 pi as a float: the angle conversion of the stored values.
constexpr double radiansPerDegree = static_cast<double>(6.2831855f) / 360.0;
constexpr double notComputed = std::numeric_limits<double>::quiet_NaN();
// K of a lossless two-port stored in single precision: the rounding moves K
// only to second order, by at most 2e-9 below 1 over two million random
// lossless two-ports with |S21| down to -35 dB. A K further below 1 is a
// genuinely potentially unstable two-port and gets no MAG.
constexpr double kStorageTolerance = 5e-8;

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The whole line at pos, without its CR or LF: a line cut short would give
// wrong numbers without a word.
std::string_view lineAt(std::string_view text, std::size_t pos)
{
    if (pos >= text.size())
        return {};
    std::size_t end = pos;
    while (end < text.size() && !isLineEnd(text[end]))
        ++end;
    return text.substr(pos, end - pos);
}

std::size_t nextLine(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && !isLineEnd(text[pos]))
        ++pos;
    while (pos < text.size() && isLineEnd(text[pos]))
        ++pos;
    return pos;
}

// Case-insensitive search for an upper-case needle.
bool containsUpper(std::string_view s, std::string_view what)
{
    if (what.size() > s.size())
        return false;
    for (std::size_t i = 0; i + what.size() <= s.size(); ++i) {
        std::size_t k = 0;
        while (k < what.size() && upper(s[i + k]) == what[k])
            ++k;
        if (k == what.size())
            return true;
    }
    return false;
}

std::size_t findUpper(std::string_view s, std::string_view what)
{
    for (std::size_t i = 0; i + what.size() <= s.size(); ++i) {
        std::size_t k = 0;
        while (k < what.size() && upper(s[i + k]) == what[k])
            ++k;
        if (k == what.size())
            return i;
    }
    return std::string_view::npos;
}

bool isOptionLine(std::string_view line)
{
    return line.find('#') != line.npos
           && (containsUpper(line, " S ") || line.find("\tS\t") != line.npos
               || line.find("\ts\t") != line.npos);
}

bool hasOptionLine(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size(); pos = nextLine(text, pos))
        if (isOptionLine(lineAt(text, pos)))
            return true;
    return false;
}

constexpr const char* onePortFileMessage =
    "This is a one-port file; chart mode reads it with File, Import one-port data.";
constexpr const char* referenceMessage = "[Reference] needs one positive impedance per port.";

std::string portCountMessage(const std::string& ports)
{
    return printfString("The file describes %s ports; only two-port files can be read here.",
                        ports.c_str());
}

// The port count a version 1 file's name gives (".s4p" 4, ".S1P" 1); 0 for
// any other name, which the reader then takes as a two-port.
long portsOfName(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == path.npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == name.npos || name.size() - dot < 4)
        return 0;
    const std::string_view ext = name.substr(dot + 1);
    if (upper(ext.front()) != 'S' || upper(ext.back()) != 'P')
        return 0;
    long ports = 0;
    for (const char c : ext.substr(1, ext.size() - 2)) {
        if (c < '0' || c > '9')
            return 0;
        ports = std::min(ports * 10 + (c - '0'), 1000000L);
    }
    return ports;
}

// The parameter letter of an option line's fields ("# GHz Y MA" gives Y);
// S when it names none, as the defaults say.
char optionParameter(std::string_view fields)
{
    for (const std::string_view word : wordsOf(fields)) {
        const char c = upper(word.front());
        if (word.size() == 1 && (c == 'S' || c == 'Y' || c == 'Z' || c == 'H' || c == 'G'))
            return c;
    }
    return 'S';
}

struct Options {
    int freqExponent = 9;
    int formatCode = 1;
    float reference = 50.0f;
};

void applyOptionLine(Options& o, std::string_view line)
{
    if (containsUpper(line, "GHZ"))
        o.freqExponent = 9;
    else if (containsUpper(line, "MHZ"))
        o.freqExponent = 6;
    else if (containsUpper(line, "KHZ"))
        o.freqExponent = 3;
    else if (containsUpper(line, "HZ"))
        o.freqExponent = 0;

    if (containsUpper(line, "MA"))
        o.formatCode = 1;
    else if (containsUpper(line, "DB"))
        o.formatCode = 2;
    else if (containsUpper(line, "RI"))
        o.formatCode = 4;

    const std::size_t r = findUpper(line, "R ");
    if (r != line.npos) {
        // "R" without a readable number keeps the reference, and so does one
        // whose stored float is not a usable positive value (0, negative,
        // 1E-80): 0 ohm would only poison every later division by it.
        const ScannedNumber z = scanNumber(line, r + 1);
        const float stored = toFloatSaturated(z.value);
        if (z.ok && stored >= FLOAT_TINY)
            o.reference = stored;
    }
}

struct Rect {
    double re, im;
};
struct Polar {
    double mag, ang;
};

Rect rectangularOf(int format, double a, double b)
{
    if (format == 4)
        return {a, b};
    const double m = format == 2 ? std::pow(10.0, a / 20.0) : a;
    const double phi = b * radiansPerDegree;
    return {m * std::cos(phi), m * std::sin(phi)};
}

Polar polarOf(int format, double a, double b)
{
    if (format == 4)
        return {std::sqrt(a * a + b * b), std::atan2(b, a)};
    return {format == 2 ? std::pow(10.0, a / 20.0) : a, b * radiansPerDegree};
}

// Stores one point from its eight numbers in the order S11, S21, S12, S22.
void addPoint(SParamSet& set, double frequency, const std::array<double, 8>& v)
{
    const int format = set.formatCode;
    const Rect s11 = rectangularOf(format, v[0], v[1]);
    const Polar s21 = polarOf(format, v[2], v[3]);
    const Polar s12 = polarOf(format, v[4], v[5]);
    const Rect s22 = rectangularOf(format, v[6], v[7]);
    SParamPoint p;
    p.frequency = frequency;
    p.s11re = toFloatSaturated(s11.re);
    p.s11im = toFloatSaturated(s11.im);
    p.s12mag = toFloatSaturated(s12.mag);
    p.s12ang = toFloatSaturated(s12.ang);
    p.s21mag = toFloatSaturated(s21.mag);
    p.s21ang = toFloatSaturated(s21.ang);
    p.s22re = toFloatSaturated(s22.re);
    p.s22im = toFloatSaturated(s22.im);
    if (set.keepExact) {
        const auto exact = [format](double a, double b) {
            if (format == 4)
                return Complex{a, b};
            return fromPolar(format == 2 ? std::pow(10.0, a / 20.0) : a, b * (std::numbers::pi / 180.0));
        };
        set.exact.push_back({exact(v[0], v[1]), exact(v[4], v[5]), exact(v[2], v[3]),
                             exact(v[6], v[7])});
    }
    const PointFigures f = figuresOfMerit(p);
    set.points.push_back(p);
    set.stabilityK.push_back(f.k);
    set.magDb.push_back(f.magDb);
    set.msgDb.push_back(f.msgDb);
    set.muLoad.push_back(f.muLoad);
    set.muSource.push_back(f.muSource);
    ++set.pointCount;
}

void addNoise(SParamSet& set, const std::array<double, 5>& v)
{
    set.noise.push_back({v[0], toFloatSaturated(v[1]), toFloatSaturated(v[2]),
                         toFloatSaturated(v[3]), toFloatSaturated(v[4])});
    ++set.noiseCount;
}

void clearData(SParamSet& set)
{
    set.exact.clear();
    set.resizePoints(0);
    set.resizeNoise(0);
}

// Data lines are read in place: [p, last) holds the rest of the line and
// maybe more, as parseNumber stops at the line's end (CR, LF) by itself.

// Up to five numbers, each where its predecessor ended. Where reading stopped.
const char* readNoiseLine(SParamSet& set, const char* p, const char* last)
{
    std::array<double, 5> v{}; // fields the line does not supply stay 0
    for (double& field : v) {
        const char* const next = parseNumber(p, last, field);
        if (!next)
            break;
        p = next;
    }
    addNoise(set, v);
    return p;
}

// The eight numbers after the frequency, each read one character after the
// end of its predecessor. Where reading stopped; nullptr when one is missing.
const char* readSParamLine(SParamSet& set, double frequency, const char* p, const char* last)
{
    std::array<double, 8> v{};
    for (double& value : v) {
        if (p == last || isLineEnd(*p))
            return nullptr;
        p = parseNumber(p + 1, last, value);
        if (!p)
            return nullptr;
    }
    addPoint(set, frequency, v);
    return p;
}

// Line feeds, a word at a time: the count reserves room for a long sweep, and
// a loop per byte took as long as reading the numbers.
std::size_t countLineFeeds(std::string_view text)
{
    constexpr std::uint64_t ones = 0x0101010101010101;
    std::size_t count = 0, i = 0;
    while (i + 8 <= text.size()) {
        // Per byte 1 for each line feed; at most 255 words before bytes overflow.
        std::uint64_t sums = 0;
        for (int n = 0; n < 255 && i + 8 <= text.size(); ++n, i += 8) {
            std::uint64_t w;
            std::memcpy(&w, text.data() + i, 8);
            const std::uint64_t x = w ^ (ones * '\n');
            const std::uint64_t nonZero = ((x & (ones * 0x7F)) + ones * 0x7F) | x;
            sums += (~nonZero >> 7) & ones;
        }
        count += (sums * ones) >> 56;
    }
    for (; i < text.size(); ++i)
        count += text[i] == '\n';
    return count;
}

// One point per line at most: no reallocation while a long sweep is read.
void reserveForLines(SParamSet& set, std::string_view text)
{
    const std::size_t lines = countLineFeeds(text) + 1;
    set.points.reserve(lines);
    for (auto* v : {&set.stabilityK, &set.magDb, &set.msgDb, &set.muLoad, &set.muSource})
        v->reserve(lines);
}

bool readVersion1(SParamSet& set)
{
    const std::string_view text = set.sourceText;
    if (!hasOptionLine(text))
        return false;
    Options o;
    reserveForLines(set, text);
    bool inNoise = false;
    const char* const begin = text.data();
    std::size_t pos = 0;
    const std::size_t size = text.size();
    while (pos < size) {
        while (pos < size && text[pos] == ' ')
            ++pos;
        // Where a data line was read, the search for its end starts there.
        std::size_t end = pos;
        if (pos < size && text[pos] == '#') {
            while (end < size && !isLineEnd(text[end]))
                ++end;
            applyOptionLine(o, text.substr(pos + 1, end - pos - 1));
            set.freqExponent = o.freqExponent;
            set.formatCode = o.formatCode;
            set.referenceImpedance = o.reference;
        } else if (pos < size && text[pos] != '!') {
            // The numbers are read up to the line's end, however long it is.
            const char* const last = begin + size;
            double frequency = 0.0;
            if (const char* const f = parseNumber(begin + pos, last, frequency)) {
                inNoise = inNoise || (!set.points.empty() && frequency < set.points.back().frequency);
                const char* const stop = inNoise ? readNoiseLine(set, begin + pos, last)
                                                 : readSParamLine(set, frequency, f, last);
                if (!stop) {
                    clearData(set);
                    return false;
                }
                end = static_cast<std::size_t>(stop - begin);
            }
        }
        while (end < size && !isLineEnd(text[end]))
            ++end;
        pos = end;
        while (pos < size && isLineEnd(text[pos]))
            ++pos;
        // Fewer than four characters left cannot hold a data line.
        if (pos + 3 >= size)
            break;
    }
    return !set.points.empty();
}

// ---- Keyword files: [Version] 2.x ----

struct KeywordLine {
    std::string keyword; // upper case, inner blanks kept: "NUMBER OF PORTS"
    std::string_view rest;
};

std::optional<KeywordLine> keywordOf(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && isCSpace(line[i]))
        ++i;
    if (i >= line.size() || line[i] != '[')
        return std::nullopt;
    const std::size_t close = line.find(']', i);
    if (close == line.npos)
        return std::nullopt;
    KeywordLine k;
    for (std::size_t j = i + 1; j < close; ++j)
        k.keyword += upper(line[j]);
    while (!k.keyword.empty() && k.keyword.back() == ' ')
        k.keyword.pop_back();
    while (!k.keyword.empty() && k.keyword.front() == ' ')
        k.keyword.erase(0, 1);
    k.rest = line.substr(close + 1);
    return k;
}

// The line without its comment ("!" to the end).
std::string_view withoutComment(std::string_view line)
{
    const std::size_t bang = line.find('!');
    return bang == line.npos ? line : line.substr(0, bang);
}

// Appends the numbers of a line; false when something else stands there.
bool numbersOf(std::string_view line, std::vector<double>& out)
{
    std::size_t pos = 0;
    for (;;) {
        while (pos < line.size() && isCSpace(line[pos]))
            ++pos;
        if (pos >= line.size())
            return true;
        const ScannedNumber n = scanNumber(line, pos);
        if (!n.ok || (n.end < line.size() && !isCSpace(line[n.end])))
            return false;
        out.push_back(n.value);
        pos = n.end;
    }
}

std::string trimmed(std::string_view s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && isCSpace(s[a]))
        ++a;
    while (b > a && isCSpace(s[b - 1]))
        --b;
    std::string u;
    for (std::size_t i = a; i < b; ++i)
        u += upper(s[i]);
    return u;
}

// The first line that is neither blank nor a comment opens with [Version].
bool isKeywordFile(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size(); pos = nextLine(text, pos)) {
        const std::string_view line = withoutComment(lineAt(text, pos));
        if (trimmed(line).empty())
            continue;
        const auto k = keywordOf(line);
        return k && k->keyword == "VERSION";
    }
    return false;
}

enum class MatrixFormat { Full, Lower, Upper };

struct KeywordReader {
    explicit KeywordReader(SParamSet& s) : set(s) {}

    SParamSet& set;
    std::string problem;
    Options options;
    int ports = 0;
    int order = 0; // 12 for 12_21, 21 for 21_12
    long declaredFrequencies = -1;
    long declaredNoise = -1;
    MatrixFormat matrix = MatrixFormat::Full;
    std::vector<double> references;
    bool wantReference = false;
    bool sawOptionLine = false;
    bool sawEnd = false;
    enum class Section { Header, Network, Noise, Information } section = Section::Header;
    // The values of the point or noise line being read; a point may be
    // wrapped over several lines.
    std::array<double, 9> pending{};
    std::size_t pendingCount = 0;

    bool fail(std::string why)
    {
        problem = std::move(why);
        return false;
    }

    std::size_t valuesPerPoint() const { return matrix == MatrixFormat::Full ? 9 : 7; }

    void emitPoint(const double* v)
    {
        // Pairs as the file lists them; the store wants S11, S21, S12, S22.
        std::array<double, 8> s{};
        const auto pair = [&](int index, int slot) {
            s[static_cast<std::size_t>(2 * slot)] = v[1 + 2 * index];
            s[static_cast<std::size_t>(2 * slot + 1)] = v[2 + 2 * index];
        };
        enum { S11, S21, S12, S22 };
        if (matrix == MatrixFormat::Full) {
            pair(0, S11);
            pair(1, order == 12 ? S12 : S21);
            pair(2, order == 12 ? S21 : S12);
            pair(3, S22);
        } else {
            // Symmetric storage of a reciprocal two-port: one off-diagonal pair.
            pair(0, S11);
            pair(1, S21);
            pair(1, S12);
            pair(2, S22);
        }
        addPoint(set, v[0], s);
    }

    bool keyword(const KeywordLine& k)
    {
        const std::string value = trimmed(k.rest);
        if (section == Section::Information) {
            if (k.keyword == "END INFORMATION")
                section = Section::Header;
            return true;
        }
        if (k.keyword == "VERSION") {
            if (value.empty() || value[0] != '2')
                return fail(printfString("Touchstone version '%s' cannot be read.", value.c_str()));
        } else if (k.keyword == "NUMBER OF PORTS") {
            std::vector<double> n;
            if (!numbersOf(value, n) || n.size() != 1)
                return fail("[Number of Ports] needs one number.");
            if (n[0] == 1)
                return fail(onePortFileMessage);
            if (n[0] != 2)
                return fail(portCountMessage(fixedText(n[0], 0)));
            ports = 2;
        } else if (k.keyword == "TWO-PORT DATA ORDER") {
            if (value == "12_21")
                order = 12;
            else if (value == "21_12")
                order = 21;
            else
                return fail("[Two-Port Data Order] must be 12_21 or 21_12.");
        } else if (k.keyword == "NUMBER OF FREQUENCIES" || k.keyword == "NUMBER OF NOISE FREQUENCIES") {
            std::vector<double> n;
            if (!numbersOf(value, n) || n.size() != 1 || n[0] < 0 || n[0] != std::floor(n[0]))
                return fail(
                    printfString("A frequency count needs a whole number: '%s'.", value.c_str()));
            (k.keyword == "NUMBER OF FREQUENCIES" ? declaredFrequencies : declaredNoise) =
                static_cast<long>(std::min(n[0], 2e9));
        } else if (k.keyword == "REFERENCE") {
            if (!numbersOf(k.rest, references) || !positiveReferences())
                return fail(referenceMessage);
            wantReference = true;
        } else if (k.keyword == "MATRIX FORMAT") {
            if (value == "FULL")
                matrix = MatrixFormat::Full;
            else if (value == "LOWER")
                matrix = MatrixFormat::Lower;
            else if (value == "UPPER")
                matrix = MatrixFormat::Upper;
            else
                return fail("[Matrix Format] must be Full, Lower or Upper.");
        } else if (k.keyword == "MIXED-MODE ORDER") {
            return fail("Mixed-mode files cannot be read; save the data as single-ended "
                        "S-parameters.");
        } else if (k.keyword == "NETWORK DATA") {
            if (ports != 2)
                return fail("[Number of Ports] 2 must precede [Network Data].");
            if (order == 0 && matrix == MatrixFormat::Full)
                return fail("[Two-Port Data Order] must precede [Network Data].");
            if (!sawOptionLine)
                return fail("The option line (# ...) must precede [Network Data].");
            section = Section::Network;
        } else if (k.keyword == "NOISE DATA") {
            if (pendingCount != 0)
                return fail(incompleteMessage());
            section = Section::Noise;
        } else if (k.keyword == "BEGIN INFORMATION") {
            section = Section::Information;
        } else if (k.keyword == "END") {
            sawEnd = true;
        }
        // Other keywords ([Number of Noise Frequencies] ...) need nothing here.
        return true;
    }

    // Every reference must stay a usable divisor once stored as a float.
    bool positiveReferences() const
    {
        return std::all_of(references.begin(), references.end(),
                           [](double z) { return toFloatSaturated(z) >= FLOAT_TINY; });
    }

    // The common reference of the ports: [Reference] when given, else R of
    // the option line.
    float reference() const
    {
        return references.empty() ? options.reference : toFloatSaturated(references[0]);
    }

    std::string incompleteMessage() const
    {
        return printfString(
            "The network data end inside the values of a frequency (each needs %zu numbers).",
            valuesPerPoint());
    }

    bool numbers(std::string_view line)
    {
        if (section == Section::Information)
            return true;
        if (wantReference && section == Section::Header && references.size() < 2) {
            if (!numbersOf(line, references) || !positiveReferences())
                return fail(referenceMessage);
            return true;
        }
        if (section == Section::Header) {
            std::vector<double> values;
            if (!numbersOf(line, values))
                return fail(notNumbers(line));
            if (!values.empty())
                return fail("Data before [Network Data].");
            return true;
        }
        if (!dataNumbers(line.data(), line.data() + line.size()))
            return fail(notNumbers(line));
        return true;
    }

    static std::string notNumbers(std::string_view line)
    {
        return printfString("Line '%s' holds something other than numbers.",
                            std::string(line.substr(0, 60)).c_str());
    }

    // One value of the network or noise data; a point once it has them all.
    void take(double v)
    {
        pending[pendingCount++] = v;
        if (pendingCount < (section == Section::Network ? valuesPerPoint() : 5))
            return;
        pendingCount = 0;
        if (section == Section::Network)
            emitPoint(pending.data());
        else // rn is in ohm here; the set keeps it normalised
            addNoise(set, {pending[0], pending[1], pending[2], pending[3],
                           pending[4] / reference()});
    }

    // The numbers of a data line, read in place from p up to the line's end or
    // its comment (parseNumber stops at CR and LF by itself). Where reading
    // stopped; nullptr when something else stands in the line.
    const char* dataNumbers(const char* p, const char* last)
    {
        for (;;) {
            while (p != last && number_detail::isBlank(*p))
                ++p;
            if (p == last || *p == '!' || isLineEnd(*p))
                return p;
            double v = 0.0;
            const char* const end = parseNumber(p, last, v);
            if (!end || (end != last && !isCSpace(*end) && *end != '!'))
                return nullptr;
            take(v);
            p = end;
        }
    }

    static bool startsNumber(char c)
    {
        return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
    }

    bool read()
    {
        const std::string_view text = set.sourceText;
        reserveForLines(set, text);
        const char* const begin = text.data();
        const char* const last = begin + text.size();
        for (std::size_t pos = 0; pos < text.size() && !sawEnd; pos = nextLine(text, pos)) {
            // Data lines, nearly all of a long file, are read in place without
            // first finding their end or comment.
            if (section == Section::Network || section == Section::Noise) {
                const char* p = begin + pos;
                while (p != last && number_detail::isBlank(*p))
                    ++p;
                if (p != last && startsNumber(*p)) {
                    const char* const stop = dataNumbers(p, last);
                    if (!stop)
                        return fail(notNumbers(withoutComment(lineAt(text, pos))));
                    pos = static_cast<std::size_t>(stop - begin);
                    continue;
                }
            }
            const std::string_view line = withoutComment(lineAt(text, pos));
            if (const auto k = keywordOf(line)) {
                if (!keyword(*k))
                    return false;
                continue;
            }
            std::size_t i = 0;
            while (i < line.size() && isCSpace(line[i]))
                ++i;
            if (i == line.size())
                continue;
            if (line[i] == '#') {
                if (section != Section::Header)
                    return fail("The option line (# ...) must precede [Network Data].");
                // A bare "#" is valid: every field has its default.
                if (const char p = optionParameter(line.substr(i + 1)); p != 'S')
                    return fail(printfString(
                        "The file holds %c-parameters; only S-parameters can be read.", p));
                applyOptionLine(options, line.substr(i + 1));
                set.freqExponent = options.freqExponent;
                set.formatCode = options.formatCode;
                sawOptionLine = true;
                continue;
            }
            if (!numbers(line))
                return false;
        }
        if (pendingCount != 0)
            return fail(incompleteMessage());
        if (ports != 2)
            return fail("[Number of Ports] is missing.");
        if (section == Section::Header)
            return fail("[Network Data] is missing.");
        if (!references.empty()) {
            if (references.size() != 2)
                return fail(referenceMessage);
            if (references[0] != references[1])
                return fail(printfString("The ports have different reference impedances (%s "
                                         "and %s ohm); only a common one can be used.",
                                         fixedText(references[0], 1).c_str(),
                                         fixedText(references[1], 1).c_str()));
        }
        options.reference = reference();
        set.referenceImpedance = options.reference;
        if (declaredFrequencies >= 0 && declaredFrequencies != set.pointCount)
            return fail(printfString("[Number of Frequencies] says %ld, but the file holds %d.",
                                     declaredFrequencies, set.pointCount));
        if (declaredNoise >= 0 && declaredNoise != set.noiseCount)
            return fail(
                printfString("[Number of Noise Frequencies] says %ld, but the file holds %d.",
                             declaredNoise, set.noiseCount));
        return set.pointCount > 0;
    }
};

double toDb(double linear) { return linear > 0.0 ? 10.0 * std::log10(linear) : notComputed; }

DialogMessage fileMessage(const char* format, const std::string& path)
{
    return {printfString(format, path.c_str()), "", MessageIcon::Error};
}

} // namespace

PointFigures figuresOfMerit(const SParamPoint& p)
{
    // Written out rather than through the complex helpers: this runs for every
    // line of a long sweep. s12 s21 is formed in polar form (one sine and
    // cosine instead of two).
    const double a11 = p.s11re, b11 = p.s11im, a22 = p.s22re, b22 = p.s22im;
    const double m12 = p.s12mag, m21 = p.s21mag;
    const double product = std::fabs(m12 * m21);
    const double phi = static_cast<double>(p.s12ang) + static_cast<double>(p.s21ang);
    const double pr = m12 * m21 * std::cos(phi), pi = m12 * m21 * std::sin(phi);
    const double dr = (a11 * a22 - b11 * b22) - pr, di = (a11 * b22 + b11 * a22) - pi;
    const double n11 = a11 * a11 + b11 * b11, n22 = a22 * a22 + b22 * b22;

    PointFigures f{notComputed, notComputed, notComputed, notComputed, notComputed};
    if (product != 0.0)
        f.k = ((1.0 - n22) - n11 + (dr * dr + di * di)) / (2.0 * product);
    if (m12 != 0.0) {
        const double ratio = std::fabs(m21) / std::fabs(m12);
        // A lossless passive two-port has K = 1 exactly; its float storage
        // leaves K a hair either side, which must not erase MAG at every
        // other frequency.
        const double k = f.k < 1.0 && f.k > 1.0 - kStorageTolerance ? 1.0 : f.k;
        // A gain that is not positive has no dB value; K < 1 gives NaN here.
        f.magDb = toDb(maxAvailableGainFactor(k) * ratio);
        f.msgDb = toDb(ratio);
    }
    // mu: (1 - |s11|^2) / (|s22 - D conj(s11)| + |s12 s21|); mu' mirrored.
    const auto mu = [&](double n, double ai, double bi, double aj, double bj) {
        const double numerator = 1.0 - n;
        const double er = aj - (dr * ai + di * bi), ei = bj - (di * ai - dr * bi);
        const double denominator = std::sqrt(er * er + ei * ei) + product;
        if (denominator == 0.0)
            return numerator > 0.0 ? std::numeric_limits<double>::infinity() : notComputed;
        return numerator / denominator;
    };
    f.muLoad = mu(n11, a11, b11, a22, b22);
    f.muSource = mu(n22, a22, b22, a11, b11);
    return f;
}

bool readTouchstone(SParamSet& set, std::string* problem)
{
    set.freqExponent = 9;
    set.referenceImpedance = 50.0f;
    set.formatCode = 1;
    set.loaded = false;
    clearData(set);
    if (problem)
        problem->clear();
    bool ok = false;
    try {
        if (isKeywordFile(set.sourceText)) {
            KeywordReader reader(set);
            ok = reader.read();
            if (!ok && problem)
                *problem = reader.problem;
        } else if (const long ports = portsOfName(set.fileName); ports == 1 || ports > 2) {
            // A version 1 file says its port count only by its name; read as
            // a two-port, a four-port gives points from the first matrix rows.
            if (problem)
                *problem =
                    ports == 1 ? onePortFileMessage : portCountMessage(std::to_string(ports));
        } else {
            ok = readVersion1(set);
        }
    } catch (const std::bad_alloc&) {
        ok = false;
        if (problem)
            *problem = "Too few memory to hold the data of this file.";
    }
    if (!ok)
        clearData(set);
    set.loaded = ok;
    return ok;
}

LoadResult loadTouchstoneFile(SParamSet& set, const std::string& path)
{
    set.fileName = path;
    FileBytes file = readRegularFile(path);
    if (file.failure == ReadFailure::TooLarge)
        return {LoadStatus::OutOfMemory,
                withReason(fileMessage("Too few memory to open file '%s'", path), file.why)};
    if (!file.bytes)
        return {LoadStatus::OpenFailed,
                withReason(fileMessage("Error while opening file '%s'", path), file.why)};
    set.sourceText = std::move(*file.bytes);
    std::string problem;
    if (!readTouchstone(set, &problem))
        return {LoadStatus::FormatError,
                DialogMessage{problem.empty() ? touchstoneFormatMessage : problem, "",
                              MessageIcon::Error}};
    return {};
}

} // namespace zelvo
