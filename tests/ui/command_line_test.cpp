// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The command-line tools against what the menu commands write.
#include "ui/command_line.h"

#include "model/design_file.h"
#include "model/netlist.h"
#include "model/point_list.h"
#include "model/settings_file.h"
#include "model/spice_netlist.h"
#include "model/touchstone.h"
#include "model/twoport_export.h"
#include "release.h"
#include "support/element_builders.h"
#include "ui/picture_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace zelvo {
namespace {

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::string touchstone = std::string(ZELVO_TESTDATA_DIR) + "/touchstone/";

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        design = std::make_unique<Design>();
        resetDesign(*design);
        appendDataPoint(*design, {12.5, -30, 900e6});
        appendDataPoint(*design, {20, -25, 1.2e9});
        appendElement(*design, testing::element(ElementKind::IS, 8e-9));
        appendElement(*design, testing::element(ElementKind::LPO, 0.1, 60.0f));
        appendElement(*design, testing::element(ElementKind::CP, 2e-12));
        ASSERT_EQ(writeDesignFile(*design, path("amp.zvc")), designFileOk);
    }

    std::string path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }

    ToolRun run(std::initializer_list<std::string> args) const
    {
        QStringList list{QStringLiteral("zelvo")};
        for (const std::string& a : args)
            list << QString::fromStdString(a);
        EXPECT_TRUE(isToolInvocation(list));
        return runTool(list);
    }

    // The design as the program reads it back.
    std::unique_ptr<Design> reread() const
    {
        auto d = std::make_unique<Design>();
        resetDesign(*d);
        EXPECT_EQ(readDesignFile(*d, path("amp.zvc")), designFileOk);
        d->fileName = path("amp.zvc");
        return d;
    }

    QTemporaryDir dir;
    std::unique_ptr<Design> design;
};

TEST_F(CommandLineTest, OnlyToolNamesAndHelpLeaveTheWindowOut)
{
    EXPECT_FALSE(isToolInvocation({QStringLiteral("zelvo")}));
    EXPECT_FALSE(isToolInvocation({QStringLiteral("zelvo"), QStringLiteral("amp.zvc")}));
    EXPECT_TRUE(isToolInvocation({QStringLiteral("zelvo"), QStringLiteral("--help")}));
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* tool : {"export H|Z|Y|A", "netlist [--spice]", "list DESIGN", "stability IN",
                             "picture [--schematic]"})
        EXPECT_NE(help.out.find(tool), std::string::npos) << tool;
    const ToolRun exportHelp = run({"export", "--help"});
    EXPECT_EQ(exportHelp.exitCode, 0);
    EXPECT_EQ(exportHelp.out.rfind("Usage: zelvo export H|Z|Y|A", 0), 0u) << exportHelp.out;
}

TEST_F(CommandLineTest, VersionNamesTheReleaseAndTheLicence)
{
    const ToolRun r = run({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind("zelvo " + std::string(release::version) + "\n", 0), 0u) << r.out;
    for (const char* text : {"Copyright (C) 2026 The Zelvo developers", "GPL-3.0-or-later",
                             "This program comes with ABSOLUTELY NO WARRANTY."})
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
    EXPECT_FALSE(needsFonts({QStringLiteral("zelvo"), QStringLiteral("--version")}));
}

TEST_F(CommandLineTest, ExportWritesWhatTheMenuWrites)
{
    const std::string in = touchstone + "ntwk1.s2p";
    if (!std::filesystem::exists(in))
        GTEST_SKIP() << "no test data";
    const ToolRun r = run({"export", "y", "--normalize", in, "-o", path("out.y2p")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Y-parameter-file '" + path("out.y2p") + "' created\n");
    auto set = std::make_unique<SParamSet>();
    ASSERT_EQ(loadTouchstoneFile(*set, in).status, LoadStatus::Ok);
    EXPECT_EQ(readAll(path("out.y2p")), exportFileText(*set, ParameterKind::Y, true, readAll(in)));
}

TEST_F(CommandLineTest, NetlistListAndStabilityMatchTheProgram)
{
    const ToolRun net = run({"netlist", path("amp.zvc"), "-o", path("amp.mcf")});
    EXPECT_EQ(net.exitCode, 0) << net.err;
    const auto d = reread();
    EXPECT_EQ(readAll(path("amp.mcf")), netlistText(*d, path("amp.mcf"), path("amp.zvc")));
    const ToolRun spice = run({"netlist", "--spice", path("amp.zvc"), "-o", path("amp.cir")});
    EXPECT_EQ(spice.exitCode, 0) << spice.err;
    EXPECT_EQ(readAll(path("amp.cir")), spiceNetlistText(*d, path("amp.zvc")));

    const ToolRun list = run({"list", path("amp.zvc")});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out, commentsText(*d));
    EXPECT_NE(list.out.find("DP-Nr. 2"), std::string::npos);

    const std::string in = touchstone + "NE02103.s2p";
    if (!std::filesystem::exists(in))
        return;
    const ToolRun csv = run({"stability", in, "--csv"});
    EXPECT_EQ(csv.exitCode, 0);
    // Header and nine points; the first is potentially unstable (no MAG).
    std::istringstream lines(csv.out);
    std::vector<std::string> rows;
    for (std::string l; std::getline(lines, l);)
        rows.push_back(l);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], "f [MHz],K,mu,mu',MAG [dB],MSG [dB]");
    auto set = std::make_unique<SParamSet>();
    ASSERT_EQ(loadTouchstoneFile(*set, in).status, LoadStatus::Ok);
    char expected[200];
    std::snprintf(expected, sizeof expected, "100,%.4f,%.4f,%.4f,,%.3f", set->stabilityK[0],
                  set->muLoad[0], set->muSource[0], set->msgDb[0]);
    EXPECT_EQ(rows[1], expected);
    const ToolRun table = run({"stability", in});
    EXPECT_NE(table.out.find("-------"), std::string::npos);
}

TEST_F(CommandLineTest, PictureDrawsWhatExportPictureDrawsInTheUsersColours)
{
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    auto settings = std::make_unique<Settings>();
    settings->zChartColour = rgb(0, 90, 200);
    std::filesystem::create_directories(path("zelvo"));
    ASSERT_EQ(writeSettings(*settings, defaultSettingsPath()), 0);
    const auto d = reread();
    const auto same = [&](const std::string& cli, const std::string& gui) {
        EXPECT_FALSE(readAll(cli).empty());
        EXPECT_EQ(readAll(cli), readAll(gui)) << cli;
    };
    for (const char* name : {"amp.svg", "amp.png"}) {
        const ToolRun r = run({"picture", path("amp.zvc"), "-o", path(name)});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        const std::string gui = path("gui-") + name;
        EXPECT_EQ(exportChartPicture(*d, *settings, QString::fromStdString(gui)), QString());
        same(path(name), gui);
    }
    const ToolRun s = run({"picture", "--schematic", "--size", "600", path("amp.zvc"), "-o",
                           path("net.png")});
    EXPECT_EQ(s.exitCode, 0) << s.err;
    EXPECT_EQ(exportPicture({d.get(), nullptr, settings.get()}, PictureView::Schematic,
                            QString::fromStdString(path("gui-net.png")), 600),
              QString());
    same(path("net.png"), path("gui-net.png"));
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

// The real program, with no display at all: the picture tool finds a
// platform of its own and keeps Qt's notes out of the error output.
TEST_F(CommandLineTest, PictureRunsWithoutADisplay)
{
    const QString program = QDir(QCoreApplication::applicationDirPath())
                                .absoluteFilePath(QStringLiteral("../apps/zelvo/zelvo"));
    if (!QFile::exists(program))
        GTEST_SKIP() << "the zelvo program is not built";
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    p.setProcessEnvironment(env);
    p.start(program, {QStringLiteral("picture"), QString::fromStdString(path("amp.zvc")),
                      QStringLiteral("-o"), QString::fromStdString(path("amp.pdf"))});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardError(), QByteArray());
    EXPECT_EQ(readAll(path("amp.pdf")).rfind("%PDF", 0), 0u);
}

TEST_F(CommandLineTest, FailuresSayWhyAndWriteNothing)
{
    std::ofstream(path("keep.mcf")) << "previous";
    std::ofstream(path("keep.png")) << "previous";
    std::ofstream(path("junk.s2p")) << "no option line here\n1 2 3\n";
    std::ofstream(path("junk.zvc")) << "not a design\n";
    const struct {
        std::initializer_list<std::string> args;
        int exitCode;
        const char* says;
    } rows[] = {
        {{"export", "Q", path("junk.s2p"), "-o", path("keep.mcf")}, toolBadUsage, "H, Z, Y or A"},
        {{"export", "H", path("junk.s2p")}, toolBadUsage, "-o OUT"},
        {{"export", "H", path("junk.s2p"), "-o", path("keep.mcf")}, toolFailed, "Incorrect file format"},
        {{"export", "H", path("missing.s2p"), "-o", path("keep.mcf")}, toolFailed, "Error while opening"},
        {{"netlist", path("missing.zvc"), "-o", path("keep.mcf")}, toolFailed, "cannot be opened"},
        {{"netlist", path("junk.zvc"), "-o", path("keep.mcf")}, toolFailed, "not a Zelvo design"},
        {{"netlist", path("amp.zvc"), "-o", path("no/such/dir.mcf")}, toolFailed, "Error while writing"},
        {{"list"}, toolBadUsage, "1 argument(s) expected, 0 given"},
        {{"stability", "--frobnicate", path("junk.s2p")}, toolBadUsage, "frobnicate"},
        {{"picture", path("amp.zvc"), "-o", path("keep.gif")}, toolBadUsage, ".pdf, .svg or .png"},
        {{"picture", "--size", "5", path("amp.zvc"), "-o", path("keep.png")}, toolBadUsage,
         "from 100 to 20000"},
        {{"picture", path("junk.zvc"), "-o", path("keep.png")}, toolFailed, "not a Zelvo design"},
        {{"picture", path("amp.zvc"), "-o", path("no/such/dir.png")}, toolFailed,
         "Error while writing"},
    };
    int checked = 0;
    for (const auto& row : rows) {
        const ToolRun r = run(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err;
        EXPECT_NE(r.err.find(row.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
        ++checked;
    }
    EXPECT_EQ(checked, 13);
    EXPECT_EQ(readAll(path("keep.mcf")), "previous");
    EXPECT_EQ(readAll(path("keep.png")), "previous");
    EXPECT_FALSE(std::filesystem::exists(path("keep.gif")));
    EXPECT_FALSE(std::filesystem::exists(path("no")));
}

} // namespace
} // namespace zelvo
