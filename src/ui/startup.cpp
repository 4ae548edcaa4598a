// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/startup.h"

#include "model/file_io.h"
#include "model/recent_files.h"
#include "model/settings_file.h"
#include "ui/app_state.h"

#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace zelvo {

void readStartupSettings(AppState& state)
{
    const std::string path = defaultSettingsPath();
    state.settingsPath = QFile::decodeName(QByteArray::fromStdString(path));
    if (!path.empty()) {
        readSettings(state.settings, path);
        if (const std::optional<std::string> text = readWholeFile(path))
            state.recentFiles = readRecentFiles(*text);
    }
}

namespace {

// Watches the window's expose: the widgets are painted while it is handled,
// so work queued from there runs after the first picture is on screen.
class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& window, std::function<void()> then, int fallbackMs)
        : QObject(&window), then_(std::move(then))
    {
        window.installEventFilter(this);
        if (QWindow* handle = window.windowHandle())
            handle->installEventFilter(this);
        QTimer::singleShot(fallbackMs, this, [this] { fire(); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* handle = qobject_cast<QWindow*>(watched);
        const bool painted = event->type() == QEvent::Paint ||
                             (event->type() == QEvent::Expose && handle && handle->isExposed());
        if (painted)
            QTimer::singleShot(0, this, [this] { fire(); });
        return false;
    }

  private:
    void fire()
    {
        if (!then_)
            return;
        const std::function<void()> then = std::move(then_);
        then_ = nullptr;
        deleteLater();
        then();
    }

    std::function<void()> then_;
};

int signalPipe[2] = {-1, -1};

void forwardSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe calls here; the event loop does the rest.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

} // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then, int fallbackMs)
{
    new FirstPaintWatch(window, std::move(then), fallbackMs);
}

void onTerminationSignal(std::function<void()> onSignal)
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [onSignal = std::move(onSignal)] {
                         char byte = 0;
                         [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &byte, 1);
                         onSignal();
                     });
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace zelvo
