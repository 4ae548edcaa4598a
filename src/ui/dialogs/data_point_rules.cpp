// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/data_point_rules.h"

#include <QCoreApplication>

#include "model/design.h"
#include "ui/app_state.h"
#include "ui/dialogs/dialog_support.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zelvo {

namespace {

constexpr double degreesToRadians = 6.28318530718 / 360.0;

bool isPolar(std::uint8_t format)
{
    return (format & formatPolar) != 0;
}

PointFailure fail(const char* text, PointField field)
{
    return {QString::fromUtf8(text), field};
}

// Admittance to impedance. An admittance of 0 is the open circuit, placed
// where a reflection coefficient of 1 puts it; so is any admittance whose
// impedance would lie beyond that point.
Complex fromAdmittance(double g, double b, double z0)
{
    const Complex open = gammaToImpedance(1.0, 0.0, z0);
    if (g == 0.0 && b == 0.0)
        return open;
    const Complex z{admittanceG(g, b), admittanceB(g, b)};
    return std::hypot(z.re, z.im) > open.re ? open : z;
}

std::optional<PointFailure> outsideValueRange(std::uint8_t format, double first, double second)
{
    if (format & formatReflection)
        return std::nullopt;
    const QString unit =
        format & formatAdmittance ? QCoreApplication::translate("DataPointRules", "Siemens") : QCoreApplication::translate("DataPointRules", "Ohm");
    const QString limit = QStringLiteral("1E9");
    if (!(std::fabs(first) <= impedanceLimit))
        return PointFailure{outsideRange(QStringLiteral("0"), limit, unit), PointField::First};
    if (!isPolar(format) && !(std::fabs(second) <= impedanceLimit))
        return PointFailure{outsideRange(QStringLiteral("-1E9"), limit, unit), PointField::Second};
    return std::nullopt;
}

Complex fromPolarDegrees(double m, double degrees)
{
    const double a = degrees * degreesToRadians;
    return {m * std::cos(a), m * std::sin(a)};
}

} // namespace

PointOutcome impedanceFromInput(std::uint8_t format, double first, double second, double z0)
{
    const bool polar = isPolar(format);
    if (format & formatReflection) {
        double u = first, v = second;
        if (polar) {
            if (first < 0.0 || first > 1.0)
                return fail("Magnitude must lie in the range between 0 and 1", PointField::First);
            const Complex g = fromPolarDegrees(first, second);
            u = g.re;
            v = g.im;
        }
        else if (std::sqrt(u * u + v * v) > 1.0) {
            return fail("Absolute value (magnitude) exceeds 1", PointField::First);
        }
        return gammaToImpedance(u, v, z0);
    }
    Complex value{first, second};
    if (polar) {
        const double angle = std::fmod(second, 360.0);
        if (first < 0.0)
            return fail("Magnitude must be positiv.", PointField::First);
        if ((angle > 90.0 && angle < 270.0) || angle < -90.0)
            return fail(
                "Angle must lie in the range between\n\r+90° and -90°\n\rresp. +270° and +90°",
                PointField::Second);
        value = fromPolarDegrees(first, angle);
        // The allowed angles give no negative real part; at +-90 and 270
        // degrees the rounding of the cosine may, by a hair.
        value.re = std::max(value.re, 0.0);
    }
    else if (first < 0.0) {
        return fail("Only positiv real part allowed", PointField::First);
    }
    if (auto failure = outsideValueRange(format, first, second))
        return *failure;
    if (format & formatAdmittance)
        return fromAdmittance(value.re, value.im, z0);
    return value;
}

PointOutcome impedanceFromEditor(std::uint8_t format, double first, double second, double z0)
{
    const bool polar = isPolar(format);
    if (first < 0.0 && !(format & formatReflection && !polar))
        return fail("Only positiv values allowed.", PointField::First);
    if (polar && (second < -180.0 || second > 180.0))
        return fail("Only angles in the range between -180° and +180° allowed.",
                    PointField::Second);
    if (format & formatReflection) {
        const Complex g = polar ? fromPolarDegrees(first, second) : Complex{first, second};
        const double m = polar ? first : std::sqrt(g.re * g.re + g.im * g.im);
        if (m < 0.0 || m > 1.0)
            return fail("Absolut value must be in the range between 0 and 1.", PointField::First);
        // Z = z0 (1 + G) / (1 - G); G = 1 exactly gets the replacement of the
        // data point input instead of a division by zero.
        const Complex gamma = g.re == 1.0 && g.im == 0.0 ? Complex{0.9999999, 0.0} : g;
        return z0 * (1.0 + gamma) / (1.0 - gamma);
    }
    const Complex value = polar ? fromPolarDegrees(first, second) : Complex{first, second};
    // A polar angle beyond +-90 degrees is a negative real part as well.
    if (value.re < 0.0)
        return fail("Only positiv values allowed.", polar ? PointField::Second : PointField::First);
    if (auto failure = outsideValueRange(format, first, second))
        return *failure;
    if (format & formatAdmittance)
        return fromAdmittance(value.re, value.im, z0);
    return value;
}

PointValues valuesInFormat(std::uint8_t format, Complex z, double z0)
{
    Complex v = z;
    if (format & formatAdmittance)
        v = {admittanceG(z.re, z.im), admittanceB(z.re, z.im)};
    else if (format & formatReflection)
        v = impedanceToGamma(z.re, z.im, z0);
    if (!isPolar(format))
        return {v.re, v.im};
    return {std::sqrt(v.re * v.re + v.im * v.im), std::atan2(v.im, v.re) / degreesToRadians};
}

QString firstCaption(std::uint8_t format)
{
    return isPolar(format) ? QCoreApplication::translate("DataPointRules", "magnitude")
                           : QStringLiteral("re");
}

QString secondCaption(std::uint8_t format)
{
    return isPolar(format) ? QCoreApplication::translate("DataPointRules", "angle [°]") : QStringLiteral("im");
}

int dataPointListNumber(const Design& d, int index)
{
    int number = 0;
    int points = 0;
    const int entries = std::min(d.historyCount, Design::historyCapacity);
    for (int i = 0; i < entries; ++i) {
        const HistoryEntry k = d.history[static_cast<std::size_t>(i)];
        if (k == HistoryEntry::Element) {
            ++number;
        }
        else if (k == HistoryEntry::DataPoint) {
            ++number;
            if (points++ == index)
                return number;
        }
    }
    return 0;
}

} // namespace zelvo
