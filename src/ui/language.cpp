// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>
#include <optional>

static void initTranslationResources()
{
    Q_INIT_RESOURCE(zelvo_translations);
}

namespace zelvo {

bool wantsChinese(UiLanguage choice, const QLocale& system)
{
    if (choice != UiLanguage::System)
        return choice == UiLanguage::Chinese;
    return system.language() == QLocale::Chinese;
}

bool installTranslations(QCoreApplication& app, UiLanguage choice, const QLocale& system)
{
    if (!wantsChinese(choice, system))
        return false;
    initTranslationResources();
    auto* own = new QTranslator(&app);
    if (!own->load(QStringLiteral(":/i18n/zelvo_zh_CN.qm"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts (standard buttons, file dialogs) where the system has them.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_zh_CN"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

Texts textsWithoutApplication(UiLanguage choice, const QLocale& system)
{
    if (!wantsChinese(choice, system))
        return {};
    initTranslationResources();
    auto own = std::make_shared<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/zelvo_zh_CN.qm")))
        return {};
    return Texts([own](const char* context, const char* source) {
        const QString t = own->translate(context, source);
        return t.isEmpty() ? std::string(source) : t.toStdString();
    });
}

namespace {

QString lookUp(const QString& text)
{
    return QCoreApplication::translate("Messages", text.toUtf8().constData());
}

// A value in a catalogue template: a printf conversion as the domain code
// writes it ("%.3f", "%zu", "%s") or a Qt argument ("%1"); "%%" is a percent
// sign, matched as such.
const QRegularExpression& placeholder()
{
    static const QRegularExpression re(QStringLiteral(
        "%%|%[-+ #0]*[0-9]*(?:\\.[0-9]+)?(?:hh|h|ll|l|z|j|t|L)?[diouxXeEfFgGcs]|%[1-9]"));
    return re;
}

// What a value may look like: a number where the template prints one, so
// that "Element %d" is only ever "Element 3"; any text within a line for
// "%s" and "%1" (the line breaks are the template's own), as short as the
// rest allows, so that a leading value is a word that may be a message of
// its own ("series RLC" in "%s, %s").
QString valuePattern(const QString& conversion)
{
    const QChar kind = conversion.back();
    if (QStringLiteral("diou").contains(kind))
        return QStringLiteral("( *[-+]?[0-9]+)");
    if (QStringLiteral("xX").contains(kind))
        return QStringLiteral("([0-9A-Fa-f]+)");
    if (QStringLiteral("eEfFgG").contains(kind)) // also "inf", "-nan", "1E+06"
        return QStringLiteral("( *[-+]?[0-9A-Za-z.+-]+)");
    if (kind == u'c')
        return QStringLiteral("(.)");
    return QStringLiteral("([^\\n\\r]*?)");
}

// A value in quotes is a name or a file's text ('%s', "%s"), never a message.
bool quoted(const QString& text, qsizetype start, qsizetype end)
{
    const auto quote = [](QChar c) { return c == u'\'' || c == u'"'; };
    return start > 0 && end < text.size() && quote(text[start - 1]) && quote(text[end]);
}

struct Template {
    QString text;
    QRegularExpression match; // the template with each value as a group
    std::vector<bool> nested; // per value: a "%s" that may be a message itself
    qsizetype literal = 0;    // characters that are not values
};

// The templates of the catalogue as patterns, built once: only texts with a
// value need one, the others are found whole.
const std::vector<Template>& templates()
{
    static const std::vector<Template> all = [] {
        std::vector<Template> v;
        for (const char* entry : messageCatalogue()) {
            Template t;
            t.text = QString::fromUtf8(entry);
            QString pattern;
            qsizetype from = 0;
            for (auto it = placeholder().globalMatch(t.text); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const QString literal = t.text.mid(from, m.capturedStart() - from);
                pattern += QRegularExpression::escape(literal);
                t.literal += literal.size();
                if (m.captured() == QLatin1String("%%")) {
                    pattern += u'%';
                    ++t.literal;
                }
                else {
                    pattern += valuePattern(m.captured());
                    t.nested.push_back(m.captured().endsWith(u's') &&
                                       !quoted(t.text, m.capturedStart(), m.capturedEnd()));
                }
                from = m.capturedEnd();
            }
            if (t.nested.empty())
                continue;
            pattern += QRegularExpression::escape(t.text.mid(from));
            t.literal += t.text.size() - from;
            t.match = QRegularExpression(QRegularExpression::anchoredPattern(pattern));
            t.match.optimize();
            v.push_back(std::move(t));
        }
        return v;
    }();
    return all;
}

QString translatedWhole(const QString& text);

// The catalogue template that `text` fills in, translated and filled in with
// the same values; nothing when none fits. Of several that fit, the one
// with the most text of its own: "%s and <= %G" fits much that a longer
// template says better. A "%s" value may be a message in turn ("Element 3",
// a range), translated the same way.
std::optional<QString> fromTemplate(const QString& text)
{
    const Template* best = nullptr;
    QRegularExpressionMatch found;
    for (const Template& t : templates()) {
        if (best && t.literal <= best->literal)
            continue;
        QRegularExpressionMatch m = t.match.match(text);
        if (m.hasMatch()) {
            best = &t;
            found = std::move(m);
        }
    }
    if (!best)
        return std::nullopt;
    const QString translated = lookUp(best->text);
    if (translated == best->text)
        return std::nullopt;
    // Filled in order; a translation keeps the order of the values.
    QString out;
    qsizetype from = 0;
    int value = 0;
    for (auto it = placeholder().globalMatch(translated); it.hasNext();) {
        const QRegularExpressionMatch at = it.next();
        out += translated.mid(from, at.capturedStart() - from);
        from = at.capturedEnd();
        if (at.captured() == QLatin1String("%%")) {
            out += u'%';
            continue;
        }
        if (static_cast<std::size_t>(value) >= best->nested.size())
            continue;
        const QString v = found.captured(value + 1);
        out += best->nested[static_cast<std::size_t>(value)] ? translatedWhole(v) : v;
        ++value;
    }
    out += translated.mid(from);
    return out;
}

QString translatedWhole(const QString& text)
{
    if (text.isEmpty())
        return text;
    const QString direct = lookUp(text);
    if (direct != text)
        return direct;
    if (std::optional<QString> filled = fromTemplate(text))
        return *filled;
    // A reason below a message gets a full stop there ("Not a regular
    // file."); the text is known without it.
    if (text.endsWith(u'.') && !text.endsWith(QLatin1String(".."))) {
        const QString bare = text.chopped(1);
        const QString translated = translatedWhole(bare);
        if (translated != bare)
            return translated + QStringLiteral("。");
    }
    return text;
}

} // namespace

std::string translatedMessage(const std::string& english)
{
    const QString source = QString::fromStdString(english);
    const QString translated = translatedMessage(source);
    return translated == source ? english : translated.toStdString();
}

const Texts& interfaceTexts()
{
    static const Texts texts([](const char* context, const char* source) {
        if (QCoreApplication::instance() == nullptr)
            return std::string(source);
        return QCoreApplication::translate(context, source).toStdString();
    });
    return texts;
}

QString translatedMessage(const QString& text)
{
    if (text.isEmpty() || QCoreApplication::instance() == nullptr)
        return text;
    const QString whole = translatedWhole(text);
    if (whole != text || !text.contains(u'\n'))
        return whole;
    // Line by line, the breaks kept as they were ("\n\r" in the classic
    // messages, "\n" in the newer ones, "\r\n" here and there).
    static const QRegularExpression lineBreak(QStringLiteral("\r?\n\r?"));
    QString out;
    qsizetype from = 0;
    for (auto it = lineBreak.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += translatedWhole(text.mid(from, m.capturedStart() - from)) + m.captured();
        from = m.capturedEnd();
    }
    return out + translatedWhole(text.mid(from));
}

} // namespace zelvo
