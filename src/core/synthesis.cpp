// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/synthesis.h"

#include "core/chain.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelvo {

namespace {

constexpr double pi = std::numbers::pi;
// Reactances and angles below this share of the impedances involved are
// rounding noise of an element that is not needed.
constexpr double negligible = 1e-12;

Complex inverse(Complex z)
{
    return 1.0 / z;
}

// Input impedance of a lossless line of impedance zc and angle theta ended in
// z, in full precision (the chain keeps its own formula).
Complex lineInput(Complex z, double zc, double theta)
{
    const double t = std::tan(theta);
    return zc * (z + Complex{0.0, zc * t}) / (Complex{zc, 0.0} + Complex{0.0, t} * z);
}

Element lumped(ElementKind kind, double value)
{
    Element e;
    e.kind = kind;
    e.value = value;
    return e;
}

Element line(ElementKind kind, double theta, float zc, float er)
{
    Element e;
    e.kind = kind;
    e.value = theta / twoPiElement;
    e.lineImpedance = zc;
    e.lineEr = er;
    return e;
}

// A series reactance as the inductor or capacitor that has it at omega;
// false when none is needed.
bool addSeries(std::vector<Element>& out, double x, double omega, double scale)
{
    if (std::abs(x) <= negligible * scale)
        return false;
    out.push_back(x > 0 ? lumped(ElementKind::IS, x / omega)
                        : lumped(ElementKind::CS, -1.0 / (omega * x)));
    return true;
}

bool addShunt(std::vector<Element>& out, double b, double omega, double scale)
{
    if (std::abs(b) <= negligible * scale)
        return false;
    out.push_back(b > 0 ? lumped(ElementKind::CP, b / omega)
                        : lumped(ElementKind::IP, -1.0 / (omega * b)));
    return true;
}

std::string partName(ElementKind k, const Texts& texts)
{
    switch (k) {
    case ElementKind::IS:
        return texts.translate("Topology", "series L");
    case ElementKind::CS:
        return texts.translate("Topology", "series C");
    case ElementKind::IP:
        return texts.translate("Topology", "shunt L");
    case ElementKind::CP:
        return texts.translate("Topology", "shunt C");
    case ElementKind::LS:
        return texts.translate("Topology", "line");
    case ElementKind::LPO:
        return texts.translate("Topology", "open stub");
    case ElementKind::LPS:
        return texts.translate("Topology", "short stub");
    default:
        return "?";
    }
}

} // namespace

std::string topologyText(const MatchSolution& s, const Texts& texts)
{
    std::string out;
    for (std::size_t i = 0; i < s.elements.size(); ++i) {
        if (!out.empty())
            out += texts.translate("Topology", ", ");
        const bool transformer =
            s.family == MatchFamily::QuarterWave && i + 1 == s.elements.size();
        out += transformer ? texts.translate("Topology", "quarter-wave transformer")
                           : partName(s.elements[i].kind, texts);
    }
    return out;
}

namespace {

// Root values s of s^2 = square, the double root once; none when negative.
std::vector<double> signedRoots(double square, double scale)
{
    if (square < -negligible * scale)
        return {};
    const double s = std::sqrt(std::max(square, 0.0));
    if (s <= negligible * std::sqrt(scale))
        return {0.0};
    return {s, -s};
}

// Line angles theta in [0, pi) at which Re((1 + j w t) / (w + j t)) = g with
// t = tan(theta). For w the normalised load impedance this is the normalised
// input conductance; for w the normalised load admittance, the input
// resistance. Solved as a*t^2 + b*t + c = 0 in the numerically stable form,
// with each root kept as a direction so that t = infinity (a quarter wave)
// needs no division.
std::vector<double> lineAngles(Complex w, double g)
{
    const double r = w.re, x = w.im;
    const double a = r - g;
    const double b = -2.0 * g * x;
    const double c = r - g * (r * r + x * x);
    const double h = g * g * x * x - a * c; // a quarter of the discriminant
    const double scale = std::max({std::abs(g * g * x * x), std::abs(a * c), 1e-300});
    if (h < -negligible * scale)
        return {};
    const double root = 2.0 * std::sqrt(std::max(h, 0.0));
    const double q = -0.5 * (b + (b >= 0.0 ? root : -root));
    std::vector<double> angles;
    if (q != 0.0) {
        angles.push_back(std::atan2(q, a));
        angles.push_back(std::atan2(c, q));
    } else {
        // b = 0 and a double root: t = 0 when c = 0, t = infinity when a = 0.
        angles.push_back(c == 0.0 ? 0.0 : pi / 2);
    }
    for (double& theta : angles) {
        theta = std::fmod(theta, pi);
        if (theta < 0.0)
            theta += pi;
        if (theta >= pi - negligible)
            theta = 0.0;
    }
    std::sort(angles.begin(), angles.end());
    angles.erase(std::unique(angles.begin(), angles.end(),
                             [](double u, double v) { return std::abs(u - v) <= 1e-12; }),
                 angles.end());
    return angles;
}

// Stub angle in [0, pi) that adds susceptance b; open or shorted.
double stubAngle(double b, double zc, bool open)
{
    double theta = open ? std::atan(b * zc) : std::atan2(-1.0, b * zc);
    if (theta < 0.0)
        theta += pi;
    return theta >= pi ? 0.0 : theta;
}

void addLNetworks(std::vector<MatchSolution>& out, Complex zl, Complex zt, double omega)
{
    const Complex yt = inverse(zt);
    const double scale = magnitude(zl) + magnitude(zt);
    // Series element next to the load, then shunt: the series reactance puts
    // the load on the target's conductance circle.
    for (double s : signedRoots(zl.re / yt.re - zl.re * zl.re, scale * scale)) {
        std::vector<Element> e;
        addSeries(e, -zl.im + s, omega, scale);
        const Complex y1 = inverse({zl.re, s});
        addShunt(e, yt.im - y1.im, omega, magnitude(inverse(zl)) + magnitude(yt));
        out.push_back({MatchFamily::LNetwork, e});
    }
    const Complex yl = inverse(zl);
    const double yScale = magnitude(yl) + magnitude(yt);
    for (double s : signedRoots(yl.re / zt.re - yl.re * yl.re, yScale * yScale)) {
        std::vector<Element> e;
        addShunt(e, -yl.im + s, omega, yScale);
        const Complex z1 = inverse({yl.re, s});
        addSeries(e, zt.im - z1.im, omega, scale);
        out.push_back({MatchFamily::LNetwork, e});
    }
}

void addShuntStubs(std::vector<MatchSolution>& out, const MatchRequest& m)
{
    const double zc = m.lineImpedance;
    const Complex yt = inverse(m.target);
    for (bool open : {true, false}) {
        for (double theta : lineAngles(m.load * (1.0 / zc), yt.re * zc)) {
            std::vector<Element> e;
            if (theta > negligible)
                e.push_back(line(ElementKind::LS, theta, m.lineImpedance, m.lineEr));
            const Complex y = inverse(lineInput(m.load, zc, theta));
            const double stub = stubAngle(yt.im - y.im, zc, open);
            if (stub > negligible)
                e.push_back(line(open ? ElementKind::LPO : ElementKind::LPS, stub,
                                 m.lineImpedance, m.lineEr));
            // Without a stub the open and short variants are the same network.
            if (!open && stub <= negligible)
                continue;
            out.push_back({MatchFamily::ShuntStub, e});
        }
    }
}

void addSeriesReactances(std::vector<MatchSolution>& out, const MatchRequest& m, double omega)
{
    const double zc = m.lineImpedance;
    const double scale = magnitude(m.load) + magnitude(m.target);
    for (double theta : lineAngles(inverse(m.load) * zc, m.target.re / zc)) {
        std::vector<Element> e;
        if (theta > negligible)
            e.push_back(line(ElementKind::LS, theta, m.lineImpedance, m.lineEr));
        const Complex z = lineInput(m.load, zc, theta);
        addSeries(e, m.target.im - z.im, omega, scale);
        out.push_back({MatchFamily::SeriesReactance, e});
    }
}

void addQuarterWave(std::vector<MatchSolution>& out, const MatchRequest& m)
{
    // A quarter-wave line turns a real impedance into a real one only.
    if (std::abs(m.target.im) > negligible * m.target.re)
        return;
    const double zc = m.lineImpedance;
    const Complex gamma = (m.load - zc) / (m.load + zc);
    std::vector<double> angles{0.0};
    if (magnitude(gamma) > negligible) {
        // The line turns Gamma clockwise by 2 theta: onto the positive real
        // axis (maximum R) and onto the negative one (minimum R).
        const double phi = argument(gamma);
        angles = {phi / 2, (phi - pi) / 2};
        for (double& theta : angles) {
            theta = std::fmod(theta, pi);
            if (theta < 0.0)
                theta += pi;
        }
    }
    for (double theta : angles) {
        std::vector<Element> e;
        if (theta > negligible && theta < pi - negligible)
            e.push_back(line(ElementKind::LS, theta, m.lineImpedance, m.lineEr));
        const double r = lineInput(m.load, zc, e.empty() ? 0.0 : theta).re;
        e.push_back(
            line(ElementKind::LS, pi / 2, toFloatSaturated(std::sqrt(r * m.target.re)), m.lineEr));
        out.push_back({MatchFamily::QuarterWave, e});
    }
}

bool finiteImpedance(Complex z)
{
    return std::isfinite(z.re) && std::isfinite(z.im) && std::abs(z.re) < 1e300 &&
           std::abs(z.im) < 1e300;
}

} // namespace

Complex mismatch(Complex z, Complex target)
{
    // Both parts scaled by the denominator's larger one: its square cannot
    // overflow, which for a reactance of 1e200 made every load look matched.
    const Complex num = z - target;
    const Complex den = z + target.conjugate();
    const double s = std::max(std::abs(den.re), std::abs(den.im));
    if (s > 1.0 && std::isfinite(s))
        return divideGuarded(num / s, den / s);
    return divideGuarded(num, den);
}

MatchResult synthesiseMatches(const MatchRequest& m)
{
    MatchResult result;
    if (!(m.target.re > 0.0)) {
        result.refusal = "The target impedance must have a resistance greater than 0 Ohm.";
        return result;
    }
    if (!finiteImpedance(m.target)) {
        result.refusal = "The target impedance is too large for any network to reach.";
        return result;
    }
    if (!finiteImpedance(m.load)) {
        result.refusal = "The impedance to be matched is an open circuit (|\u0393| = 1).\n"
                         "A lossless network cannot match it.";
        return result;
    }
    if (m.load.re < 0.0) {
        result.refusal = "The impedance to be matched has a negative resistance.\n"
                         "A passive network cannot match it.";
        return result;
    }
    if (m.load.re == 0.0) {
        result.refusal = "The impedance to be matched is lossless (R = 0, |\u0393| = 1).\n"
                         "A lossless network cannot match it.";
        return result;
    }
    if (!(m.frequency > 0.0) || !std::isfinite(m.frequency)) {
        result.refusal = "The start point has no frequency; matching needs one.";
        return result;
    }
    if (magnitude(mismatch(m.load, m.target)) <= 1e-12) {
        result.solutions.push_back({MatchFamily::LNetwork, {}});
        return result;
    }
    const double omega = twoPiElement * m.frequency;
    addLNetworks(result.solutions, m.load, m.target, omega);
    if (m.lineImpedance > 0.0f && std::isfinite(m.lineImpedance)) {
        addShuntStubs(result.solutions, m);
        addSeriesReactances(result.solutions, m, omega);
        addQuarterWave(result.solutions, m);
    }
    return result;
}

double networkQ(const std::vector<Element>& elements, Complex load, double f)
{
    double q = 0.0;
    const auto node = [&q](Complex z) {
        q = std::max(q, z.re > 0.0 ? std::abs(z.im) / z.re : DOUBLE_BIG);
    };
    Complex z = load;
    for (const Element& e : elements) {
        if (e.kind == ElementKind::LS) {
            // Along a line the Q passes through its largest value between the
            // ends; eight steps find it closely enough for a table.
            Element part = e;
            for (int i = 1; i < 8; ++i) {
                part.value = e.value * i / 8.0;
                node(transformElement(part, z, f, f));
            }
        }
        z = transformElement(e, z, f, f);
        node(z);
    }
    return q;
}

} // namespace zelvo
