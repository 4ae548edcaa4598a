// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The real program in a real (virtual) X display: started with a design file,
// it stays up, paints its window, and ends cleanly on SIGTERM, writing its
// settings on the way out. Skipped where xvfb-run or the program is missing.
#include "model/design.h"
#include "model/design_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace zelvo {
namespace {

QString programPath()
{
    // Tests live in <build>/tests, the program in <build>/apps/zelvo.
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../apps/zelvo/zelvo"));
}

TEST(XvfbSmoke, StartsWithADesignPaintsAndClosesCleanly)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfb.isEmpty())
        GTEST_SKIP() << "xvfb-run is not installed";
    const QString program = programPath();
    if (!QFile::exists(program))
        GTEST_SKIP() << "the zelvo program is not built";
    const QString grab = QStandardPaths::findExecutable(QStringLiteral("import"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto d = std::make_unique<Design>();
    appendDataPoint(*d, {20, 35, 1e9});
    appendDataPoint(*d, {60, -10, 1.5e9});
    Element e;
    e.kind = ElementKind::CP;
    e.value = 2e-12;
    appendElement(*d, e);
    const QString design = dir.filePath(QStringLiteral("smoke.zvc"));
    ASSERT_EQ(writeDesignFile(*d, QFile::encodeName(design).toStdString()), designFileOk);
    QDir(dir.path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(dir.filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString shot = dir.filePath(QStringLiteral("shot.png"));

    // Alive after start-up, a picture of the screen, then SIGTERM and the exit code.
    const QString script = QStringLiteral("\"$1\" \"$2\" & pid=$!\n"
                                          "sleep 6\n"
                                          "if kill -0 $pid 2>/dev/null; then echo ALIVE; fi\n"
                                          "if [ -n \"$4\" ]; then \"$4\" -window root \"$3\"; fi\n"
                                          "kill -TERM $pid\n"
                                          "wait $pid\n"
                                          "echo EXIT=$?\n");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("cfg")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("run")));
    p.setProcessEnvironment(env);
    p.start(xvfb,
            {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x800x24"),
             QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("smoke"), program,
             design, shot, grab});
    ASSERT_TRUE(p.waitForStarted(10000));
    ASSERT_TRUE(p.waitForFinished(120000)) << "the program did not end";
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QLatin1String("ALIVE")))
        << out.toStdString() << p.readAllStandardError().toStdString();
    EXPECT_TRUE(out.contains(QLatin1String("EXIT=0"))) << out.toStdString();
    // A clean end writes the settings.
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("cfg/zelvo/zelvo.ini"))));

    if (grab.isEmpty())
        return;
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    // A painted window: the chart's colours, not an empty screen.
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 8u);
}

} // namespace
} // namespace zelvo
