// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Zelvo's help: every keyword the program asks for reaches a real topic, and
// every link between the pages leads somewhere.
#include "support/recording_platform.h"
#include "ui/help/help_topics.h"
#include "ui/help/help_window.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <memory>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace zelvo {
namespace {

QString pageText(const QUrl& url)
{
    QFile f(QLatin1Char(':') + url.path());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

bool hasAnchor(const QString& html, const QString& anchor)
{
    return html.contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
           html.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

struct Help : ::testing::Test {
    void SetUp() override { initHelpResources(); }
};

// Checks that every link of a page leads to a page and anchor that exist,
// under `within` when given; the number of links.
int checkLinks(const QUrl& page, const QString& html, const QString& within = {})
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (auto it = href.globalMatch(html); it.hasNext();) {
        const QUrl target = page.resolved(QUrl(it.next().captured(1)));
        if (!within.isEmpty()) {
            EXPECT_TRUE(target.path().startsWith(within)) << target.toString().toStdString();
        }
        const QString targetHtml = pageText(target);
        EXPECT_FALSE(targetHtml.isEmpty()) << target.toString().toStdString();
        if (target.hasFragment()) {
            EXPECT_TRUE(hasAnchor(targetHtml, target.fragment()))
                << target.toString().toStdString();
        }
        ++links;
    }
    return links;
}

TEST_F(Help, EveryKeywordOfTheDialogsOpensItsOwnTopic)
{
    const char* asked[] = {"Input of Datapoints",
                           "Edit Element Value",
                           "Edit Datapoints",
                           "Constant Q Contours",
                           "Constant VSWR Circles",
                           "Input of Network",
                           "Clipboard",
                           "Stability-Circles",
                           "Stability Circles",
                           "Constant Gain Circles",
                           "Constant Noise Figure Circles",
                           "H-, Z-, Y- and A-Parameter - File",
                           "Export Data to Chart",
                           "Print the Zelvo-Chart",
                           "1049",
                           "Standard Values",
                           "Tolerance Analysis"};
    const QStringList known = helpKeywords();
    int checked = 0;
    for (const char* k : asked) {
        const QString keyword = QString::fromLatin1(k);
        SCOPED_TRACE(k);
        EXPECT_TRUE(known.contains(keyword));
        const QUrl url = helpUrl(keyword);
        EXPECT_NE(url, helpContentsUrl());
        ++checked;
    }
    EXPECT_EQ(checked, 17);
}

TEST_F(Help, EveryKnownKeywordResolvesToAPageAndAnchor)
{
    int checked = 0;
    for (const QString& keyword : helpKeywords()) {
        SCOPED_TRACE(keyword.toStdString());
        const QUrl url = helpUrl(keyword);
        EXPECT_EQ(url.scheme(), QStringLiteral("qrc"));
        const QString html = pageText(url);
        ASSERT_FALSE(html.isEmpty()) << url.toString().toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>")));
        if (url.hasFragment()) {
            EXPECT_TRUE(hasAnchor(html, url.fragment())) << url.toString().toStdString();
        }
        ++checked;
    }
    EXPECT_GE(checked, 15);
}

TEST_F(Help, UnknownAndEmptyKeywordsOpenTheContents)
{
    EXPECT_EQ(helpUrl(QString()), helpContentsUrl());
    EXPECT_EQ(helpUrl(QStringLiteral("No such topic")), helpContentsUrl());
    EXPECT_EQ(helpUrl(QStringLiteral("constant q contours")),
              helpUrl(QStringLiteral("Constant Q Contours")));
    EXPECT_FALSE(pageText(helpContentsUrl()).isEmpty());
}

TEST_F(Help, EveryLinkBetweenPagesLeadsToAPageAndAnchor)
{
    int links = 0;
    const QList<HelpPage> pages = helpPages();
    for (const HelpPage& page : pages) {
        SCOPED_TRACE(page.url.toString().toStdString());
        EXPECT_FALSE(page.title.isEmpty());
        const QString html = pageText(page.url);
        ASSERT_FALSE(html.isEmpty());
        links += checkLinks(page.url, html);
    }
    EXPECT_EQ(pages.size(), 22);
    EXPECT_GT(links, 60);
}

// A Chinese reader must never fall back to English for a topic, nor land on a
// missing anchor when a dialog asks for one.
TEST_F(Help, EveryEnglishPageHasAChineseTwinWhoseLinksLeadSomewhere)
{
    static const QRegularExpression anchor(QStringLiteral("name=\"([^\"]*)\""));
    const QStringList english = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    int links = 0;
    for (const QString& file : english) {
        SCOPED_TRACE(file.toStdString());
        const QUrl twin(QStringLiteral("qrc:/help/zh_CN/") + file);
        const QString html = pageText(twin);
        ASSERT_FALSE(html.isEmpty());
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>")));
        const QString original = pageText(QUrl(QStringLiteral("qrc:/help/") + file));
        for (auto it = anchor.globalMatch(original); it.hasNext();)
            EXPECT_TRUE(hasAnchor(html, it.next().captured(1)));
        links += checkLinks(twin, html, QStringLiteral("/help/zh_CN/"));
    }
    EXPECT_EQ(english.size(), 23);
    EXPECT_GT(links, 60);
}

TEST_F(Help, WindowShowsTheTopicAskedThroughThePlatform)
{
    HelpWindow window;
    Platform platform = testing::RecordingPlatform().platform();
    installHelp(platform, window);
    platform.showHelp(QStringLiteral("Constant VSWR Circles"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.currentUrl(), helpUrl(QStringLiteral("Constant VSWR Circles")));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("Constant VSWR circles")));
    platform.showHelp(QString());
    EXPECT_EQ(window.currentUrl(), helpContentsUrl());
    window.browser()->backward();
    EXPECT_EQ(window.currentUrl(), helpUrl(QStringLiteral("Constant VSWR Circles")));
}

TEST_F(Help, WindowOpenedFromAModalDialogTakesClicksWhileTheDialogIsOpen)
{
    auto window = std::make_unique<HelpWindow>();
    {
        QDialog dialog;
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        window->showTopic(QStringLiteral("Constant Q Contours"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_NE(window->windowHandle(), nullptr);
        auto* topics = window->findChild<QListWidget*>();
        ASSERT_NE(topics, nullptr);
        QListWidgetItem* first = topics->item(0);
        ASSERT_NE(first, nullptr);
        ASSERT_NE(window->currentUrl().adjusted(QUrl::RemoveFragment),
                  first->data(Qt::UserRole).toUrl());
        // Through the window system, where modality blocks input.
        const QPoint at = topics->viewport()->mapTo(window.get(),
                                                    topics->visualItemRect(first).center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        EXPECT_EQ(window->currentUrl().adjusted(QUrl::RemoveFragment),
                  first->data(Qt::UserRole).toUrl());
    }
    // The dialog is gone; the window lives on as the program's one help window.
    window->showTopic(QString());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentUrl(), helpContentsUrl());
}

} // namespace
} // namespace zelvo
