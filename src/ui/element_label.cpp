// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/element_label.h"

#include "core/format.h"

#include <QStringList>

namespace zelvo {

QString elementKindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::CS:
        return QStringLiteral("series C");
    case ElementKind::LS:
        return QStringLiteral("line");
    case ElementKind::RS:
        return QStringLiteral("series R");
    case ElementKind::IS:
        return QStringLiteral("series L");
    case ElementKind::CP:
        return QStringLiteral("shunt C");
    case ElementKind::LPS:
        return QStringLiteral("short stub");
    case ElementKind::LPO:
        return QStringLiteral("open stub");
    case ElementKind::RP:
        return QStringLiteral("shunt R");
    case ElementKind::IP:
        return QStringLiteral("shunt L");
    case ElementKind::TR:
        return QStringLiteral("transformer");
    case ElementKind::RlcSeries:
        return QStringLiteral("series RLC (shunt)");
    case ElementKind::RlcParallel:
        return QStringLiteral("parallel RLC (series)");
    case ElementKind::Block:
        return QStringLiteral("two-port block");
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
        return QStringLiteral("(no elements needed)");
    QStringList parts;
    for (const Element& e : elements) {
        QString s = elementKindName(e.kind) + QLatin1Char(' ') + partValueText(e, ElementPart::Value, e.value);
        if (isLine(e.kind))
            s += QString::fromUtf8(" (Zc %1 Ω)").arg(static_cast<double>(e.lineImpedance), 0, 'f', 1);
        parts << s;
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace zelvo
