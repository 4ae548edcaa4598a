// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The "PRINT" dialogs, the progress window's Cancel, printer set-up and the
// picture export, driven through the real main window.
#include "main_window_fixture.h"
#include "render/render_fixtures.h"
#include "ui/dialogs/print_dialog.h"
#include "ui/printing.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace zelvo::testing {
namespace {

QCheckBox* box(QDialog& d, int control)
{
    return d.findChild<QCheckBox*>(QStringLiteral("control%1").arg(control));
}

struct PrintDialogTest : MainWindowTest {
    QTemporaryDir dir;
    QString target;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        // A PDF printer as on a machine without a print system.
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setResolution(300);
        state.print.printer = printer;
        target = dir.filePath(QStringLiteral("report.pdf"));
        Design d = everyKindDesign();
        d.fileName = "/lab/amp.zvc";
        state.design = d;
    }
    QDialog* progressWindow() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("printingProgress") && w->isVisible())
                return static_cast<QDialog*>(w);
        return nullptr;
    }
};

TEST_F(PrintDialogTest, ChartBoxGatesItsLayersAndTheRadioPairKeepsOneColourBit)
{
    state.settings.schematicTextAngle = 900; // the settings file asked for turned text
    ModalScript script;
    std::uint16_t seen = 0;
    script.then([&](QDialog& d) {
        ASSERT_NE(box(d, 1008), nullptr);
        EXPECT_TRUE(box(d, 1101)->isChecked()); // from the settings, the first time
        box(d, 1008)->click();                  // chart off: its layers gray
        for (int id : {1010, 1011, 1013, 1012, 1015, 1040, 1059, 1063, 1064, 1094})
            EXPECT_FALSE(box(d, id)->isEnabled()) << id;
        EXPECT_TRUE(box(d, 1009)->isEnabled());
        EXPECT_TRUE(box(d, 1014)->isEnabled());
        box(d, 1008)->click();
        EXPECT_TRUE(box(d, 1012)->isEnabled());
        box(d, 1012)->click(); // Q off
        d.findChild<QRadioButton*>(QStringLiteral("control1042"))->click();
        seen = static_cast<PrintDialog&>(d).workingFlags();
        d.reject();
    });
    window->run(Command::Print);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(seen & (printBlackWhite | printScreenColours), printBlackWhite);
    EXPECT_EQ(seen & printQCircles, 0);
    // Cancel keeps the run's flags as they were, but the settings' turn
    // counted once: unticking it later sticks.
    EXPECT_EQ(state.print.flags & printQCircles, printQCircles);
    EXPECT_TRUE(state.print.flagsShown);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST_F(PrintDialogTest, OkStoresTheFlagsAndPrintsToTheChosenPdf)
{
    recorder.fileNames.push_back(target);
    ModalScript script;
    script.then([&](QDialog& d) {
        EXPECT_TRUE(d.findChild<QLabel*>(QStringLiteral("control1039"))
                        ->text()
                        .startsWith(QStringLiteral("PDF file, ")));
        box(d, 1014)->click(); // no comments page
        box(d, 1101)->click(); // turned schematic texts
        clickOk(d);
    });
    window->run(Command::Print);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_TRUE(recorder.messages.empty()) << recorder.lastMessage().toStdString();
    ASSERT_TRUE(QFileInfo::exists(target));
    EXPECT_EQ(state.print.flags & printComments, 0);
    EXPECT_EQ(state.settings.schematicTextAngle, 900);
    ASSERT_EQ(recorder.fileDialogs.size(), 1u);
    EXPECT_EQ(recorder.fileDialogs[0].directory, QStringLiteral("/lab/amp.pdf"));
    QFile pdf(target);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(PrintDialogTest, NothingCheckedIsSaidBeforeAFileIsAskedFor)
{
    recorder.fileNames.push_back(target);
    ModalScript script;
    bool open = false;
    script.then([&](QDialog& d) {
        for (int id : {1008, 1009, 1014})
            if (box(d, id)->isChecked())
                box(d, id)->click();
        clickOk(d);
        open = d.isVisible(); // the choice can be made again
        d.reject();
    });
    window->run(Command::Print);
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(open);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              QStringLiteral("Nothing to print.\nCheck Zelvo Chart, Schematic or Comments."));
    EXPECT_EQ(recorder.messages[0].title, QStringLiteral("ERROR"));
    EXPECT_TRUE(recorder.fileDialogs.empty());
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(PrintDialogTest, SPlotPrintWithoutAFileSaysSoAndAsksNothing)
{
    window->run(Command::SPlotMode);
    ASSERT_FALSE(state.sparams.loaded);
    recorder.fileNames.push_back(target);
    ModalScript script;
    window->run(Command::Print);
    EXPECT_TRUE(script.seen().empty()); // no dialog at all
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              QStringLiteral("No s-Parameter file opened.\nOpen a file to print its plots."));
    EXPECT_EQ(recorder.messages[0].title, QString());
    EXPECT_TRUE(recorder.fileDialogs.empty());
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(PrintDialogTest, CancelInTheProgressWindowEndsTheJobAndFreesTheDialog)
{
    recorder.fileNames.push_back(target);
    bool bodyEnabledAfterCancel = false;
    bool progressSeen = false;
    ModalScript script;
    script.then([&](QDialog& d) {
        // The job pumps events between layers: cancel as soon as the window shows.
        auto* poll = new QTimer(&d);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            QDialog* progress = progressWindow();
            if (!progress)
                return;
            progressSeen = true;
            EXPECT_EQ(progress->windowTitle(), QStringLiteral("Printing"));
            EXPECT_FALSE(box(d, 1008)->isEnabled()); // the dialog waits for the job
            progress->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
            bodyEnabledAfterCancel = box(d, 1008)->isEnabled();
            poll->stop();
        });
        poll->start(0);
        clickOk(d);
    });
    window->run(Command::Print);
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(progressSeen);
    EXPECT_TRUE(bodyEnabledAfterCancel);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(PrintDialogTest, UnwritableTargetIsReportedAndWritesNothing)
{
    const QString missing = dir.filePath(QStringLiteral("gone/report.pdf"));
    recorder.fileNames.push_back(missing);
    ModalScript script;
    script.then([](QDialog& d) { clickOk(d); });
    window->run(Command::Print);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, QString()); // no input validation
    EXPECT_TRUE(
        recorder.messages[0].text.startsWith(QStringLiteral("Could not initialize printer")));
    EXPECT_TRUE(recorder.messages[0].text.contains(dir.filePath(QStringLiteral("gone"))));
    EXPECT_EQ(recorder.beeps, 1);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(PrintDialogTest, SetupRefreshesThePrinterTextAndMenuSetupUsesTheSamePrinter)
{
    recorder.printerSetups.push_back([&](QPrinter& p) {
        p.setOutputFileName(target);
        return true;
    });
    ModalScript script;
    QString before, after;
    script.then([&](QDialog& d) {
        auto* text = d.findChild<QLabel*>(QStringLiteral("control1039"));
        before = text->text();
        clickButton(d, "setup");
        after = text->text();
        d.reject();
    });
    window->run(Command::Print);
    EXPECT_NE(before, after);
    EXPECT_TRUE(after.contains(QDir::toNativeSeparators(target))) << after.toStdString();
    window->run(Command::PrinterSetup);
    EXPECT_EQ(recorder.printerSetupCalls, 2);
}

TEST_F(PrintDialogTest, SPlotPrintWritesThreePages)
{
    const QString file = QStringLiteral(ZELVO_TESTDATA_DIR "/touchstone/ind.s2p");
    if (!QFileInfo::exists(file))
        GTEST_SKIP() << "test data absent";
    window->run(Command::SPlotMode);
    recorder.fileNames.push_back(file);
    window->run(Command::Open);
    ASSERT_TRUE(state.sparams.loaded);
    recorder.fileNames.push_back(target);
    ModalScript script;
    script.then([](QDialog& d) {
        EXPECT_NE(d.findChild<QLabel*>(QStringLiteral("control1039")), nullptr);
        clickOk(d);
    });
    window->run(Command::Print);
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(recorder.messages.empty()) << recorder.lastMessage().toStdString();
    EXPECT_TRUE(QFileInfo::exists(target));
}

TEST_F(PrintDialogTest, ExportPictureWritesTheChosenViewAtTheChosenSize)
{
    const QString png = dir.filePath(QStringLiteral("schematic.png"));
    recorder.fileNames.push_back(png);
    ModalScript script;
    script.then([](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("view1"))->click(); // Schematic
        d.findChild<QSpinBox*>(QStringLiteral("size"))->setValue(900);
        clickOk(d);
    });
    window->run(Command::ExportPicture);
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(recorder.messages.empty()) << recorder.lastMessage().toStdString();
    const QImage img(png);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(std::max(img.width(), img.height()), 900);
    EXPECT_EQ(state.memory.pictureSize, 900);
}

} // namespace
} // namespace zelvo::testing
