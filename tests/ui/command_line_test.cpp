// The command-line tools against what the menu commands write.
#include "ui/command_line.h"

#include "model/design_file.h"
#include "model/netlist.h"
#include "model/point_list.h"
#include "model/spice_netlist.h"
#include "model/touchstone.h"
#include "model/twoport_export.h"
#include "support/element_builders.h"

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
    for (const char* tool : {"export H|Z|Y|A", "netlist [--spice]", "list DESIGN", "stability IN"})
        EXPECT_NE(help.out.find(tool), std::string::npos) << tool;
    const ToolRun exportHelp = run({"export", "--help"});
    EXPECT_EQ(exportHelp.exitCode, 0);
    EXPECT_EQ(exportHelp.out.rfind("Usage: zelvo export H|Z|Y|A", 0), 0u) << exportHelp.out;
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

TEST_F(CommandLineTest, FailuresSayWhyAndWriteNothing)
{
    std::ofstream(path("keep.mcf")) << "previous";
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
    };
    int checked = 0;
    for (const auto& row : rows) {
        const ToolRun r = run(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err;
        EXPECT_NE(r.err.find(row.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
        ++checked;
    }
    EXPECT_EQ(checked, 9);
    EXPECT_EQ(readAll(path("keep.mcf")), "previous");
    EXPECT_FALSE(std::filesystem::exists(path("no")));
}

} // namespace
} // namespace zelvo
