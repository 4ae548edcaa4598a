// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// New, Open, Save, Save As, Save Netlist, the save prompt at New, Open and
// closing, the command line, and the settings read at start and written at exit.
#include "main_window_fixture.h"
#include "model/design_file.h"
#include "model/settings_file.h"
#include "ui/commands/splot_commands.h"
#include "ui/startup.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <clocale>

namespace zelvo::testing {
namespace {

struct FileCommandTest : MainWindowTest {
    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // A saved design with two points and an element.
    QString savedDesign(const char* name)
    {
        auto d = std::make_unique<Design>();
        appendDataPoint(*d, {12.5, 30, 1e9});
        appendDataPoint(*d, {75, -20, 2e9});
        Element e;
        e.kind = ElementKind::IS;
        e.value = 2e-9;
        appendElement(*d, e);
        const QString p = path(name);
        EXPECT_EQ(writeDesignFile(*d, QFile::encodeName(p).toStdString()), designFileOk);
        return p;
    }
    void modify()
    {
        addPoint(50, 50);
        design().modified = true;
    }
    static QString promptFor(const char* name)
    {
        return QStringLiteral("Would you like to save changes made in '%1'?")
            .arg(QString::fromLatin1(name));
    }
};

TEST_F(FileCommandTest, SaveOnUnnamedOpensSaveAsAndCancelSaysNothing)
{
    modify();
    window->run(Command::Save);
    ASSERT_EQ(recorder.fileDialogs.size(), 1u);
    EXPECT_EQ(recorder.fileDialogs[0].filters.first(), QStringLiteral("Zelvo-Chart-Files (*.ZVC)"));
    EXPECT_EQ(recorder.fileDialogs[0].defaultSuffix, QStringLiteral("ZVC"));
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(design().modified);

    recorder.fileNames.push_back(path("a.zvc"));
    window->run(Command::Save);
    EXPECT_FALSE(design().modified);
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart ") + path("a.zvc"));
    EXPECT_TRUE(QFile::exists(path("a.zvc")));
    // Save on a named design writes without a dialog.
    design().modified = true;
    window->run(Command::Save);
    EXPECT_EQ(recorder.fileDialogs.size(), 2u);
    EXPECT_FALSE(design().modified);
}

TEST_F(FileCommandTest, FailedSaveKeepsTheStateAndTheOldFile)
{
    modify();
    recorder.fileNames.push_back(path("missing/folder/a.zvc"));
    window->run(Command::SaveAs);
    EXPECT_EQ(lastText(),
              QStringLiteral("Error while writing file '%1'\nNo such file or directory.")
                  .arg(path("missing/folder/a.zvc")));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(recorder.messages.back().buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(design().modified);
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart <unnamed>"));
}

TEST_F(FileCommandTest, SavePromptPathsAtNew)
{
    modify();
    recorder.answers = {MessageAnswer::Cancel};
    window->run(Command::New);
    EXPECT_EQ(lastText(), promptFor("<unnamed>"));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Question);
    EXPECT_EQ(recorder.messages.back().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(recorder.beeps, 1);
    EXPECT_EQ(design().dataPointCount, 1);

    // Yes on an unnamed design whose Save As is cancelled keeps it.
    recorder.answers = {MessageAnswer::Yes};
    window->run(Command::New);
    EXPECT_EQ(recorder.fileDialogs.size(), 1u);
    EXPECT_EQ(design().dataPointCount, 1);

    recorder.answers = {MessageAnswer::No};
    design().z0 = 75.0f;
    window->run(Command::New);
    EXPECT_EQ(design().dataPointCount, 0);
    EXPECT_EQ(design().z0, 50.0f);
    EXPECT_FALSE(design().modified);
    EXPECT_EQ(readout(Readout::Zo), QStringLiteral("50.0 Ohm"));
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart <unnamed>"));
}

TEST_F(FileCommandTest, CancelledOpenKeepsThePreviousDesign)
{
    modify();
    recorder.answers = {MessageAnswer::No};
    window->run(Command::Open); // the dialog is cancelled
    ASSERT_EQ(recorder.fileDialogs.size(), 1u);
    EXPECT_EQ(recorder.fileDialogs[0].filters.first(), QStringLiteral("Zelvo-Chart-Files (*.ZVC)"));
    EXPECT_EQ(design().dataPointCount, 1);
    EXPECT_TRUE(design().modified);
}

TEST_F(FileCommandTest, OpenReadsTheDesignAndNamesTheWindow)
{
    const QString p = savedDesign("two.zvc");
    recorder.fileNames.push_back(p);
    window->run(Command::Open);
    EXPECT_EQ(design().dataPointCount, 2);
    EXPECT_EQ(design().elementCount, 1);
    EXPECT_FALSE(design().modified);
    EXPECT_EQ(QString::fromStdString(design().fileName), p);
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart ") + p);
}

TEST_F(FileCommandTest, FailedOpenLeavesTheDesignAsItWas)
{
    modify();
    design().modified = false;
    QFile junk(path("junk.zvc"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("[DATAPOINTS]\r\nR=1\r\n"); // no [HISTORY] / [Z0] header pair
    junk.close();
    recorder.fileNames.push_back(path("junk.zvc"));
    window->run(Command::Open);
    EXPECT_EQ(lastText(), QStringLiteral("Error while reading file '%1'").arg(path("junk.zvc")));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(design().dataPointCount, 1);
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart <unnamed>"));
}

TEST_F(FileCommandTest, SaveNetlistReportsWhereItWent)
{
    modify();
    recorder.fileNames.push_back(path("net.mcf"));
    window->run(Command::SaveNetlist);
    EXPECT_EQ(recorder.fileDialogs[0].defaultSuffix, QStringLiteral("mcf"));
    EXPECT_EQ(recorder.fileDialogs[0].filters.size(), 4);
    EXPECT_EQ(lastText(), QStringLiteral("Netlist done ('%1')").arg(path("net.mcf")));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::None);
    EXPECT_EQ(recorder.beeps, 0);
    EXPECT_TRUE(QFile::exists(path("net.mcf")));
    recorder.fileNames.push_back(path("no/such/net.mcf"));
    window->run(Command::SaveNetlist);
    EXPECT_EQ(lastText(),
              QStringLiteral("Error while writing file '%1'\nNo such file or directory.")
                  .arg(path("no/such/net.mcf")));
}

TEST_F(FileCommandTest, SaveNetlistProposesTheDesignsNameWithANetlistSuffix)
{
    recorder.fileNames.push_back(savedDesign("match900.ZVC"));
    window->run(Command::Open);
    ASSERT_EQ(design().dataPointCount, 2);
    recorder.fileNames.push_back(QString()); // cancelled: nothing written
    window->run(Command::SaveNetlist);
    EXPECT_EQ(recorder.fileDialogs.back().directory, path("match900.mcf"));

    recorder.fileNames.push_back(path("match900.ckt"));
    window->run(Command::SaveNetlist);
    recorder.fileNames.push_back(QString());
    window->run(Command::SaveNetlist);
    EXPECT_EQ(recorder.fileDialogs.back().directory, path("match900.ckt"));
    EXPECT_EQ(design().dataPointCount, 2);
    QFile zvc(path("match900.ZVC"));
    ASSERT_TRUE(zvc.open(QIODevice::ReadOnly));
    EXPECT_TRUE(zvc.readAll().contains("[DATAPOINTS]")); // still the design, not a netlist
}

TEST_F(FileCommandTest, SaveSpiceNetlistWritesTheSubcircuit)
{
    modify();
    recorder.fileNames.push_back(path("match.cir"));
    window->run(Command::SaveSpiceNetlist);
    EXPECT_EQ(recorder.fileDialogs[0].defaultSuffix, QStringLiteral("cir"));
    EXPECT_EQ(lastText(), QStringLiteral("Netlist done ('%1')").arg(path("match.cir")));
    QFile f(path("match.cir"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains(".subckt zelvo_match in out"));
    recorder.fileNames.push_back(path("no/such/match.cir"));
    window->run(Command::SaveSpiceNetlist);
    EXPECT_EQ(lastText(),
              QStringLiteral("Error while writing file '%1'").arg(path("no/such/match.cir")));
}

TEST_F(FileCommandTest, ImportOnePortDataAddsTheChosenLines)
{
    QFile f(path("probe.s1p"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("! antenna\r\n# MHz S RI R 75\r\n");
    for (int i = 0; i < 1601; ++i) // a long sweep lists whole
        f.write(QByteArray::number(100 + i) + " " + QByteArray::number(0.001 * (i % 300))
                + " 0\r\n");
    f.close();
    recorder.fileNames.push_back(path("probe.s1p"));
    ModalScript modals;
    modals.then([](QDialog& d) {
        auto* list = d.findChild<QListWidget*>(QStringLiteral("lines"));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), 1601);
        // Picked third line first: handed over in list order.
        list->item(2)->setSelected(true);
        list->item(0)->setSelected(true);
        clickOk(d);
    });
    window->run(Command::ImportOnePort);
    EXPECT_TRUE(modals.done());
    EXPECT_EQ(recorder.fileDialogs.back().title, QStringLiteral("Import one-port data"));
    ASSERT_EQ(design().dataPointCount, 2);
    EXPECT_DOUBLE_EQ(design().dataPoints[0].f, 100e6);
    EXPECT_DOUBLE_EQ(design().dataPoints[0].r, 75.0); // Gamma 0: the file's reference
    EXPECT_DOUBLE_EQ(design().dataPoints[1].f, 102e6);
    EXPECT_NEAR(design().dataPoints[1].r, 75.0 * 1.002 / 0.998, 1e-9);
    EXPECT_TRUE(design().modified);

    // A two-port file is refused with the reason, and nothing changes.
    QFile two(path("amp.s2p"));
    ASSERT_TRUE(two.open(QIODevice::WriteOnly));
    two.write("# GHz S MA R 50\n1 0.5 0 2 0 0.1 0 0.5 0\n");
    two.close();
    recorder.fileNames.push_back(path("amp.s2p"));
    window->run(Command::ImportOnePort);
    EXPECT_NE(lastText().indexOf(QStringLiteral("a one-port line has 3")), -1);
    EXPECT_EQ(design().dataPointCount, 2);
}

TEST_F(FileCommandTest, ClosingWithUnsavedChanges)
{
    state.settingsPath = path("cfg/zelvo.ini");
    modify();
    recorder.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFile::exists(state.settingsPath));

    // Yes, then Save As cancelled: the program stays and the design with it.
    recorder.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(design().dataPointCount, 1);

    // Yes, then Save As to a file: saved, then closed, settings written.
    bool closed = false;
    window->setOnClosed([&] { closed = true; });
    recorder.answers = {MessageAnswer::Yes};
    recorder.fileNames.push_back(path("kept.zvc"));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(closed);
    EXPECT_TRUE(QFile::exists(path("kept.zvc")));
    EXPECT_TRUE(QFile::exists(state.settingsPath));
}

TEST_F(FileCommandTest, SettingsReadAtStartAndWrittenAtExit)
{
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    QDir(dir.path()).mkpath(QStringLiteral("zelvo"));
    Settings saved;
    saved.labels = false;
    saved.zoom = 2.0f;
    saved.chartKinds = showYChartBit;
    ASSERT_EQ(writeSettings(saved, QFile::encodeName(path("zelvo/zelvo.ini")).toStdString()),
              settingsFileOk);
    readStartupSettings(state);
    window->refreshMenu();
    EXPECT_EQ(state.settingsPath, path("zelvo/zelvo.ini"));
    EXPECT_FALSE(state.settings.labels);
    EXPECT_EQ(state.settings.zoom, 2.0f);
    EXPECT_FALSE(window->menu().action(Command::Labels)->isChecked());
    EXPECT_FALSE(window->menu().action(Command::ZChart)->isChecked());

    window->run(Command::ConnectDatapoints);
    window->close();
    Settings back;
    ASSERT_EQ(readSettings(back, QFile::encodeName(state.settingsPath).toStdString()),
              settingsFileOk);
    EXPECT_TRUE(back.linkDataPoints);
    EXPECT_FALSE(back.labels);
    EXPECT_TRUE(recorder.messages.empty());
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST_F(FileCommandTest, FailedSettingsWriteIsReportedAndShutDownGoesOn)
{
    QFile blocker(path("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    state.settingsPath = path("file/zelvo.ini"); // a folder that is a file
    bool closed = false;
    window->setOnClosed([&] { closed = true; });
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(closed);
    EXPECT_EQ(lastText(), QStringLiteral("Error while writing 'zelvo.ini'."));
    EXPECT_EQ(recorder.messages.back().title, QString()); // no input validation
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(recorder.beeps, 1);
}

TEST_F(FileCommandTest, CommandLineOpensADesign)
{
    // Upper case in the name: found by ".zvc" in any case, opened as typed.
    const QString p = savedDesign("Case.ZVC");
    window->openCommandLine(p);
    EXPECT_EQ(design().dataPointCount, 2);
    EXPECT_FALSE(design().modified);
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart ") + p);
}

TEST_F(FileCommandTest, CommandLineFailures)
{
    window->openCommandLine(path("none.zvc"));
    EXPECT_EQ(lastText(), QStringLiteral("Error while opening file '%1'").arg(path("none.zvc")));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart <unnamed>"));
    QFile junk(path("junk.zvc"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("hello\r\n");
    junk.close();
    window->openCommandLine(path("junk.zvc"));
    EXPECT_EQ(lastText(), QStringLiteral("Error while reading file '%1'").arg(path("junk.zvc")));
    const std::size_t shown = recorder.messages.size();
    window->openCommandLine(path("notes.txt")); // neither kind: ignored
    EXPECT_EQ(recorder.messages.size(), shown);
}

TEST(CommandLineKind, SearchedAnywhereInAnyCase)
{
    EXPECT_EQ(commandLineKind(QStringLiteral("/data/AMP.S2P")), CommandLineFile::Touchstone);
    EXPECT_EQ(commandLineKind(QStringLiteral("/x.s2p/design.zvc")), CommandLineFile::Touchstone);
    EXPECT_EQ(commandLineKind(QStringLiteral("/x/Design.ZVC")), CommandLineFile::Design);
    EXPECT_EQ(commandLineKind(QStringLiteral("/x/readme.txt")), CommandLineFile::None);
}

TEST_F(FileCommandTest, CommandLineTouchstoneOpensSPlotMode)
{
    const QString file = QStringLiteral(ZELVO_TESTDATA_DIR "/touchstone/F5P16C.S2P");
    if (!QFile::exists(file))
        GTEST_SKIP() << "no test data";
    window->openCommandLine(file);
    EXPECT_EQ(state.mode, AppMode::SPlot);
    EXPECT_TRUE(state.sparams.loaded);
    EXPECT_GT(state.sparams.pointCount, 0);
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart, s-Plot - Mode    ") + file);
    EXPECT_EQ(window->menu().action(Command::WindowFile)->text(), file);
    window->run(Command::New); // "&Close"
    EXPECT_FALSE(state.sparams.loaded);
}

TEST_F(FileCommandTest, CommandLineTouchstoneWithoutData)
{
    QFile bad(path("bad.s2p"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("! nothing\r\n");
    bad.close();
    window->openCommandLine(path("bad.s2p"));
    EXPECT_EQ(state.mode, AppMode::SPlot);
    EXPECT_EQ(lastText(), QStringLiteral("Incorrect file format. Unable\nto read data."));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Error);
}

TEST_F(FileCommandTest, DesignFileKeepsDecimalPointsInACommaLocale)
{
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"})
        if (std::setlocale(LC_ALL, name)) {
            comma = name;
            break;
        }
    if (!comma) {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    addPoint(12.5, 0.25);
    recorder.fileNames.push_back(path("comma.zvc"));
    window->run(Command::SaveAs);
    std::setlocale(LC_ALL, "C");
    QFile f(path("comma.zvc"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("12.5"));
    EXPECT_FALSE(text.contains("12,5"));
}

} // namespace
} // namespace zelvo::testing
