// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Zelvo in Chinese: the messages users meet most are translated and shown so,
// and the files written are the same bytes whatever the language.
#include "core/number_text.h"
#include "core/synthesis.h"
#include "main_window_fixture.h"
#include "model/amplifier_match.h"
#include "model/block_file.h"
#include "model/broadband_load.h"
#include "model/circle_dialogs.h"
#include "model/design_file.h"
#include "model/design_rules.h"
#include "model/file_io.h"
#include "model/netlist.h"
#include "model/network_touchstone.h"
#include "model/one_port.h"
#include "model/settings_file.h"
#include "model/touchstone.h"
#include "core/synthesis.h"
#include "render/response_graph.h"
#include "ui/language.h"
#include "ui/messages.h"

#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

namespace zelvo::testing {
namespace {

void useChinese(bool on)
{
    QCoreApplication& app = *QCoreApplication::instance();
    for (QTranslator* t : app.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    if (on) {
        ASSERT_TRUE(installTranslations(app, UiLanguage::Chinese));
    }
}

bool hasHan(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

// As the message box shows it: its line breaks made plain.
QString shown(const QString& text)
{
    return messageText(translatedMessage(text));
}

TEST(Translation, EveryImportantMessageHasATranslationThatKeepsItsValues)
{
    useChinese(true);
    const QString rows[] = {
        withNumber(dataPointLimitText, 30), withNumber(elementLimitText, 30),
        withNumber(qLimitText, 10),         withNumber(vswrLimitText, 10),
        withNumber(stabilityLimitText, 4),  withNumber(gainLimitText, 10),
        withNumber(noiseLimitText, 10),     withNumber(historyFullText, 512),
        QString::fromLatin1(noDataPointText), QString::fromLatin1(widebandNoPointsText),
        QString::fromLatin1(widebandNoElementsText), QString::fromLatin1(widebandDoneText),
        QString::fromLatin1(widebandNeedsText), QString::fromLatin1(zoLockedText),
        QString::fromLatin1(numberFormatMessage), QString::fromLatin1(numberTooLargeMessage),
        QString::fromLatin1(touchstoneFormatMessage), QString::fromLatin1(settingsWriteErrorText),
        withPath(netlistWriteErrorText, QStringLiteral("/tmp/a b.mcf")),
        withPath(netlistDoneText, QStringLiteral("/tmp/a b.mcf")),
        QStringLiteral("Value must lie in the range between 0.1 and 1E9 Ohm"),
        QStringLiteral("ERROR"),
        QStringLiteral("Tolerance analysis needs at least one data point and one element."),
        QStringLiteral("Standard values need at least one data point and one element."),
        QStringLiteral("The two-port block 'amp.s2p' has no value at the design\n\r"
                       "frequency 5 GHz: its data cover 1 GHz to 2 GHz.\n\rNothing was placed."),
    };
    for (const QString& english : rows) {
        const QString chinese = translatedMessage(english);
        EXPECT_TRUE(hasHan(chinese)) << english.toStdString() << " -> " << chinese.toStdString();
        for (const char* value :
             {"30", "512", "/tmp/a b.mcf", "1E9 Ohm", "amp.s2p", "1 GHz", "2 GHz"})
            if (english.contains(QLatin1String(value))) {
                EXPECT_TRUE(chinese.contains(QLatin1String(value))) << chinese.toStdString();
            }
    }
    // A reason below a known message keeps the message translated.
    const QString withWhy =
        translatedMessage(withPath(netlistWriteErrorText, QStringLiteral("x")) +
                          QStringLiteral("\n\rNo such file or directory."));
    EXPECT_TRUE(withWhy.startsWith(translatedMessage(withPath(netlistWriteErrorText, QStringLiteral("x")))));
    EXPECT_TRUE(withWhy.endsWith(QStringLiteral("No such file or directory.")));
    // What has no translation stays as it is.
    EXPECT_EQ(translatedMessage(QStringLiteral("zzz")), QStringLiteral("zzz"));
    useChinese(false);
}

std::string touchstoneProblem(const char* text)
{
    SParamSet set;
    set.fileName = "amp.s2p";
    set.sourceText = text;
    std::string problem;
    EXPECT_FALSE(readTouchstone(set, &problem)) << text;
    return problem;
}

// The messages as the readers, rules and planners write them, each with the
// values that must come through: a pattern in the catalogue that drifted
// from the code leaves English behind here.
TEST(Translation, MessagesOfTheDomainCodeComeOutInChinese)
{
    useChinese(true);
    QTemporaryDir dir;
    struct Row {
        std::string english;
        std::vector<std::string> values;
    };
    std::vector<Row> rows;
    rows.push_back({touchstoneProblem("[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 2\n"
                                      "[Two-Port Data Order] 12_21\n[Network Data]\n"
                                      "1 0.9 -20 2.1 80 x 0.05 0.4 -30\n"),
                    {"1 0.9 -20 2.1 80 x 0.05 0.4 -30"}});
    // A file's text stays as it is, even where it reads like a message.
    rows.push_back({touchstoneProblem("[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 2\n"
                                      "[Two-Port Data Order] 12_21\n[Network Data]\nElement 3\n"),
                    {"'Element 3'"}});
    rows.push_back({touchstoneProblem("[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 2\n"
                                      "[Two-Port Data Order] 12_21\n[Number of Frequencies] 3\n"
                                      "[Network Data]\n1 0.9 -20 2.1 80 0.05 30 0.4 -30\n[End]\n"),
                    {"[Number of Frequencies]", "3", "1"}});
    rows.push_back(
        {readOnePortText("# MHz S MA R 50\n14 0.5 10\n21 0.4\n").problem, {"3", "2", "S11"}});
    rows.push_back({readOnePortText("# MHz S MA R 50\n14 0.5 10\n0 0.4 20\n").problem,
                    {"3", "'0 0.4 20'", "1000 GHz"}});
    {
        SParamSet set;
        rows.push_back({loadTouchstoneFile(set, "/dev/null").message->text, {"'/dev/null'"}});
        const QString small = dir.filePath(QStringLiteral("small.s2p"));
        QFile f(small);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("# GHz S MA R 50\n");
        f.close();
        rows.push_back({readRegularFile(small.toStdString(), 4).why, {"4"}});
    }
    {
        // A stored design with a line impedance the element input refuses.
        Design d;
        resetDesign(d);
        appendDataPoint(d, {12.5, 30, 1e9});
        Element line;
        line.kind = ElementKind::LS;
        line.value = 0.25;
        appendElement(d, line);
        std::string text = designFileText(d);
        const std::size_t imp = text.find("IMP=");
        ASSERT_NE(imp, std::string::npos);
        text.replace(imp + 4, text.find_first_of("\r\n", imp) - imp - 4, "0");
        std::string problem;
        Design read;
        EXPECT_EQ(readDesignText(read, text, &problem), designFileBadValue);
        rows.push_back(
            {withReason(withPath(designReadErrorText, QStringLiteral("/tmp/m.ZVC")), problem)
                 .toStdString(),
             {"'/tmp/m.ZVC'", "\"IMP\"", "1E+06"}});
    }
    AmplifierPlan plan;
    plan.f = 2.4e9;
    plan.k = 0.734;
    plan.deltaMagnitude = 0.412;
    plan.maxGainDb = 17.25;
    rows.push_back({unstableText(plan), {"2.400 GHz", "0.734", "0.412", "17.25 dB"}});
    LoadSamples load;
    load.frequencies = {1e9, 2e9, 3e9};
    load.gammas = {Complex{0.5}, Complex{0.5}, Complex{0.5}};
    BandRequest band;
    band.f1 = 0.5e9;
    band.f2 = 2.5e9;
    rows.push_back({makeBandProblem(load, band).problem, {"1.000 GHz", "3.000 GHz"}});
    rows.push_back({gainExceedsMaximum(20.0f, 14.5f)->text, {"20.0dB", "14.5"}});
    rows.push_back({synthesiseMatches({{-5.0, 10.0}, {50.0, 0.0}, 1e9}).refusal, {}});
    rows.push_back({*sweepProblem({1e9, 2e9, 0}), {"100000"}});
    rows.push_back({std::get<DialogMessage>(
                        blockFromText("[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 2\n"
                                      "[Two-Port Data Order] 12_21\n[Network Data]\n"
                                      "2 0.9 -20 2.1 80 0.05 30 0.4 -30\n"
                                      "1 0.9 -20 2.1 80 0.05 30 0.4 -30\n[End]\n",
                                      "amp.s2p"))
                        .text,
                    {"1.000 GHz"}});

    // Two English words in a row, once the values are taken out: a sentence
    // left untranslated. File keys in brackets are never translated.
    static const QRegularExpression english(QStringLiteral("[A-Za-z]{2,} [A-Za-z]{2,}"));
    static const QRegularExpression keys(QStringLiteral("\\[[A-Za-z -]+\\]"));
    for (const Row& row : rows) {
        const QString text = QString::fromStdString(row.english);
        EXPECT_FALSE(text.isEmpty()) << "row " << &row - rows.data();
        const QString chinese = translatedMessage(text);
        QString rest = chinese;
        for (const std::string& value : row.values) {
            EXPECT_TRUE(chinese.contains(QString::fromStdString(value)))
                << value << " lost in " << chinese.toStdString();
            rest.remove(QString::fromStdString(value));
        }
        rest.remove(keys);
        EXPECT_TRUE(hasHan(chinese)) << row.english;
        EXPECT_FALSE(rest.contains(english)) << row.english << "\n -> " << chinese.toStdString();
    }
    useChinese(false);
}

struct InChinese : MainWindowTest {
    void SetUp() override
    {
        useChinese(true);
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        useChinese(false);
    }
};

TEST_F(InChinese, MenusToolboxAndMessagesOfTheRealWindows)
{
    EXPECT_EQ(window->menuBar()->actions().constFirst()->text(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(window->menu().action(Command::Undo)->text(), QStringLiteral("撤销(&U)"));
    // The shortcut is the English one, whatever the translation says.
    EXPECT_EQ(window->menu().action(Command::Save)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(window->toolbox()->findChild<QPushButton*>(QStringLiteral("seriesLine"))->text(),
              QStringLiteral("传输线"));

    toolButton("seriesC"); // no data point yet
    EXPECT_EQ(lastText(), shown(QString::fromLatin1(noDataPointText)));
    EXPECT_TRUE(hasHan(lastText()));

    window->run(Command::Wideband);
    EXPECT_EQ(lastText(), shown(QString::fromLatin1(widebandNeedsText)));
    EXPECT_TRUE(lastText().contains(QStringLiteral("宽带")));

    ModalScript modals;
    modals.then([](QDialog& d) {
        typeInto(d, "value", QStringLiteral("75x"));
        clickOk(d);
    });
    modals.then([](QDialog& d) { d.reject(); });
    window->run(Command::ChangeZo);
    const MessageRequest& refused = recorder.messages.back();
    EXPECT_EQ(refused.title, QStringLiteral("错误"));
    EXPECT_EQ(refused.text, shown(QString::fromLatin1(numberFormatMessage)));
    EXPECT_TRUE(hasHan(refused.text));

    addPoint(50, 0);
    window->run(Command::ChangeZo);
    EXPECT_EQ(lastText(), shown(QString::fromLatin1(zoLockedText)));
    EXPECT_TRUE(hasHan(lastText()));

    // What the layers below the window write, as the window hands it on: the
    // data point list copied to the clipboard, a response caption, a network.
    modals.then([](QDialog& d) { d.done(0x30); });
    window->run(Command::Copy);
    EXPECT_TRUE(recorder.clipboardText.startsWith(QStringLiteral("点 1 (50.000 + j0.000) Ohm")))
        << recorder.clipboardText.toStdString();
    EXPECT_EQ(quantityName(ResponseQuantity::InputReturnLoss, interfaceTexts()), "输入回波损耗");
    MatchSolution quarterWave{MatchFamily::QuarterWave, {Element{}, Element{}}};
    quarterWave.elements[0].kind = ElementKind::CP;
    EXPECT_EQ(topologyText(quarterWave, interfaceTexts()), "并联 C，四分之一波长变换器");
}

// The design file and the SPICE netlist of one design, saved through the
// window's commands.
std::pair<QByteArray, QByteArray> savedFiles(bool chinese, const QString& folder)
{
    useChinese(chinese);
    AppState state;
    resetDesign(state.design);
    appendDataPoint(state.design, {12.5, 30, 1e9});
    appendDataPoint(state.design, {75, -20, 2.4e9});
    Element e;
    e.kind = ElementKind::IS;
    e.value = 2.2e-9;
    appendElement(state.design, e);
    RecordingPlatform recorder;
    const Platform platform = recorder.platform();
    MainWindow window(state, platform, QSize(1600, 960));
    // The same names in both languages: the netlist names the design file.
    const QString design = folder + QStringLiteral("/design.ZVC");
    const QString spice = folder + QStringLiteral("/match.cir");
    recorder.fileNames.push_back(design);
    window.run(Command::SaveAs);
    recorder.fileNames.push_back(spice);
    window.run(Command::SaveSpiceNetlist);
    state.design.modified = false;
    QFile d(design);
    QFile s(spice);
    EXPECT_TRUE(d.open(QIODevice::ReadOnly));
    EXPECT_TRUE(s.open(QIODevice::ReadOnly));
    useChinese(false);
    return {d.readAll(), s.readAll()};
}

TEST(Translation, FilesAreTheSameBytesInChineseAsInEnglish)
{
    QTemporaryDir dir;
    const auto english = savedFiles(false, dir.path());
    const auto chinese = savedFiles(true, dir.path());
    EXPECT_TRUE(english.first.contains("[DATAPOINTS]"));
    EXPECT_TRUE(english.second.contains(".subckt zelvo_match"));
    EXPECT_EQ(chinese.first, english.first);
    EXPECT_EQ(chinese.second, english.second);
}

} // namespace
} // namespace zelvo::testing
