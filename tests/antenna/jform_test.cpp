// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/forms.h"
#include "antenna/jform.h"
#include "antenna/kd_form.h"
#include "antenna/link_label.h"
#include "antenna/texts.h"
#include "antenna/yagi_drawing.h"
#include "antenna/recording_services.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace wendra {
namespace {

class JFormTest : public ::testing::Test {
protected:
    Recorder rec;
    Forms forms{rec.services()};
    JForm& j = forms.showMain();

    QString text(const char* name) const
    {
        auto* l = j.findChild<QLabel*>(QString::fromLatin1(name));
        return l ? l->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }
    void type(const char* box, const QString& t) const
    {
        j.findChild<QLineEdit*>(QString::fromLatin1(box))->setText(t);
    }
    void press(const char* button) const
    {
        j.findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
    QAction* action(const char* name) const
    {
        return j.findChild<QAction*>(QString::fromLatin1(name));
    }
    QStringList yagiCaptions() const
    {
        QStringList all;
        for (int n = 18; n <= 40; ++n)
            if (n != 28 && n != 29)
                all << text(QStringLiteral("Label%1").arg(n).toLatin1().constData());
        return all;
    }
};

TEST_F(JFormTest, YagiShowsDesignTextsUntilCalculated)
{
    EXPECT_EQ(text("Label40"), "a");
    EXPECT_EQ(text("Label30"), "k");
    EXPECT_EQ(text("Label27"), "A");
    EXPECT_EQ(text("Label18"), "J");
    EXPECT_EQ(text("Label28"), "单位：mm");
    EXPECT_EQ(forms.feedBox(), nullptr);
}

TEST_F(JFormTest, YagiCalculateFillsAllTwentyOneLabelsAndTheFeedBox)
{
    type("Text3", "145");
    press("Command3");
    EXPECT_TRUE(rec.messages.isEmpty());
    EXPECT_EQ(text("Label40"), "506.905mm");
    EXPECT_EQ(text("Label39"), "491.3875mm");
    EXPECT_EQ(text("Label38"), "465.525mm");
    EXPECT_EQ(text("Label30"), "382.765mm");
    EXPECT_EQ(text("Label27"), "475.87mm");
    for (int n = 18; n <= 26; ++n)
        EXPECT_EQ(text(QStringLiteral("Label%1").arg(n).toLatin1().constData()), "413.8mm");
    // The feed box form is made, hidden, and holds the shorting bar length.
    ASSERT_NE(forms.feedBox(), nullptr);
    EXPECT_FALSE(forms.feedBox()->isVisible());
    EXPECT_EQ(forms.feedBox()->length(), "310.35mm");
}

TEST_F(JFormTest, YagiRefusesUnusableFrequenciesAndChangesNothing)
{
    const QStringList before = yagiCaptions();
    for (const char* bad : {"0", "abc", "", "9.155", "-145"}) {
        type("Text3", QString::fromLatin1(bad));
        press("Command3");
    }
    EXPECT_EQ(rec.messages, QStringList(5, QStringLiteral("你输入有误！！请重新输入！！")));
    EXPECT_EQ(yagiCaptions(), before);
    EXPECT_EQ(forms.feedBox(), nullptr);
}

TEST_F(JFormTest, ValueLabelsSitBesideTheirRows)
{
    int elements = 0;
    int spacings = 0;
    for (int i = 0; i < YagiDrawing::kElements; ++i) {
        const QLabel* e = j.findChild<QLabel*>(QStringLiteral("Label%1").arg(40 - i));
        ASSERT_NE(e, nullptr);
        EXPECT_NEAR(e->geometry().center().y(), YagiDrawing::rowY(i), 1) << i;
        ++elements;
        if (i + 1 < YagiDrawing::kElements) {
            const QLabel* s = j.findChild<QLabel*>(QStringLiteral("Label%1").arg(27 - i));
            ASSERT_NE(s, nullptr);
            EXPECT_NEAR(s->geometry().center().y(),
                        (YagiDrawing::rowY(i) + YagiDrawing::rowY(i + 1)) / 2, 1) << i;
            EXPECT_LT(s->geometry().right(), e->geometry().left());
            ++spacings;
        }
    }
    EXPECT_EQ(elements, 11);
    EXPECT_EQ(spacings, 10);
}

TEST_F(JFormTest, ElementCountOptionsChangeOnlyTheMaskHeight)
{
    press("Command3");
    const QStringList captions = yagiCaptions();
    QLabel* mask = j.findChild<QLabel*>(QStringLiteral("Label28"));
    ASSERT_NE(mask, nullptr);
    const QRect start = mask->geometry();
    EXPECT_EQ(start.top(), 240 / 15);
    EXPECT_EQ(start.height(), 210 / 15); // 11 elements at start

    struct Row {
        const char* option;
        const char* caption;
        int elements;
        int twips;
    };
    const Row rows[] = {{"Option1", "三单元", 3, 5970}, {"Option2", "四单元", 4, 5250},
                        {"Option3", "五单元", 5, 4530}, {"Option4", "七单元", 7, 3090},
                        {"Option5", "九单元", 9, 1650}, {"Option6", "十一单元", 11, 210}};
    int checked = 0;
    for (const Row& r : rows) {
        auto* b = j.findChild<QRadioButton*>(QString::fromLatin1(r.option));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(r.caption));
        b->click();
        const QRect g = mask->geometry();
        EXPECT_EQ(g.height(), r.twips / 15) << r.option;
        EXPECT_EQ(g.top(), start.top());
        EXPECT_EQ(g.left(), start.left());
        EXPECT_EQ(g.width(), start.width());
        EXPECT_EQ(yagiCaptions(), captions) << r.option;

        // Rows of the chosen elements and the spacings between them stay
        // clear of the mask; every other value label is under it.
        int seen = 0;
        for (int i = 0; i < YagiDrawing::kElements; ++i) {
            const QRect e = j.findChild<QLabel*>(QStringLiteral("Label%1").arg(40 - i))->geometry();
            EXPECT_EQ(g.intersects(e), i >= r.elements) << r.option << " element " << i;
            ++seen;
            if (i + 1 < YagiDrawing::kElements) {
                const QRect s =
                    j.findChild<QLabel*>(QStringLiteral("Label%1").arg(27 - i))->geometry();
                EXPECT_EQ(g.contains(s), i + 1 >= r.elements) << r.option << " spacing " << i;
                EXPECT_EQ(g.intersects(s), i + 1 >= r.elements) << r.option << " spacing " << i;
                ++seen;
            }
        }
        EXPECT_EQ(seen, 21);
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST_F(JFormTest, MaskCoversTheLabelsItHides)
{
    // Only the stacking order makes the mask hide anything.
    QLabel* mask = j.findChild<QLabel*>(QStringLiteral("Label28"));
    const QObjectList siblings = mask->parent()->children();
    EXPECT_EQ(siblings.last(), mask);
    EXPECT_TRUE(mask->autoFillBackground());
}

TEST_F(JFormTest, JAntennaCalculateCutsTheFrequencyToWholeMHz)
{
    EXPECT_EQ(text("Label3"), "1481mm");
    EXPECT_EQ(text("Label5"), "300mm");
    action("JX")->trigger();
    type("Text1", "145.9");
    press("Command1");
    EXPECT_TRUE(rec.messages.isEmpty());
    EXPECT_EQ(text("Label3"), "1481mm");
    EXPECT_EQ(text("Label2"), "491mm");
    EXPECT_EQ(text("Label1"), "48mm");
    EXPECT_EQ(text("Label4"), "46mm");
    EXPECT_EQ(text("Label5"), "296mm");
}

TEST_F(JFormTest, JAntennaRefusesWithTheMessageAndKeepsTheLastResult)
{
    type("Text1", "435");
    press("Command1");
    const QString a = text("Label3");
    EXPECT_EQ(a, "493mm"); // 705 / 435 * 304.8 = 493.97
    for (const char* bad : {"0", "29999", "abc", "145MHz"}) {
        type("Text1", QString::fromLatin1(bad));
        press("Command1");
    }
    // A number out of range is told its range; text is told it is wrong.
    const QString range = QStringLiteral("频率超出范围！！请输入1至6705MHZ之间的频率！！");
    const QString wrong = QStringLiteral("你输入有误！！请重新输入！！");
    EXPECT_EQ(rec.messages, (QStringList{range, range, wrong, wrong}));
    EXPECT_EQ(text("Label3"), a);
    EXPECT_EQ(text("Label1"), "16mm"); // C is never left at 0 mm
}

TEST_F(JFormTest, MenuListsTheTypesInOrderWithTheirShortcuts)
{
    auto* lx = j.findChild<QMenu*>(QStringLiteral("LX"));
    ASSERT_NE(lx, nullptr);
    EXPECT_EQ(lx->title(), "天线类型");
    QStringList names;
    for (QAction* a : lx->actions())
        names << a->objectName();
    EXPECT_EQ(names, (QStringList{"BM", "JX", "DAOV", "BZ", "GP", "EH", "pz", "luoxuan", "dbs",
                                  "tzo", "max", "fk"}));
    EXPECT_EQ(action("BM")->text(), "八木天线");
    EXPECT_EQ(action("DAOV")->text(), "倒V天线");
    EXPECT_EQ(action("fk")->text(), "方框天线");
    EXPECT_EQ(action("BM")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(action("JX")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
    EXPECT_EQ(action("DAOV")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    EXPECT_EQ(action("BZ")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    EXPECT_EQ(action("GP")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_TRUE(action("EH")->shortcut().isEmpty());
    EXPECT_EQ(action("ABOUT")->text(), "关于");
    EXPECT_TRUE(j.menuBar()->actions().contains(action("ABOUT")));
}

TEST_F(JFormTest, MenuSwapsTheYagiAndJPanels)
{
    QWidget* yagi = j.findChild<QWidget*>(QStringLiteral("FBM"));
    QWidget* jp = j.findChild<QWidget*>(QStringLiteral("FJ"));
    EXPECT_TRUE(yagi->isVisible());
    EXPECT_FALSE(jp->isVisible());
    const QSize size = j.size();
    action("JX")->trigger();
    EXPECT_FALSE(yagi->isVisible());
    EXPECT_TRUE(jp->isVisible());
    action("BM")->trigger();
    EXPECT_TRUE(yagi->isVisible());
    EXPECT_FALSE(jp->isVisible());
    EXPECT_EQ(j.size(), size);
}

TEST_F(JFormTest, DisabledEntriesCannotBeTriggered)
{
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    QWidget* yagi = j.findChild<QWidget*>(QStringLiteral("FBM"));
    j.setFocus();

    // The key path works: Ctrl+J swaps the panels.
    QTest::keyClick(&j, Qt::Key_J, Qt::ControlModifier);
    EXPECT_FALSE(yagi->isVisible());
    QTest::keyClick(&j, Qt::Key_Y, Qt::ControlModifier);
    ASSERT_TRUE(yagi->isVisible());

    int disabled = 0;
    for (const char* name : {"BZ", "GP", "EH", "pz", "luoxuan", "dbs", "tzo", "max", "fk"}) {
        QAction* a = action(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_FALSE(a->isEnabled()) << name;
        QSignalSpy spy(a, &QAction::triggered);
        a->trigger();
        if (!a->shortcut().isEmpty())
            QTest::keySequence(&j, a->shortcut());
        EXPECT_EQ(spy.count(), 0) << name;
        ++disabled;
    }
    EXPECT_EQ(disabled, 9);
    EXPECT_TRUE(yagi->isVisible());
    EXPECT_EQ(forms.invertedV(), nullptr);
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST_F(JFormTest, TitleNotesAndDateLine)
{
    EXPECT_TRUE(j.windowTitle().startsWith("天线计算器（v0.2测试版）"));
    const QString yagiNotes = j.findChild<QPlainTextEdit*>(QStringLiteral("Text4"))->toPlainText();
    for (const char* line :
         {"三单元八木约6-8dB;", "四单元八木约7-10dB;", "五单元八木约9-11dB;", "九单元八木约13-15dB;", "增益："})
        EXPECT_TRUE(yagiNotes.contains(QString::fromUtf8(line))) << line;
    auto* jNotes = j.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
    EXPECT_TRUE(jNotes->isReadOnly());
    EXPECT_TRUE(jNotes->toPlainText().contains("14-28mm"));

    auto* timer = j.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(text("Label9").startsWith("日期："));
    EXPECT_TRUE(text("Label9").contains("       现在时间："));
}

TEST(DateTimeLine, AChineseDateWhateverTheLocaleAndTheTimeAfterSevenBlanks)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QDateTime t(QDate(2026, 12, 7), QTime(14, 3, 9));
    EXPECT_EQ(dateTimeLine(t), "日期：2026年12月7日       现在时间：14:03:09");
    QLocale::setDefault(saved);
}

void mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(3, 3);
    QMouseEvent e(type, at, w->mapToGlobal(at), button,
                  type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST_F(JFormTest, LinkTurnsRedUnderTheMouseBlueOnReleaseAndOpensThePage)
{
    auto* link = j.findChild<LinkLabel*>(QStringLiteral("Label15"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), QString::fromLatin1(kProjectUrl));
    mouse(link, QEvent::MouseMove, Qt::NoButton);
    EXPECT_EQ(link->textColour(), QColor(255, 0, 0));
    mouse(link, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_TRUE(rec.opened.isEmpty());
    mouse(link, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(link->textColour(), QColor(0, 0, 255));
    EXPECT_EQ(rec.opened, QList<QUrl>{QUrl(QString::fromLatin1(kProjectUrl))});
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST_F(JFormTest, LinkSaysSoWhenNoBrowserStarts)
{
    rec.browserWorks = false;
    auto* link = j.findChild<LinkLabel*>(QStringLiteral("Label15"));
    mouse(link, QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(link, QEvent::MouseButtonRelease, Qt::LeftButton);
    ASSERT_EQ(rec.messages.size(), 1);
    EXPECT_TRUE(rec.messages.front().contains(QString::fromLatin1(kProjectUrl)));
}

TEST_F(JFormTest, FitsA1024By700ScreenWithItsTitleBar)
{
    // 40 pixels are left for the window manager's title bar and frame.
    const QSize least = j.minimumSizeHint().expandedTo(j.minimumSize());
    EXPECT_LE(least.width(), 1024 - 16) << least.width();
    EXPECT_LE(least.height(), 700 - 40) << least.height();
}

} // namespace
} // namespace wendra
