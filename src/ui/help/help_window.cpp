// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/help/help_window.h"

#include "ui/help/help_topics.h"
#include "ui/icons.h"

#include <QCoreApplication>
#include <QApplication>
#include <QWindow>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelvo {

namespace {

const char* const helpStyleSheet = R"(
body { font-size: 10.5pt; }
h1 { color: #1a3c8c; font-size: 17pt; }
h2 { color: #1a3c8c; font-size: 13pt; margin-top: 14px; }
table { border-color: #b0b8c8; border-style: solid; }
th { background-color: #e6ebf5; text-align: left; }
tt, pre { font-family: monospace; }
pre { background-color: #f3f5f9; }
)";

QToolButton* toolButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& text)
{
    auto* b = new QToolButton(parent);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
}

QUrl withoutFragment(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment);
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    initHelpResources();
    setWindowTitle(QCoreApplication::translate("Help", "Zelvo Help"));
    setWindowIcon(programIcon());

    back_ = toolButton(this, QStyle::SP_ArrowBack, QCoreApplication::translate("Help", "Back"));
    forward_ = toolButton(this, QStyle::SP_ArrowForward, QCoreApplication::translate("Help", "Forward"));
    auto* contents =
        toolButton(this, QStyle::SP_FileDialogContentsView, QCoreApplication::translate("Help", "Contents"));

    topics_ = new QListWidget(this);
    for (const HelpPage& page : helpPages()) {
        auto* item = new QListWidgetItem(page.title, topics_);
        item->setData(Qt::UserRole, page.url);
    }
    topics_->setSpacing(2);
    topics_->setMinimumWidth(topics_->sizeHintForColumn(0) + 24);

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDefaultStyleSheet(QString::fromLatin1(helpStyleSheet));

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this,
            [this] { browser_->setSource(helpContentsUrl()); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::onSourceChanged);
    connect(topics_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        browser_->setSource(item->data(Qt::UserRole).toUrl());
    });
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents);
    bar->addStretch();

    auto* splitter = new QSplitter(this);
    splitter->addWidget(topics_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({topics_->minimumWidth(), 900 - topics_->minimumWidth()});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    resize(900, 640);

    browser_->setSource(helpContentsUrl());
}

void HelpWindow::showTopic(const QString& keyword)
{
    const QUrl url = helpUrl(keyword);
    // The same page again still scrolls to the topic's anchor.
    if (withoutFragment(browser_->source()) == withoutFragment(url) && url.hasFragment())
        browser_->scrollToAnchor(url.fragment());
    browser_->setSource(url);
    if (isMinimized())
        showNormal();
    else
        show();
    followModal();
    raise();
    activateWindow();
}

void HelpWindow::followModal()
{
    // A modal dialog blocks every window but its own and those it is the
    // transient parent of; help asked for from the dialog must stay usable.
    // A transient parent, unlike a parent widget, does not take the window
    // along when the dialog is destroyed.
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* own = windowHandle();
    if (!own)
        return;
    own->setTransientParent(modal && modal != this ? modal->windowHandle() : nullptr);
}

QUrl HelpWindow::currentUrl() const
{
    return browser_->source();
}

void HelpWindow::onSourceChanged(const QUrl& url)
{
    const QUrl page = withoutFragment(url);
    for (int i = 0; i < topics_->count(); ++i) {
        QListWidgetItem* item = topics_->item(i);
        if (item->data(Qt::UserRole).toUrl() == page) {
            topics_->setCurrentItem(item);
            return;
        }
    }
    topics_->clearSelection();
}

void installHelp(Platform& platform, HelpWindow& window)
{
    platform.showHelp = [&window](const QString& keyword) { window.showTopic(keyword); };
}

} // namespace zelvo
