// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The complex value type and the impedance / admittance / reflection
// coefficient conversions. Divisions by zero saturate instead of producing
// infinities: callers compare and format the saturated values as numbers.
#include "core/numeric.h"

namespace zelvo {

struct Complex {
    double re = 0.0;
    double im = 0.0;

    constexpr Complex() = default;
    constexpr Complex(double r, double i = 0.0) : re(r), im(i) {}

    constexpr Complex conjugate() const { return {re, -im}; }

    Complex& operator*=(double s)
    {
        re *= s;
        im *= s;
        return *this;
    }
    Complex& operator/=(double s)
    {
        re /= s;
        im /= s;
        return *this;
    }
    friend constexpr bool operator==(Complex a, Complex b) = default;
};

constexpr Complex operator+(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
constexpr Complex operator+(Complex a, double s) { return {a.re + s, a.im}; }
constexpr Complex operator+(double s, Complex a) { return {s + a.re, a.im}; }
constexpr Complex operator-(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }
constexpr Complex operator-(Complex a, double s) { return {a.re - s, a.im}; }
constexpr Complex operator-(double s, Complex a) { return {s - a.re, -a.im}; }
constexpr Complex operator-(Complex a) { return {-a.re, -a.im}; }
constexpr Complex operator*(Complex a, Complex b)
{
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
constexpr Complex operator*(Complex a, double s) { return {a.re * s, a.im * s}; }
constexpr Complex operator*(double s, Complex a) { return {a.re * s, a.im * s}; }
// Plain divisions: a zero divisor gives non-finite parts.
Complex operator/(Complex a, Complex b);
Complex operator/(double s, Complex a);
Complex operator/(Complex a, double s);

// a / b; when |b|^2 is 0 each part is +DOUBLE_BIG, or -DOUBLE_BIG when that
// part's numerator is negative.
Complex divideGuarded(Complex a, Complex b);
// a / s; when s is 0 each part is -DOUBLE_BIG if that part of a is negative.
Complex divideByRealGuarded(Complex a, double s);

double magnitude(Complex a);
double argument(Complex a); // atan2(im, re), in (-pi, pi]
// The argument as a text shows it: 0 for a zero, and an imaginary part of -0
// taken as +0, so that 0 reads "0 / 0" and -0.5 - j0 reads 180, not -180.
double shownArgument(Complex a);
Complex fromPolar(double m, double phi);
// |a / b|, DOUBLE_BIG when b is 0.
double ratioMagnitude(Complex a, Complex b);
// The same on floats, each quotient part rounded to float; FLOAT_BIG when b is 0.
float ratioMagnitude32(Complex a, Complex b);
double productMagnitude(Complex a, Complex b);
float productMagnitude32(Complex a, Complex b);
// a*d - b*c: the two-port determinant is crossDifference(s11, s12, s21, s22).
Complex crossDifference(Complex a, Complex b, Complex c, Complex d);
Complex complexLog(Complex a);
Complex complexAtan(Complex a);
double log10f(float x);

// Scalar conversions. R, X in ohm; r, x normalised; (u, v) = Gamma.
double admittanceG(double R, double X);
double admittanceB(double R, double X);
double gammaRe(double r, double x);
double gammaIm(double r, double x);
double resistanceFromGamma(double u, double v);
double reactanceFromGamma(double u, double v);
float resistanceFromGamma32(float u, float v);
float reactanceFromGamma32(float u, float v);
double conductanceFromGamma(double u, double v);
double susceptanceFromGamma(double u, double v);

// Absolute impedance (R + jX) of a reflection coefficient for data point
// input; Gamma = 1 exactly is moved to 0.9999999 to keep the result finite.
Complex gammaToImpedance(double u, double v, double z0);

// Gamma of an impedance in ohm for reference z0 (gammaRe / gammaIm of Z/z0).
Complex impedanceToGamma(double R, double X, double z0);

} // namespace zelvo
