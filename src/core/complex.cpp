// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/complex.h"

#include <cmath>

namespace zelvo {

Complex operator/(Complex a, Complex b)
{
    const double d = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}

Complex operator/(double s, Complex a)
{
    const double d = a.re * a.re + a.im * a.im;
    return {s * a.re / d, -s * a.im / d};
}

Complex operator/(Complex a, double s) { return {a.re / s, a.im / s}; }

Complex divideGuarded(Complex a, Complex b)
{
    const double d = b.re * b.re + b.im * b.im;
    const double nr = a.re * b.re + a.im * b.im;
    const double ni = a.im * b.re - a.re * b.im;
    if (d == 0.0)
        return {nr < 0.0 ? -DOUBLE_BIG : DOUBLE_BIG, ni < 0.0 ? -DOUBLE_BIG : DOUBLE_BIG};
    return {nr / d, ni / d};
}

Complex divideByRealGuarded(Complex a, double s)
{
    if (s == 0.0)
        return {a.re < 0.0 ? -DOUBLE_BIG : DOUBLE_BIG, a.im < 0.0 ? -DOUBLE_BIG : DOUBLE_BIG};
    return {a.re / s, a.im / s};
}

double magnitude(Complex a) { return std::sqrt(a.re * a.re + a.im * a.im); }

double shownArgument(Complex a)
{
    if (a.re == 0.0 && a.im == 0.0)
        return 0.0;
    return std::atan2(a.im + 0.0, a.re);
}

double argument(Complex a) { return std::atan2(a.im, a.re); }

Complex fromPolar(double m, double phi) { return {m * std::cos(phi), m * std::sin(phi)}; }

double ratioMagnitude(Complex a, Complex b)
{
    if (b.re == 0.0 && b.im == 0.0)
        return DOUBLE_BIG;
    const Complex q = a / b;
    return std::sqrt(q.re * q.re + q.im * q.im);
}

float ratioMagnitude32(Complex a, Complex b)
{
    const float ar = static_cast<float>(a.re), ai = static_cast<float>(a.im);
    const float br = static_cast<float>(b.re), bi = static_cast<float>(b.im);
    if (br == 0.0f && bi == 0.0f)
        return FLOAT_BIG;
    const float d = br * br + bi * bi;
    const float qr = (ar * br + ai * bi) / d;
    const float qi = (ai * br - ar * bi) / d;
    return std::sqrt(qr * qr + qi * qi);
}

double productMagnitude(Complex a, Complex b) { return magnitude(a * b); }

float productMagnitude32(Complex a, Complex b)
{
    const float ar = static_cast<float>(a.re), ai = static_cast<float>(a.im);
    const float br = static_cast<float>(b.re), bi = static_cast<float>(b.im);
    const float pr = ar * br - ai * bi;
    const float pi = ar * bi + ai * br;
    return std::sqrt(pr * pr + pi * pi);
}

Complex crossDifference(Complex a, Complex b, Complex c, Complex d) { return a * d - b * c; }

Complex complexLog(Complex a) { return {std::log(magnitude(a)), argument(a)}; }

Complex complexAtan(Complex a)
{
    const Complex j{0.0, 1.0};
    const Complex q = divideGuarded(1.0 + j * a, 1.0 - j * a);
    return Complex{0.0, -0.5} * complexLog(q);
}

double log10f(float x) { return std::log10(static_cast<double>(x)); }

double admittanceG(double R, double X)
{
    const double d = R * R + X * X;
    return d == 0.0 ? DOUBLE_BIG : R / d;
}

double admittanceB(double R, double X)
{
    const double d = R * R + X * X;
    return d == 0.0 ? DOUBLE_BIG : -X / d;
}

double gammaRe(double r, double x)
{
    const double d = r * r + x * x + 2.0 * r + 1.0;
    return d == 0.0 ? DOUBLE_BIG : (r * r + x * x - 1.0) / d;
}

double gammaIm(double r, double x)
{
    const double d = r * r + x * x + 2.0 * r + 1.0;
    return d == 0.0 ? DOUBLE_BIG : 2.0 * x / d;
}

double resistanceFromGamma(double u, double v)
{
    const double n = 1.0 - u * u - v * v;
    const double d = u * u + v * v - 2.0 * u + 1.0;
    if (d == 0.0)
        return n < 0.0 ? -DOUBLE_BIG : DOUBLE_BIG;
    return n / d;
}

double reactanceFromGamma(double u, double v)
{
    const double d = u * u + v * v - 2.0 * u + 1.0;
    if (d == 0.0)
        return v < 0.0 ? -DOUBLE_BIG : DOUBLE_BIG;
    return 2.0 * v / d;
}

float resistanceFromGamma32(float u, float v)
{
    const float n = 1.0f - u * u - v * v;
    const float d = u * u + v * v - 2.0f * u + 1.0f;
    if (d == 0.0f)
        return n < 0.0f ? -FLOAT_BIG : FLOAT_BIG;
    return n / d;
}

float reactanceFromGamma32(float u, float v)
{
    const float d = u * u + v * v - 2.0f * u + 1.0f;
    if (d == 0.0f)
        return v < 0.0f ? -FLOAT_BIG : FLOAT_BIG;
    return 2.0f * v / d;
}

double conductanceFromGamma(double u, double v)
{
    const double d = u * u + v * v + 2.0 * u + 1.0;
    return d == 0.0 ? DOUBLE_BIG : (1.0 - u * u - v * v) / d;
}

double susceptanceFromGamma(double u, double v)
{
    const double d = u * u + v * v + 2.0 * u + 1.0;
    return d == 0.0 ? DOUBLE_BIG : -2.0 * v / d;
}

Complex gammaToImpedance(double u, double v, double z0)
{
    if (u == 1.0 && v == 0.0)
        u = 0.9999999;
    const double d = (u - 1.0) * (u - 1.0) + v * v;
    return {z0 * (1.0 - u * u - v * v) / d, z0 * 2.0 * v / d};
}

Complex impedanceToGamma(double R, double X, double z0)
{
    const double r = R / z0, x = X / z0;
    return {gammaRe(r, x), gammaIm(r, x)};
}

} // namespace zelvo
