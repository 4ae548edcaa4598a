// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Wendra, the antenna calculator: starts with the main window and ends when
// the last form is closed.
#include "antenna/forms.h"
#include "antenna/program_icon.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wendra"));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zelvo.Wendra"));
    QApplication::setWindowIcon(wendra::programIcon());
    wendra::Forms forms(wendra::desktopServices());
    forms.showMain();
    return QApplication::exec();
}
