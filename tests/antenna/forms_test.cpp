// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/about_form.h"
#include "antenna/dv_form.h"
#include "antenna/forms.h"
#include "antenna/jform.h"
#include "antenna/kd_form.h"
#include "antenna/recording_services.h"
#include "release.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace wendra {
namespace {

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString caption(const QWidget* form, const char* name)
{
    auto* l = form->findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

QString boxText(const QWidget* form, const char* name)
{
    return form->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

void press(const QWidget* form, const char* name)
{
    form->findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

QStringList dipoleCaptions(const QWidget* dv)
{
    QStringList all;
    for (const char* n : {"Label2", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
                          "Label11"})
        all << caption(dv, n);
    return all << boxText(dv, "Text1") << boxText(dv, "Text3");
}

class FormsTest : public ::testing::Test {
protected:
    Recorder rec;
    Forms forms{rec.services()};
    JForm& j = forms.showMain();
};

TEST_F(FormsTest, InvertedVReplacesTheMainWindowAndClosingBringsItBack)
{
    j.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("435"));
    press(&j, "Command3");
    const QString reflector = caption(&j, "Label40");

    j.findChild<QAction*>(QStringLiteral("DAOV"))->trigger();
    DvForm* dv = forms.invertedV();
    ASSERT_NE(dv, nullptr);
    EXPECT_TRUE(dv->isVisible());
    EXPECT_FALSE(j.isVisible());
    EXPECT_EQ(dv->windowTitle(), "倒V天线");

    EXPECT_TRUE(dv->close());
    EXPECT_TRUE(j.isVisible());
    flushDeletes();
    EXPECT_EQ(forms.invertedV(), nullptr); // unloaded
    EXPECT_EQ(forms.main(), &j);
    // The main window was only hidden: its results are still there.
    EXPECT_EQ(caption(&j, "Label40"), reflector);

    // A second round trip opens the dipole form afresh.
    j.findChild<QAction*>(QStringLiteral("DAOV"))->trigger();
    ASSERT_NE(forms.invertedV(), nullptr);
    EXPECT_EQ(boxText(forms.invertedV(), "Text1"), "10");
    forms.invertedV()->close();
    EXPECT_TRUE(j.isVisible());
}

TEST_F(FormsTest, CtrlVPastesInATextBoxAndOpensTheInvertedVElsewhere)
{
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    auto* freq = j.findChild<QLineEdit*>(QStringLiteral("Text3"));
    freq->setFocus();
    QTest::keyClick(freq, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(forms.invertedV(), nullptr);

    auto* calc = j.findChild<QPushButton*>(QStringLiteral("Command3"));
    calc->setFocus();
    QTest::keyClick(calc, Qt::Key_V, Qt::ControlModifier);
    ASSERT_NE(forms.invertedV(), nullptr);
    EXPECT_FALSE(j.isVisible());
}

TEST_F(FormsTest, DipoleOpensWithTheTenMetreBand)
{
    const DvForm& dv = forms.showInvertedV();
    EXPECT_EQ(boxText(&dv, "Text1"), "10");
    EXPECT_EQ(boxText(&dv, "Text3"), "30");
    EXPECT_EQ(caption(&dv, "Label2"), "2466mm");
    EXPECT_EQ(caption(&dv, "Label6"), "2466");
    EXPECT_EQ(caption(&dv, "Label7"), "10米波30MHZ");
    EXPECT_EQ(caption(&dv, "Label5"), "4932mm");
    EXPECT_EQ(caption(&dv, "Label8"), "20米波15MHZ");
    EXPECT_EQ(caption(&dv, "Label4"), "7398mm");
    EXPECT_EQ(caption(&dv, "Label9"), "30米波10MHZ");
    EXPECT_EQ(caption(&dv, "Label11"), "321mm");
    EXPECT_EQ(caption(&dv, "angle"), "60-120度");
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST_F(FormsTest, DipoleButtonsWorkBothWays)
{
    DvForm& dv = forms.showInvertedV();
    dv.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("14.2"));
    press(&dv, "Command3");
    EXPECT_EQ(boxText(&dv, "Text1"), "21.13");
    EXPECT_EQ(boxText(&dv, "Text3"), "14.2");
    EXPECT_EQ(caption(&dv, "Label2"), "5211mm"); // at 14.2 MHz, not 14
    EXPECT_EQ(caption(&dv, "Label7"), "21.13米波14.2MHZ");

    dv.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("20"));
    press(&dv, "Command1");
    EXPECT_EQ(boxText(&dv, "Text3"), "15");
    EXPECT_EQ(caption(&dv, "Label2"), "4933mm"); // 148 / 15 * 500 = 4933.3
    EXPECT_EQ(caption(&dv, "Label7"), "20米波15MHZ");
    EXPECT_EQ(caption(&dv, "Label9"), "60米波5MHZ");
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST_F(FormsTest, DipoleRefusesZeroAndTextThatIsNoNumber)
{
    DvForm& dv = forms.showInvertedV();
    const QStringList before = dipoleCaptions(&dv);
    struct Row {
        const char* box;
        const char* button;
        const char* text;
    };
    const Row rows[] = {{"Text1", "Command1", "0"},  {"Text1", "Command1", "abc"},
                        {"Text3", "Command3", "0"},  {"Text3", "Command3", "x"},
                        {"Text3", "Command3", "-30"}};
    for (const Row& r : rows) {
        auto* box = dv.findChild<QLineEdit*>(QString::fromLatin1(r.box));
        const QString kept = box->text();
        box->setText(QString::fromLatin1(r.text));
        press(&dv, r.button);
        box->setText(kept); // the typed text is the user's; compare the rest
    }
    const QString range = QStringLiteral("超出范围！！请输入1至30000MHZ之间的频率（0.01至300米波）！！");
    const QString wrong = QStringLiteral("你输入有误！！请重新输入！！");
    EXPECT_EQ(rec.messages, (QStringList{range, wrong, range, wrong, range}));
    EXPECT_EQ(dipoleCaptions(&dv), before);
}

TEST_F(FormsTest, FeedBoxShowsTheLengthAndKeepsItWhenDismissed)
{
    press(&j, "Command3");
    press(&j, "Command4");
    KdForm* kd = forms.feedBox();
    ASSERT_NE(kd, nullptr);
    EXPECT_TRUE(kd->isVisible());
    EXPECT_EQ(kd->windowTitle(), "馈电盒接线示意图");
    EXPECT_EQ(kd->length(), "310.35mm");
    EXPECT_EQ(caption(kd, "trimmerCaption"), "20P微调电容");
    EXPECT_EQ(caption(kd, "barCaption"), "短路棒");
    press(kd, "Command4"); // "知道了"
    EXPECT_FALSE(kd->isVisible());
    press(&j, "Command4");
    EXPECT_TRUE(forms.feedBox()->isVisible());
    EXPECT_EQ(forms.feedBox()->length(), "310.35mm");
}

TEST_F(FormsTest, FeedBoxBeforeAnyCalculationShowsItsDesignText)
{
    press(&j, "Command4");
    ASSERT_NE(forms.feedBox(), nullptr);
    EXPECT_EQ(forms.feedBox()->length(), "长度");
}

TEST_F(FormsTest, AboutOpensFromTheMenuAndOkUnloadsIt)
{
    j.findChild<QAction*>(QStringLiteral("ABOUT"))->trigger();
    AboutForm* about = forms.about();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(caption(about, "Label1"), "https://zelvo.example/wendra");
    // The licence in Chinese words, its name as it is.
    const QString statement =
        about->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
    EXPECT_TRUE(statement.contains(QStringLiteral("版本：") +
                                   QString::fromLatin1(zelvo::release::version)));
    for (const char* text : {"版权所有 (C) 2026 The Zelvo developers", "GNU General Public License",
                             "GPL-3.0-or-later", "不提供任何担保"})
        EXPECT_TRUE(statement.contains(QString::fromUtf8(text))) << text;
    press(about, "Command2");
    flushDeletes();
    EXPECT_EQ(forms.about(), nullptr);
    EXPECT_TRUE(j.isVisible());
}

TEST_F(FormsTest, ProgramEndsWhenTheLastFormIsClosed)
{
    // The program's own event loop decides, so run it.
    press(&j, "Command4"); // feed box open beside the main window
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    QTimer::singleShot(0, [&] {
        j.findChild<QAction*>(QStringLiteral("DAOV"))->trigger();
        forms.invertedV()->close(); // brings the main window back
        j.close();
    });
    QTimer::singleShot(20, [&] {
        EXPECT_EQ(lastClosed.count(), 0); // the feed box is still open
        forms.feedBox()->close();
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(lastClosed.count(), 1);
}

} // namespace
} // namespace wendra
