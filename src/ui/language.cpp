// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

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

namespace {

QString lookUp(const QString& text)
{
    return QCoreApplication::translate("Messages", text.toUtf8().constData());
}

// A catalogue template with "%i", "%s" or "%d" that `text` fills in, translated
// and filled in with the same values; nothing when none fits.
std::optional<QString> fromTemplate(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[isd1-9]"));
    for (const char* entry : messageCatalogue()) {
        const QString templ = QString::fromUtf8(entry);
        if (!templ.contains(placeholder))
            continue;
        QString pattern;
        qsizetype from = 0;
        for (auto it = placeholder.globalMatch(templ); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            pattern += QRegularExpression::escape(templ.mid(from, m.capturedStart() - from)) +
                       QStringLiteral("(.*)");
            from = m.capturedEnd();
        }
        pattern += QRegularExpression::escape(templ.mid(from));
        const QRegularExpression re(QRegularExpression::anchoredPattern(pattern),
                                    QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch m = re.match(text);
        if (!m.hasMatch())
            continue;
        QString out = lookUp(templ);
        if (out == templ)
            return std::nullopt;
        // Filled in order; a translation keeps the order of the values.
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) {
            const QRegularExpressionMatch at = placeholder.match(out);
            if (!at.hasMatch())
                break;
            out.replace(at.capturedStart(), 2, m.captured(i));
        }
        return out;
    }
    return std::nullopt;
}

QString translatedWhole(const QString& text)
{
    const QString direct = lookUp(text);
    if (direct != text)
        return direct;
    return fromTemplate(text).value_or(text);
}

} // namespace

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
    if (whole != text || !text.contains(QLatin1String("\n\r")))
        return whole;
    QStringList lines = text.split(QStringLiteral("\n\r"));
    for (QString& line : lines)
        line = translatedWhole(line);
    return lines.join(QStringLiteral("\n\r"));
}

} // namespace zelvo
