#include "ui/element_label.h"

#include "core/format.h"

#include <QStringList>

namespace zelvo {

namespace {

QString si(double value, const char* unit)
{
    return QString::fromStdString(formatSi(value, 3)) + QString::fromUtf8(unit);
}

} // namespace

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

QString partValueText(const Element& e, ElementPart part, double value)
{
    switch (part) {
    case ElementPart::R:
        return si(value, "Ω");
    case ElementPart::L:
        return si(value, "H");
    case ElementPart::C:
        return si(value, "F");
    case ElementPart::Value:
        break;
    }
    switch (e.kind) {
    case ElementKind::CS:
    case ElementKind::CP:
        return si(value, "F");
    case ElementKind::IS:
    case ElementKind::IP:
        return si(value, "H");
    case ElementKind::RS:
    case ElementKind::RP:
        return si(value, "Ω");
    case ElementKind::LS:
    case ElementKind::LPS:
    case ElementKind::LPO:
        return QString::fromStdString(printfString("%.4f ", value)) + QString::fromUtf8("λ");
    case ElementKind::TR:
        return QString::fromStdString(printfString("1 : %.4f", value));
    default:
        return QString::fromStdString(formatG(value));
    }
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
