// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Shared main for tests that need a QApplication: headless platform, fixed locale.
#include <QApplication>
#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // QApplication adopts the environment's locale; numbers in files and
    // messages must not depend on it.
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
