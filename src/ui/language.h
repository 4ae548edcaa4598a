// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The language of the interface: the translations installed at start, from
// the user's choice or else the system locale.
#include "core/texts.h"
#include "model/settings.h"

#include <QLocale>
#include <QString>

#include <vector>

class QCoreApplication;

namespace zelvo {

// Chinese when chosen, or when chosen "System" on a Chinese locale.
bool wantsChinese(UiLanguage choice, const QLocale& system);

// Installs Zelvo's and Qt's own Chinese translations when wanted (the
// standard buttons and dialogs follow); false when English stays.
bool installTranslations(QCoreApplication& app, UiLanguage choice,
                         const QLocale& system = QLocale::system());

// The translations for what is said before an application exists (the
// command line's first refusals); English when Chinese is not wanted.
Texts textsWithoutApplication(UiLanguage choice, const QLocale& system = QLocale::system());

// A message or title in the interface's language (context "Messages"). A
// text filled in from a template ("%i", "%s") is found through its template,
// and a text without a translation of its own line by line, so that a
// reason added below a known message does not keep it English. Unknown text
// stays as it is.
QString translatedMessage(const QString& text);

// translatedMessage for the command line: the bytes as written when no
// translation changes them (a file name in any encoding stays intact).
std::string translatedMessage(const std::string& english);

// The texts the layers below the interface write (captions, list lines),
// looked up in the installed translations.
const Texts& interfaceTexts();

// The templates and texts of the messages, English, as the domain code and
// the dialogs write them.
const std::vector<const char*>& messageCatalogue();

} // namespace zelvo
