// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The window that shows Zelvo's help: a list of topics beside the page, with
// Back, Forward and Contents.
#include "ui/platform.h"

#include <QWidget>

class QListWidget;
class QTextBrowser;
class QToolButton;

namespace zelvo {

class HelpWindow : public QWidget {
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the topic of `keyword` (contents for an empty or unknown one) and
    // brings the window to the front.
    void showTopic(const QString& keyword);
    QUrl currentUrl() const;
    QTextBrowser* browser() const { return browser_; }

  private:
    void onSourceChanged(const QUrl& url);
    void followModal();

    QListWidget* topics_;
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
};

// Routes platform.showHelp to `window`; the window must outlive the platform's use.
void installHelp(Platform& platform, HelpWindow& window);

} // namespace zelvo
