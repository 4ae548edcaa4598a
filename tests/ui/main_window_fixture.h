// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A real main window driven headless: mouse events sent to its widgets, modal
// dialogs answered by a script, messages and file dialogs recorded.
#include "support/recording_platform.h"
#include "ui/app_state.h"
#include "ui/chart_window.h"
#include "ui/main_window.h"
#include "ui/readout_panel.h"
#include "ui/toolbox.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace zelvo::testing {

// Answers the modal dialogs that open, in order. A dialog without a step is
// recorded and rejected, so that no test can hang on one.
class ModalScript {
  public:
    using Step = std::function<void(QDialog&)>;

    ModalScript()
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    void then(Step step) { steps_.push_back(std::move(step)); }
    // Titles of every dialog seen, scripted or not.
    const std::vector<QString>& seen() const { return seen_; }
    int unexpected() const { return unexpected_; }
    bool done() const { return steps_.empty(); }

  private:
    void poll()
    {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible() || d == current_)
            return;
        current_ = d;
        seen_.push_back(d->windowTitle());
        if (steps_.empty()) {
            ++unexpected_;
            d->reject();
        }
        else {
            Step s = std::move(steps_.front());
            steps_.pop_front();
            s(*d);
        }
        current_ = nullptr;
    }

    QTimer timer_;
    std::deque<Step> steps_;
    std::vector<QString> seen_;
    QDialog* current_ = nullptr;
    int unexpected_ = 0;
};

inline void clickOk(QDialog& d)
{
    auto* box = d.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr) << d.windowTitle().toStdString();
    box->button(QDialogButtonBox::Ok)->click();
}

inline void clickButton(QDialog& d, const char* name)
{
    auto* b = d.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

inline void typeInto(QDialog& d, const char* name, const QString& text)
{
    auto* f = d.findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(f, nullptr) << name;
    f->setText(text);
}

inline void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                         ? Qt::NoButton
                                         : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

struct MainWindowTest : ::testing::Test {
    // A 1600 x 960 screen: the chart window is 848 pixels square, baseRadius 414.
    static constexpr int screenW = 1600;
    static constexpr int screenH = 960;

    std::unique_ptr<AppState> owned = std::make_unique<AppState>();
    AppState& state = *owned;
    RecordingPlatform recorder;
    Platform platform = recorder.platform();
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        resetDesign(state.design);
        window = std::make_unique<MainWindow>(state, platform, QSize(screenW, screenH));
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        state.design.modified = false; // no save prompt when the window goes
        window.reset();
    }

    Design& design() { return state.design; }
    ChartWindow* chart() { return window->chartWindow(); }

    QPoint client(Point p) { return chart()->clientPoint(p); }
    QPoint global(Point p) { return chart()->mapToGlobal(client(p)); }
    void move(Point p) { sendMouse(chart(), QEvent::MouseMove, client(p), Qt::NoButton); }
    void press(Point p, Qt::MouseButton b = Qt::LeftButton)
    {
        sendMouse(chart(), QEvent::MouseButtonPress, client(p), b);
        sendMouse(chart(), QEvent::MouseButtonRelease, client(p), b);
    }
    void doubleClick(Point p)
    {
        press(p);
        sendMouse(chart(), QEvent::MouseButtonDblClick, client(p), Qt::LeftButton);
        sendMouse(chart(), QEvent::MouseButtonRelease, client(p), Qt::LeftButton);
    }
    void pressOn(QWidget* w, Qt::MouseButton b)
    {
        sendMouse(w, QEvent::MouseButtonPress, QPoint(5, 5), b);
        sendMouse(w, QEvent::MouseButtonRelease, QPoint(5, 5), b);
    }

    void toolButton(const char* name)
    {
        auto* b = window->toolbox()->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }

    void addPoint(double r, double x, double f = 1e9) { appendDataPoint(design(), {r, x, f}); }

    QString readout(Readout which) { return window->readouts().text(which); }
    QString lastText() const { return recorder.lastMessage(); }
};

} // namespace zelvo::testing
