// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/messages.h"

#include "model/settings.h"

namespace zelvo {

MessageAnswer report(const Platform& platform, const Settings& settings, QWidget* parent,
                     const DialogMessage& message)
{
    const bool beep = message.beep && settings.messageBeep;
    if (message.text.empty()) {
        if (beep && platform.beep)
            platform.beep();
        return MessageAnswer::Ok;
    }
    MessageRequest r;
    r.parent = parent;
    r.text = QString::fromStdString(message.text);
    r.title = QString::fromStdString(message.title);
    r.icon = message.icon;
    r.buttons = message.buttons;
    return showMessage(platform, beep, r);
}

MessageAnswer tell(const Platform& platform, const Settings& settings, QWidget* parent,
                   const QString& text, MessageIcon icon, bool error, const QString& title,
                   MessageButtons buttons)
{
    MessageRequest r;
    r.parent = parent;
    r.text = text;
    r.title = title;
    r.icon = icon;
    r.buttons = buttons;
    return showMessage(platform, error && settings.messageBeep, r);
}

QString withReason(const QString& text, const std::string& reason)
{
    if (reason.empty())
        return text;
    return text + QStringLiteral("\n\r") + QString::fromLocal8Bit(reason) + QLatin1Char('.');
}

QString withPath(const char* templ, const QString& path)
{
    QString t = QString::fromLatin1(templ);
    const qsizetype at = t.indexOf(QLatin1String("%s"));
    if (at >= 0)
        t.replace(at, 2, path);
    return t;
}

QString withNumber(const char* templ, int number)
{
    QString t = QString::fromLatin1(templ);
    const qsizetype at = t.indexOf(QLatin1String("%i"));
    if (at >= 0)
        t.replace(at, 2, QString::number(number));
    return t;
}

} // namespace zelvo
