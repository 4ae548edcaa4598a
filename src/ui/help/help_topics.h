// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Zelvo's own help: HTML pages in the program's resources, and the keywords
// by which the dialogs ask for a topic.
#include <QString>
#include <QStringList>
#include <QUrl>

namespace zelvo {

// The page (and anchor) for a keyword; the empty keyword and unknown
// keywords give the contents page. Keywords compare without regard to case.
QUrl helpUrl(const QString& keyword);
QUrl helpContentsUrl();

// Every keyword the program asks for (the dialogs' Help buttons, context 1049
// as "1049"), for tests and the topic list.
QStringList helpKeywords();

// The pages in reading order with their titles, for the help window's list.
struct HelpPage {
    QString title;
    QUrl url;
};
QList<HelpPage> helpPages();

// Makes the compiled-in pages available (a static library needs the call).
void initHelpResources();

} // namespace zelvo
