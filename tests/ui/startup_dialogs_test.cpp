// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The splash, the About box with its memory line, the program's drawn icons
// and the guard against a second running Zelvo.
#include "support/recording_platform.h"
#include "ui/about.h"
#include "ui/icons.h"
#include "ui/single_instance.h"
#include "ui/splash.h"

#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelvo {
namespace {

TEST(About, VersionAndMemoryTexts)
{
    EXPECT_EQ(versionText(), QStringLiteral("V 2.00"));
    EXPECT_EQ(memoryStatusText(123456), QStringLiteral("Free memory:    123456 kBytes"));
    EXPECT_EQ(memoryStatusText(std::nullopt), QStringLiteral("Free memory:    unknown"));
}

TEST(About, MemoryIsReadFromMemAvailable)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const char* name, const QByteArray& text) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    };
    // MemFree comes first and must not be taken for MemAvailable.
    EXPECT_EQ(availableMemoryKBytes(write("a", "MemTotal:  16000000 kB\nMemFree:  1000 kB\n"
                                               "MemAvailable:   8123456 kB\nBuffers: 5 kB\n")),
              8123456u);
    EXPECT_EQ(availableMemoryKBytes(write("b", "MemTotal: 5 kB\n")), std::nullopt);
    EXPECT_EQ(availableMemoryKBytes(write("c", "MemAvailable: lots kB\n")), std::nullopt);
    EXPECT_EQ(availableMemoryKBytes(dir.filePath(QStringLiteral("missing"))), std::nullopt);
    // This machine's own file.
    const auto real = availableMemoryKBytes();
    ASSERT_TRUE(real.has_value());
    EXPECT_GT(*real, 0u);
}

TEST(About, DialogShowsVersionAndMemory)
{
    AboutDialog dialog;
    auto* version = dialog.findChild<QLabel*>(QStringLiteral("version"));
    auto* memory = dialog.findChild<QLabel*>(QStringLiteral("memory"));
    ASSERT_NE(version, nullptr);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("V 2.00"));
    EXPECT_TRUE(memory->text().startsWith(QStringLiteral("Free memory:    ")));
    EXPECT_TRUE(memory->text().endsWith(QStringLiteral(" kBytes")));
    auto* licence = dialog.findChild<QLabel*>(QStringLiteral("licence"));
    ASSERT_NE(licence, nullptr);
    EXPECT_EQ(licence->text(), licenceNotice());
    EXPECT_TRUE(licence->text().contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_TRUE(licence->text().contains(QStringLiteral("ABSOLUTELY NO WARRANTY")));
}

TEST(Splash, ClosesByItselfAndOnKeyOrClick)
{
    SplashDialog timed(nullptr, 30);
    timed.present(false);
    EXPECT_TRUE(timed.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timed.isVisible(); }, 2000));

    SplashDialog keyed;
    keyed.present(false);
    QTest::keyClick(&keyed, Qt::Key_Space);
    EXPECT_FALSE(keyed.isVisible());

    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SplashDialog clicked;
        clicked.present(false);
        QTest::mouseClick(&clicked, b);
        EXPECT_FALSE(clicked.isVisible());
    }
}

TEST(Splash, PictureIsDrawn)
{
    QImage image(540, 320, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    paintSplash(p, image.rect());
    p.end();
    // The emblem's light disc on the left (a grid line may cross any one
    // pixel), the dark background at the edge.
    int brightest = 0;
    for (int dx = 0; dx < 6; ++dx)
        for (int dy = 0; dy < 6; ++dy)
            brightest = std::max(brightest, qGray(image.pixel(80 + dx, 100 + dy)));
    EXPECT_GT(brightest, 200);
    EXPECT_LT(qGray(image.pixel(2, 2)), 100);
}

TEST(Icons, AreDrawnAtEverySize)
{
    for (const QIcon& icon :
         {programIcon(), reflectionPlotIcon(), transmissionPlotIcon(), dataWindowIcon()}) {
        ASSERT_FALSE(icon.isNull());
        EXPECT_GE(icon.availableSizes().size(), 4);
        const QImage image = icon.pixmap(32, 32).toImage();
        EXPECT_NE(image.pixel(16, 16), 0u); // not transparent in the middle
    }
    const QCursor pick = pickCursor();
    EXPECT_EQ(pick.hotSpot(), QPoint(15, 15));
    EXPECT_EQ(pick.pixmap().size(), QSize(32, 32));
}

struct SingleInstance : ::testing::Test {
    QTemporaryDir dir;
    QString lock() const { return dir.filePath(QStringLiteral("zelvo.lock")); }
};

TEST_F(SingleInstance, SecondGuardOnTheSameLockIsRefused)
{
    auto first = std::make_unique<SingleInstanceGuard>(lock());
    EXPECT_TRUE(first->isFirstInstance());
    SingleInstanceGuard second(lock());
    EXPECT_FALSE(second.isFirstInstance());
    first.reset();
    SingleInstanceGuard third(lock());
    EXPECT_TRUE(third.isFirstInstance());
}

TEST_F(SingleInstance, LockOfACrashedRunDoesNotBlock)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Takes the lock and dies without releasing it, as a crash would.
        QLockFile crashed(lock());
        crashed.setStaleLockTime(0);
        _exit(crashed.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(lock()));
    SingleInstanceGuard next(lock());
    EXPECT_TRUE(next.isFirstInstance());
}

TEST_F(SingleInstance, MessageAndDefaultPath)
{
    const MessageRequest m = secondInstanceMessage();
    EXPECT_EQ(m.text, QStringLiteral("Zelvo.exe is still running. Impossible to run twice."));
    EXPECT_EQ(m.icon, MessageIcon::Error);
    EXPECT_TRUE(m.title.isEmpty());
    EXPECT_TRUE(SingleInstanceGuard::defaultLockPath().endsWith(QStringLiteral(".lock")));
}

} // namespace
} // namespace zelvo
