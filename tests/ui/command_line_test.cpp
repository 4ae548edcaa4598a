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
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <vector>

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

std::vector<std::string> csvCells(const std::string& row)
{
    std::vector<std::string> cells;
    std::istringstream in(row);
    for (std::string c; std::getline(in, c, ',');)
        cells.push_back(c);
    if (!row.empty() && row.back() == ',')
        cells.emplace_back();
    return cells;
}

// The real program, beside the test programs in the build tree.
QString zelvoProgram()
{
    const QString program = QDir(QCoreApplication::applicationDirPath())
                                .absoluteFilePath(QStringLiteral("../apps/zelvo/zelvo"));
    return QFile::exists(program) ? program : QString();
}

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a shell command line with $Z the program, in `folder`, without a
// display unless `display` names one; the shell lets the arguments hold
// bytes that are no text in any encoding.
ProgramRun runProgram(const QString& folder, const QString& commandLine,
                      const QString& display = {}, const QString& locale = QStringLiteral("C"))
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR",
                             "LANGUAGE", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    // The tools speak the environment's language.
    env.insert(QStringLiteral("LC_ALL"), locale);
    if (!display.isEmpty())
        env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    env.insert(QStringLiteral("Z"), zelvoProgram());
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine});
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

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
        Arguments list{"zelvo"};
        list.insert(list.end(), args.begin(), args.end());
        EXPECT_EQ(classifyArguments(list, [](const std::string&) { return false; }),
                  Invocation::Tool);
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
    const auto noFiles = [](const std::string&) { return false; };
    EXPECT_EQ(classifyArguments({"zelvo"}, noFiles), Invocation::Window);
    EXPECT_EQ(classifyArguments({"zelvo", "amp.zvc"}, noFiles), Invocation::Window);
    EXPECT_EQ(classifyArguments({"zelvo", "--help"}, noFiles), Invocation::Tool);
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
    EXPECT_FALSE(needsFonts({"zelvo", "--version"}));
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
    // Full precision: every figure reads back as the very double computed.
    const std::vector<std::string> cells = csvCells(rows[1]);
    ASSERT_EQ(cells.size(), 6u) << rows[1];
    EXPECT_EQ(cells[0], "100");
    EXPECT_EQ(std::strtod(cells[1].c_str(), nullptr), set->stabilityK[0]);
    EXPECT_EQ(std::strtod(cells[2].c_str(), nullptr), set->muLoad[0]);
    EXPECT_EQ(std::strtod(cells[3].c_str(), nullptr), set->muSource[0]);
    EXPECT_EQ(cells[4], ""); // no MAG where K < 1
    EXPECT_EQ(std::strtod(cells[5].c_str(), nullptr), set->msgDb[0]);
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
    // Neither may hang a tool or fill its memory.
    ASSERT_EQ(::mkfifo(path("pipe.s2p").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(path("pipe.zvc").c_str(), 0600), 0);
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
        {{"list", "/dev/zero"}, toolFailed, "cannot be opened: Not a regular file"},
        {{"list", path("pipe.zvc")}, toolFailed, "cannot be opened: Not a regular file"},
        {{"stability", path("pipe.s2p")}, toolFailed, "Not a regular file"},
        {{"stability", "/dev/zero"}, toolFailed, "Not a regular file"},
        {{"picture", path("pipe.zvc"), "-o", path("keep.png")}, toolFailed, "Not a regular file"},
    };
    int checked = 0;
    for (const auto& row : rows) {
        const ToolRun r = run(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err;
        EXPECT_NE(r.err.find(row.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
        ++checked;
    }
    EXPECT_EQ(checked, 18);
    EXPECT_EQ(readAll(path("keep.mcf")), "previous");
    EXPECT_EQ(readAll(path("keep.png")), "previous");
    EXPECT_FALSE(std::filesystem::exists(path("keep.gif")));
    EXPECT_FALSE(std::filesystem::exists(path("no")));
}

TEST(ToolArguments, OptionsInEveryFormAndTheirRefusals)
{
    const auto parse = [](std::initializer_list<std::string> args) {
        Arguments a{"zelvo"};
        a.insert(a.end(), args.begin(), args.end());
        return parseToolArguments(a);
    };
    using O = ParsedTool::Outcome;
    const struct {
        std::initializer_list<std::string> args;
        O outcome;
        std::vector<std::string> inputs;
        std::string output;
        bool flag;
    } rows[] = {
        {{"netlist", "a.zvc", "-o", "a.mcf"}, O::Run, {"a.zvc"}, "a.mcf", false},
        {{"netlist", "-oa.mcf", "--spice", "a.zvc"}, O::Run, {"a.zvc"}, "a.mcf", true},
        {{"netlist", "--output=a=b.mcf", "a.zvc"}, O::Run, {"a.zvc"}, "a=b.mcf", false},
        {{"netlist", "a.zvc", "--output", "-x.mcf"}, O::Run, {"a.zvc"}, "-x.mcf", false},
        {{"netlist", "-o", "first", "-o", "last", "a.zvc"}, O::Run, {"a.zvc"}, "last", false},
        {{"list", "--", "-a.zvc"}, O::Run, {"-a.zvc"}, "", false},
        {{"list", "-"}, O::Run, {"-"}, "", false},
        {{"stability", "--csv", "--", "--csv"}, O::Run, {"--csv"}, "", true},
        {{"stability", "in.s2p", "-h"}, O::Help, {}, "", false},
        {{"stability", "--frobnicate", "in.s2p", "-h"}, O::BadUsage, {}, "", false},
        {{"stability", "--csv=yes", "in.s2p"}, O::BadUsage, {}, "", false},
        {{"stability", "-o", "x", "in.s2p"}, O::BadUsage, {}, "", false},
        {{"netlist", "a.zvc", "-o"}, O::BadUsage, {}, "", false},
        {{"netlist", "a.zvc", "--output="}, O::BadUsage, {}, "", false},
        {{"export", "h", "in.s2p", "-o", "out"}, O::Run, {"h", "in.s2p"}, "out", false},
        {{"export", "HZ", "in.s2p", "-o", "out"}, O::BadUsage, {}, "", false},
        {{"picture", "a.zvc", "-o", "a.PNG", "--size", "20000"}, O::Run, {"a.zvc"}, "a.PNG", false},
        {{"picture", "a.zvc", "-o", "a.png", "--size", "20001"}, O::BadUsage, {}, "", false},
        {{"picture", "a.zvc", "-o", "a.png", "--size=1e3"}, O::BadUsage, {}, "", false},
        {{"picture", "a.zvc", "-o", "a.png", "--size", "99999999999999999999"},
         O::BadUsage,
         {},
         "",
         false},
    };
    int checked = 0;
    for (const auto& row : rows) {
        const ParsedTool p = parse(row.args);
        const std::string shown = *row.args.begin() + " " + *(row.args.begin() + 1);
        EXPECT_EQ(p.outcome, row.outcome) << shown << "\n" << p.text;
        if (row.outcome == O::Run) {
            EXPECT_EQ(p.request.inputs, row.inputs) << shown;
            EXPECT_EQ(p.request.output, row.output) << shown;
            EXPECT_EQ(p.request.flag, row.flag) << shown;
        }
        if (row.outcome == O::BadUsage) {
            EXPECT_EQ(p.text.rfind("zelvo " + *(row.args.begin()) + ": ", 0), 0u) << p.text;
            EXPECT_TRUE(p.text.ends_with(" --help'.\n")) << p.text;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 20);
    EXPECT_EQ(parse({"export", "a", "in.s2p", "-o", "out"}).request.parameterKind, 'A');
    EXPECT_EQ(parse({"picture", "a.zvc", "-o", "a.svg"}).request.size, defaultPictureSize);
    EXPECT_EQ(parse({"stability", "--csv=yes", "in.s2p"}).text,
              "zelvo stability: the option '--csv' takes no value\n"
              "Try 'zelvo stability --help'.\n");
}

TEST(ToolArguments, AMisspeltCommandIsNamedWithTheCommands)
{
    const auto files = [](const std::string& name) { return name == "notes"; };
    const struct {
        Arguments args;
        Invocation expected;
    } rows[] = {
        {{"zelvo", "exprot", "H", "in.s2p", "-o", "out.h2p"}, Invocation::UnknownCommand},
        {{"zelvo", "lsit", "amp.zvc"}, Invocation::UnknownCommand},
        {{"zelvo", "notes", "-o", "x"}, Invocation::Window},   // an existing file
        {{"zelvo", "exprot"}, Invocation::Window},             // a file to open, or its error
        {{"zelvo", "new.zvc", "-o", "x"}, Invocation::Window}, // a suffix: a file name
        {{"zelvo", "lab/amp", "-o", "x"}, Invocation::Window}, // a folder: a file name
        {{"zelvo", "-style", "fusion", "amp.zvc"}, Invocation::Window}, // Qt's options
        {{"zelvo", "-h"}, Invocation::Tool},
    };
    for (const auto& row : rows)
        EXPECT_EQ(classifyArguments(row.args, files), row.expected) << row.args[1];
    const std::string text = unknownCommandText("exprot");
    EXPECT_EQ(text.rfind("zelvo: unknown command 'exprot' (did you mean 'export'?)\n", 0), 0u)
        << text;
    for (const char* command : {"export", "netlist", "list", "stability", "picture"})
        EXPECT_NE(text.find(std::string("  ") + command + " "), std::string::npos) << command;
    EXPECT_EQ(unknownCommandText("frobnicate").find("did you mean"), std::string::npos);
}

TEST(ToolArguments, NoDisplayIsOneLine)
{
    const auto env = [](std::map<std::string, std::string> vars) {
        return [vars](const char* name) -> const char* {
            const auto it = vars.find(name);
            return it == vars.end() ? nullptr : it->second.c_str();
        };
    };
    const std::optional<std::string> none = missingDisplayText(env({{"DISPLAY", ""}}));
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->find('\n'), std::string::npos);
    EXPECT_EQ(none->rfind("zelvo: no display", 0), 0u);
    EXPECT_FALSE(missingDisplayText(env({{"DISPLAY", ":0"}})));
    EXPECT_FALSE(missingDisplayText(env({{"WAYLAND_DISPLAY", "wayland-0"}})));
    EXPECT_FALSE(missingDisplayText(env({{"QT_QPA_PLATFORM", "offscreen"}})));
}

TEST(ToolArguments, StabilityFiguresKeepFourSignificantDigitsInTheirColumn)
{
    const struct {
        double value;
        int decimals;
        const char* text;
    } rows[] = {
        {0.000398, 4, "0.0003980"}, {1.4396392, 4, "1.4396"},       {0.5, 4, "0.5000"},
        {0.0012345, 4, "0.001234"}, {1.174e-6, 4, "1.174e-06"},     {-0.0002162, 3, "-0.0002162"},
        {12345.6, 4, "1.235e+04"},  {-9876.54321, 4, "-9876.5432"}, {0.0, 4, "0.0000"},
        {15.234, 3, "15.234"},      {-3.936111, 3, "-3.936"},       {-2e-9, 3, "-2.000e-09"},
    };
    for (const auto& row : rows) {
        const std::string t = stabilityTableNumber(row.value, row.decimals);
        EXPECT_EQ(t, row.text) << row.value;
        EXPECT_LE(t.size(), 10u) << t;
    }
}

TEST_F(CommandLineTest, StabilityShowsASmallKWithItsDigits)
{
    // |S11| = 0.90151, |S22| = 0.5, |S12| = 0.1, |S21| = 2, all at 0 degrees:
    // K = (1 - |S11|^2 - |S22|^2 + |D|^2) / (2 |S12 S21|) = 0.000394.
    std::ofstream(path("small.s2p")) << "# GHz S MA R 50\n1 0.90151 0 2 0 0.1 0 0.5 0\n";
    const ToolRun table = run({"stability", path("small.s2p")});
    EXPECT_EQ(table.exitCode, 0) << table.err;
    EXPECT_NE(table.out.find("  0.000394"), std::string::npos) << table.out;
    EXPECT_EQ(table.out.find("0.0000 "), std::string::npos) << table.out;
    const ToolRun csv = run({"stability", "--csv", path("small.s2p")});
    std::istringstream lines(csv.out);
    std::string header, row;
    std::getline(lines, header);
    std::getline(lines, row);
    auto set = std::make_unique<SParamSet>();
    ASSERT_EQ(loadTouchstoneFile(*set, path("small.s2p")).status, LoadStatus::Ok);
    EXPECT_NEAR(set->stabilityK[0], 0.000394, 0.000002); // float storage of the S-parameters
    EXPECT_EQ(std::strtod(csvCells(row).at(1).c_str(), nullptr), set->stabilityK[0]) << row;
}

// Names in bytes that are no UTF-8 (Latin-1 "café") reach the file system as
// given, for inputs and outputs, and the messages repeat them.
TEST_F(CommandLineTest, FileNamesAreTheArgumentBytes)
{
    const std::string dirName = dir.path().toStdString() + "/";
    const std::string design = dirName + "d\xe9sign.zvc";
    std::filesystem::copy_file(path("amp.zvc"), design);
    const ToolRun net = run({"netlist", design, "-o", dirName + "caf\xe9.mcf"});
    EXPECT_EQ(net.exitCode, 0) << net.err;
    EXPECT_NE(net.out.find("caf\xe9.mcf"), std::string::npos) << net.out;
    EXPECT_TRUE(std::filesystem::exists(dirName + "caf\xe9.mcf"));
    const ToolRun list = run({"list", design});
    EXPECT_EQ(list.exitCode, 0) << list.err;
    const ToolRun picture = run({"picture", design, "-o", dirName + "caf\xe9.svg"});
    EXPECT_EQ(picture.exitCode, 0) << picture.err;
    EXPECT_TRUE(std::filesystem::exists(dirName + "caf\xe9.svg"));
    EXPECT_EQ(run({"list", dirName + "caf\xe9.zvc"}).err,
              "zelvo list: " + dirName + "caf\xe9.zvc cannot be opened: No such file or directory\n");

    if (zelvoProgram().isEmpty())
        GTEST_SKIP() << "the zelvo program is not built";
    const ProgramRun real = runProgram(
        dir.path(), QStringLiteral("\"$Z\" list \"$(printf 'd\\351sign.zvc')\" && "
                                   "\"$Z\" netlist --spice \"$(printf 'd\\351sign.zvc')\" -o "
                                   "\"$(printf 'r\\351el.cir')\""));
    EXPECT_EQ(real.exitCode, 0) << real.err.toStdString();
    EXPECT_TRUE(std::filesystem::exists(dirName + "r\xe9"
                                                  "el.cir"));
}

TEST_F(CommandLineTest, FailedSavesGiveTheSystemsReason)
{
    for (const bool spice : {false, true}) {
        Arguments args{"netlist", path("amp.zvc"), "-o", path("no/such/dir.cir")};
        if (spice)
            args.insert(args.begin() + 1, "--spice");
        Arguments all{"zelvo"};
        all.insert(all.end(), args.begin(), args.end());
        const ToolRun r = runTool(all);
        EXPECT_EQ(r.exitCode, toolFailed);
        EXPECT_EQ(r.err, "zelvo netlist: Error while writing file '" + path("no/such/dir.cir") +
                             "' No such file or directory.\n");
    }
    std::filesystem::create_symlink("loop-b.png", path("loop-a.png"));
    std::filesystem::create_symlink("loop-a.png", path("loop-b.png"));
    const ToolRun loop = run({"picture", path("amp.zvc"), "-o", path("loop-a.png")});
    EXPECT_EQ(loop.exitCode, toolFailed);
    EXPECT_EQ(loop.err, "zelvo picture: Error while writing file '" + path("loop-a.png") +
                            "' Too many levels of symbolic links.\n");
    EXPECT_TRUE(std::filesystem::is_symlink(path("loop-a.png")));
}

TEST_F(CommandLineTest, PictureSizeIsPixelsAndTheHelpSaysSo)
{
    const ToolRun help = run({"picture", "--help"});
    EXPECT_NE(help.out.find("--size <N>          The longer side in pixels"), std::string::npos)
        << help.out;
    EXPECT_NE(help.out.find("PDF and SVG pages are laid out at 300 dpi"), std::string::npos);
    EXPECT_EQ(help.out.find("points"), std::string::npos);
}

// Without a display the window cannot open: one line and exit code 1, not
// Qt's abort; a misspelt command lists the commands instead.
TEST_F(CommandLineTest, TheRealProgramWithoutADisplay)
{
    if (zelvoProgram().isEmpty())
        GTEST_SKIP() << "the zelvo program is not built";
    const QString amp = QString::fromStdString(path("amp.zvc"));
    const ProgramRun unset = runProgram(dir.path(), QStringLiteral("\"$Z\" amp.zvc"));
    EXPECT_EQ(unset.exitCode, 1);
    EXPECT_TRUE(unset.err.startsWith("zelvo: no display")) << unset.err.toStdString();
    EXPECT_EQ(unset.err.count('\n'), 1) << unset.err.toStdString();

    const ProgramRun gone =
        runProgram(dir.path(), QStringLiteral("\"$Z\" amp.zvc"), QStringLiteral(":9876"));
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_TRUE(gone.err.startsWith("zelvo: cannot open the window")) << gone.err.toStdString();
    EXPECT_EQ(gone.err.count('\n'), 1) << gone.err.toStdString();

    const ProgramRun misspelt =
        runProgram(dir.path(), QStringLiteral("\"$Z\" exprot H in.s2p -o out.h2p"));
    EXPECT_EQ(misspelt.exitCode, toolBadUsage);
    EXPECT_TRUE(
        misspelt.err.startsWith("zelvo: unknown command 'exprot' (did you mean 'export'?)\n"))
        << misspelt.err.toStdString();
    EXPECT_TRUE(misspelt.err.contains("  stability IN.s2p"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("out.h2p"))));
}

// On a Chinese system the tools say everything in Chinese, and write the
// same files as anywhere else.
TEST_F(CommandLineTest, TheRealProgramSpeaksTheSystemsLanguage)
{
    if (zelvoProgram().isEmpty())
        GTEST_SKIP() << "the zelvo program is not built";
    const QString zh = QStringLiteral("zh_CN.UTF-8");
    const ProgramRun misspelt =
        runProgram(dir.path(), QStringLiteral("\"$Z\" exprot H in.s2p -o out.h2p"), {}, zh);
    EXPECT_TRUE(misspelt.err.startsWith(
        QStringLiteral("zelvo：未知命令 'exprot'（您是否要用 'export'？）\n").toUtf8()))
        << misspelt.err.toStdString();
    const ProgramRun noDisplay = runProgram(dir.path(), QStringLiteral("\"$Z\" amp.zvc"), {}, zh);
    EXPECT_TRUE(noDisplay.err.startsWith(QStringLiteral("zelvo：没有可以打开窗口的显示").toUtf8()))
        << noDisplay.err.toStdString();
    const ProgramRun usage = runProgram(dir.path(), QStringLiteral("\"$Z\" netlist amp.zvc"), {}, zh);
    EXPECT_EQ(usage.exitCode, toolBadUsage);
    EXPECT_EQ(usage.err,
              QStringLiteral("zelvo netlist: 缺少输出文件（-o OUT）\n请参阅 'zelvo netlist --help'。\n")
                  .toUtf8())
        << usage.err.toStdString();
    const ProgramRun missing =
        runProgram(dir.path(), QStringLiteral("\"$Z\" list none.zvc"), {}, zh);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("zelvo list: none.zvc 无法打开").toUtf8()))
        << missing.err.toStdString();

    for (const QString& locale : {QStringLiteral("C"), zh}) {
        const QString suffix = locale == zh ? QStringLiteral("zh") : QStringLiteral("en");
        const ProgramRun net = runProgram(
            dir.path(),
            QStringLiteral("\"$Z\" netlist --spice amp.zvc -o %1.cir && \"$Z\" touchstone amp.zvc "
                           "-o %1.s2p")
                .arg(suffix),
            {}, locale);
        EXPECT_EQ(net.exitCode, 0) << net.err.toStdString();
    }
    for (const char* kind : {".cir", ".s2p"})
        EXPECT_EQ(readAll(path((std::string("en") + kind).c_str())),
                  readAll(path((std::string("zh") + kind).c_str())))
            << kind;
}

} // namespace
} // namespace zelvo
