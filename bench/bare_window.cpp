// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The yardstick for Zelvo's start-up: a bare Qt main window with one menu,
// shown maximised, and nothing else. bench/startup_time.sh runs both.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    // As Zelvo does: a display without a window manager ignores "maximised",
    // and the comparison is only fair at the same window size.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.resize(screen->availableGeometry().size());
    window.showMaximized();
    return QApplication::exec();
}
