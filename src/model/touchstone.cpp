#include "model/touchstone.h"

#include "core/number_text.h"
#include "core/twoport.h"

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <new>
#include <string_view>

namespace zelvo {

namespace {

constexpr std::size_t lineLimit = 200;
// 2 pi as a float: the angle conversion of the stored values.
constexpr double radiansPerDegree = static_cast<double>(6.2831855f) / 360.0;
constexpr double notComputed = std::numeric_limits<double>::quiet_NaN();
// K computed from single-precision parameters is good to a few 1e-7.
constexpr double kStorageTolerance = 1e-6;

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// The line as the parser copies it: up to CR, LF, the end, or 200 characters.
std::string_view lineAt(std::string_view text, std::size_t pos)
{
    if (pos >= text.size())
        return {};
    const std::size_t limit = std::min(text.size(), pos + lineLimit);
    std::size_t end = pos;
    while (end < limit && !isLineEnd(text[end]))
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

std::string upperCase(std::string_view s)
{
    std::string u(s);
    for (char& c : u)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return u;
}

bool contains(std::string_view s, std::string_view what) { return s.find(what) != s.npos; }

bool hasOptionLine(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size(); pos = nextLine(text, pos)) {
        const std::string line = upperCase(lineAt(text, pos));
        if (contains(line, "#") && (contains(line, " S ") || contains(line, "\tS\t")))
            return true;
    }
    return false;
}

void applyOptionLine(SParamSet& set, std::string_view rest)
{
    const std::string line = upperCase(rest);
    if (contains(line, "GHZ"))
        set.freqExponent = 9;
    else if (contains(line, "MHZ"))
        set.freqExponent = 6;
    else if (contains(line, "KHZ"))
        set.freqExponent = 3;
    else if (contains(line, "HZ"))
        set.freqExponent = 0;

    if (contains(line, "MA"))
        set.formatCode = 1;
    else if (contains(line, "DB"))
        set.formatCode = 2;
    else if (contains(line, "RI"))
        set.formatCode = 4;

    const std::size_t r = line.find("R ");
    if (r != line.npos) {
        // "R" without a readable number keeps the reference, and so does one
        // whose stored float is not a usable positive value (0, negative,
        // 1E-80): 0 ohm would only poison every later division by it.
        const ScannedNumber z = scanNumber(line, r + 1);
        const float stored = toFloatSaturated(z.value);
        if (z.ok && stored >= FLOAT_TINY)
            set.referenceImpedance = stored;
    }
}

void readNoiseLine(SParamSet& set, std::string_view line)
{
    std::array<float, 5> v{}; // fields the line does not supply stay 0
    std::size_t pos = 0;
    for (float& field : v) {
        const ScannedNumber n = scanNumber(line, pos);
        if (!n.ok)
            break;
        field = toFloatSaturated(n.value);
        pos = n.end;
    }
    set.noise[static_cast<std::size_t>(set.noiseCount)] = {v[0], v[1], v[2], v[3], v[4]};
    ++set.noiseCount;
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

// The eight numbers after the frequency, each read one character after the
// end of its predecessor; false when one is missing.
bool readSParamLine(SParamSet& set, std::string_view line, float frequency, std::size_t end)
{
    std::array<double, 8> v{};
    for (double& value : v) {
        const ScannedNumber n = scanNumber(line, end + 1);
        if (!n.ok)
            return false;
        value = n.value;
        end = n.end;
    }
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

    const auto i = static_cast<std::size_t>(set.pointCount);
    set.points[i] = p;
    const PointFigures f = figuresOfMerit(p);
    set.stabilityK[i] = f.k;
    set.magDb[i] = f.magDb;
    set.msgDb[i] = f.msgDb;
    ++set.pointCount;
    return true;
}

double toDb(double linear) { return linear > 0.0 ? 10.0 * std::log10(linear) : notComputed; }

DialogMessage fileMessage(const char* prefix, const std::string& path)
{
    return {prefix + path + "'", "", MessageIcon::Error};
}

} // namespace

PointFigures figuresOfMerit(const SParamPoint& p)
{
    const TwoPort t = twoPortOf(p);
    PointFigures f{notComputed, notComputed, notComputed};
    const double p1221 = productMagnitude(t.s12, t.s21);
    if (p1221 != 0.0) {
        const Complex delta = determinant(t);
        f.k = ((1.0 - std::pow(magnitude(t.s22), 2.0)) - std::pow(magnitude(t.s11), 2.0)
               + std::pow(magnitude(delta), 2.0))
              / (2.0 * p1221);
    }
    const double s12 = magnitude(t.s12);
    if (s12 != 0.0) {
        const double ratio = magnitude(t.s21) / s12;
        // A lossless passive two-port has K = 1 exactly; its float storage
        // leaves K a few 1e-8 either side, which must not erase MAG at
        // every other frequency.
        const double k = f.k < 1.0 && f.k > 1.0 - kStorageTolerance ? 1.0 : f.k;
        // A gain that is not positive has no dB value; K < 1 gives NaN here.
        f.magDb = toDb(maxAvailableGainFactor(k) * ratio);
        f.msgDb = toDb(ratio);
    }
    return f;
}

bool readTouchstone(SParamSet& set)
{
    set.freqExponent = 9;
    set.referenceImpedance = 50.0f;
    set.formatCode = 1;
    set.pointCount = 0;
    set.noiseCount = 0;
    set.loaded = false;

    const std::string_view text = set.sourceText;
    if (!hasOptionLine(text))
        return false;

    bool inNoise = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        if (pos < text.size() && text[pos] == '#') {
            applyOptionLine(set, lineAt(text, pos + 1));
        } else if (pos < text.size() && text[pos] != '!') {
            const std::string_view line = lineAt(text, pos);
            const ScannedNumber f = scanNumber(line);
            if (f.ok) {
                const float frequency = toFloatSaturated(f.value);
                inNoise = inNoise
                          || (set.pointCount > 0
                              && frequency < set.points[static_cast<std::size_t>(set.pointCount - 1)]
                                                 .frequency);
                if (inNoise) {
                    readNoiseLine(set, line);
                    if (set.noiseCount == SParamSet::capacity)
                        break;
                } else {
                    if (!readSParamLine(set, line, frequency, f.end)) {
                        set.pointCount = 0;
                        return false;
                    }
                    if (set.pointCount == SParamSet::capacity)
                        break;
                }
            }
        }
        pos = nextLine(text, pos);
        // Fewer than four characters left cannot hold a data line.
        if (pos + 3 >= text.size())
            break;
    }
    set.loaded = set.pointCount > 0;
    return set.loaded;
}

LoadResult loadTouchstoneFile(SParamSet& set, const std::string& path)
{
    set.fileName = path;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return {LoadStatus::OpenFailed, fileMessage("Error while opening file '", path)};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {LoadStatus::OpenFailed, fileMessage("Error while opening file '", path)};
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0 || !in)
        return {LoadStatus::OpenFailed, fileMessage("Error while opening file '", path)};
    // sourceLength is a 32-bit count.
    if (size > INT_MAX)
        return {LoadStatus::OutOfMemory, fileMessage("Too few memory to open file '", path)};
    std::string text;
    try {
        text.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return {LoadStatus::OutOfMemory, fileMessage("Too few memory to open file '", path)};
    }
    in.read(text.data(), size);
    if (in.gcount() != size)
        return {LoadStatus::OpenFailed, fileMessage("Error while opening file '", path)};
    set.sourceText = std::move(text);
    if (!readTouchstone(set))
        return {LoadStatus::FormatError, DialogMessage{touchstoneFormatMessage, "", MessageIcon::Error}};
    return {};
}

} // namespace zelvo
