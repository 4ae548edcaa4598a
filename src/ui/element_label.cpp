// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/element_label.h"

#include "core/format.h"
#include "core/number_text.h"
#include "core/numeric.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <limits>

namespace zelvo {

namespace {

bool takesPrefix(const QString& unit)
{
    return unit == QStringLiteral("Ω") || unit == QStringLiteral("H") || unit == QStringLiteral("F");
}

struct Prefix {
    double scale;
    QChar letter;
};
constexpr Prefix prefixes[] = {{1e-15, u'f'}, {1e-12, u'p'}, {1e-9, u'n'}, {1e-6, u'µ'},
                               {1e-3, u'm'},  {1.0, u'\0'},  {1e3, u'k'},  {1e6, u'M'},
                               {1e9, u'G'}};

// "greater than 0 F and at most 100 µF": what acceptedRange says.
QString acceptedText(const PartRange& r, const QString& unit)
{
    QString low = r.low <= std::numeric_limits<double>::denorm_min()
                      ? QCoreApplication::translate("ElementLabel", "greater than 0")
                      : QCoreApplication::translate("ElementLabel", "at least %1")
                            .arg(boundText(r.low, unit));
    if (r.low <= std::numeric_limits<double>::denorm_min() && !unit.isEmpty())
        low += QLatin1Char(' ') + unit;
    if (r.high >= std::numeric_limits<double>::max())
        return low;
    return QCoreApplication::translate("ElementLabel", "%1 and at most %2")
        .arg(low, boundText(r.high, unit));
}

} // namespace

QString elementKindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::CS:
        return QCoreApplication::translate("ElementLabel", "series C");
    case ElementKind::LS:
        return QCoreApplication::translate("ElementLabel", "line", "a transmission line in series");
    case ElementKind::RS:
        return QCoreApplication::translate("ElementLabel", "series R");
    case ElementKind::IS:
        return QCoreApplication::translate("ElementLabel", "series L");
    case ElementKind::CP:
        return QCoreApplication::translate("ElementLabel", "shunt C");
    case ElementKind::LPS:
        return QCoreApplication::translate("ElementLabel", "short stub");
    case ElementKind::LPO:
        return QCoreApplication::translate("ElementLabel", "open stub");
    case ElementKind::RP:
        return QCoreApplication::translate("ElementLabel", "shunt R");
    case ElementKind::IP:
        return QCoreApplication::translate("ElementLabel", "shunt L");
    case ElementKind::TR:
        return QCoreApplication::translate("ElementLabel", "transformer");
    case ElementKind::RlcSeries:
        return QCoreApplication::translate("ElementLabel", "series RLC (shunt)");
    case ElementKind::RlcParallel:
        return QCoreApplication::translate("ElementLabel", "parallel RLC (series)");
    case ElementKind::Block:
        return QCoreApplication::translate("ElementLabel", "two-port block");
    case ElementKind::None:
        break;
    }
    return QStringLiteral("?");
}

QString elementLabel(const Element& e, int index, ElementPart part)
{
    QString s = QStringLiteral("%1: %2").arg(index + 1).arg(elementKindName(e.kind));
    if (isRlc(e.kind)) {
        const char* parts[] = {"", " R", " L", " C"};
        s += QString::fromLatin1(parts[static_cast<int>(part)]);
    }
    return s;
}

QString partUnit(const Element& e, ElementPart part)
{
    switch (part) {
    case ElementPart::R: return QStringLiteral("Ω");
    case ElementPart::L: return QStringLiteral("H");
    case ElementPart::C: return QStringLiteral("F");
    case ElementPart::Value: break;
    }
    switch (e.kind) {
    case ElementKind::CS:
    case ElementKind::CP: return QStringLiteral("F");
    case ElementKind::IS:
    case ElementKind::IP: return QStringLiteral("H");
    case ElementKind::RS:
    case ElementKind::RP: return QStringLiteral("Ω");
    case ElementKind::LS:
    case ElementKind::LPS:
    case ElementKind::LPO: return QStringLiteral("λ");
    default: return {};
    }
}

QString partValueText(const Element& e, ElementPart part, double value)
{
    const QString unit = partUnit(e, part);
    if (unit == QStringLiteral("λ"))
        return QString::fromStdString(printfString("%.4f ", value)) + unit;
    if (!unit.isEmpty())
        return QString::fromStdString(formatSi(value, 3)) + unit;
    if (e.kind == ElementKind::TR && part == ElementPart::Value)
        return QString::fromStdString(printfString("1 : %.4f", value));
    return QString::fromStdString(formatG(value));
}

QString networkText(const std::vector<Element>& elements)
{
    if (elements.empty())
        return QCoreApplication::translate("ElementLabel", "(no elements needed)");
    QStringList parts;
    for (const Element& e : elements) {
        QString s = elementKindName(e.kind) + QLatin1Char(' ') + partValueText(e, ElementPart::Value, e.value);
        if (isLine(e.kind))
            s += QString::fromUtf8(" (Zc %1 Ω)").arg(static_cast<double>(e.lineImpedance), 0, 'f', 1);
        parts << s;
    }
    return parts.join(QStringLiteral(", "));
}

QString boundText(double v, const QString& unit)
{
    if (!takesPrefix(unit))
        return unit.isEmpty() ? QString::number(v, 'g', 4)
                              : QString::number(v, 'g', 4) + QLatin1Char(' ') + unit;
    const Prefix* p = &prefixes[0];
    for (const Prefix& q : prefixes)
        if (std::abs(v) >= q.scale * 0.9995)
            p = &q;
    QString s = QString::number(v / p->scale, 'g', 4) + QLatin1Char(' ');
    if (p->letter != QChar(u'\0'))
        s += p->letter;
    return s + unit;
}

FieldValue readBoundText(const QString& text, const QString& unit)
{
    FieldValue v;
    const std::string s = text.trimmed().toStdString();
    if (s.empty())
        return v;
    v.state = FieldValue::State::Malformed;
    const ScannedNumber n = scanNumber(s);
    if (!n.ok)
        return v;
    const QString rest = QString::fromStdString(s.substr(n.end)).trimmed();
    const auto isUnit = [&unit](const QString& t) {
        return t.isEmpty() || t == unit ||
               (unit == QStringLiteral("Ω") && t.compare(QStringLiteral("ohm"), Qt::CaseInsensitive) == 0);
    };
    double scale = 0.0;
    if (isUnit(rest))
        scale = 1.0;
    else if (takesPrefix(unit))
        for (const Prefix& p : prefixes) {
            const bool micro = p.letter == QChar(u'µ') && rest.startsWith(QLatin1Char('u'));
            if (p.letter != QChar(u'\0') && (rest.startsWith(p.letter) || micro) &&
                isUnit(rest.mid(1).trimmed()))
                scale = p.scale;
        }
    if (scale == 0.0)
        return v;
    v.value = n.value * scale;
    // "1e999", or "1e308 G", lies beyond what a double holds.
    v.state = std::abs(v.value) < DOUBLE_BIG ? FieldValue::State::Number
                                             : FieldValue::State::TooLarge;
    return v;
}

std::optional<QString> boundsRefusal(const Element& e, int index, ElementPart part, double low,
                                     double high, bool equalAllowed)
{
    const QString name = elementLabel(e, index, part);
    const PartRange r = acceptedRange(e.kind, part);
    if (!(low >= r.low && high <= r.high))
        return QStringLiteral("Range of %1 outside the values the element takes.\n\r"
                              "Use values %2.")
            .arg(name, acceptedText(r, partUnit(e, part)));
    if (!(low < high || (equalAllowed && low == high)))
        return QStringLiteral("Range of %1: the lower end must lie below the upper end.").arg(name);
    return std::nullopt;
}

} // namespace zelvo
