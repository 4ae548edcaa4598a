// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design_file.h"
#include "model/file_io.h"
#include "model/one_port.h"
#include "model/settings_file.h"
#include "model/touchstone.h"
#include "model/twoport_export.h"

#include "support/full_disk.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace zelvo;
namespace fs = std::filesystem;

namespace {

fs::path scratchDir(const std::string& name)
{
    const fs::path dir = fs::path(::testing::TempDir()) / ("zelvo_file_io_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void put(const fs::path& p, const std::string& text)
{
    std::ofstream(p, std::ios::binary) << text;
}

std::string text(const fs::path& p)
{
    return readWholeFile(p.string()).value_or("<missing>");
}

std::vector<std::string> namesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t modeOf(const fs::path& p)
{
    struct stat st {};
    EXPECT_EQ(::stat(p.c_str(), &st), 0);
    return st.st_mode & 07777;
}

SParamSet oneLineSet()
{
    SParamSet set;
    set.resizePoints(1);
    set.points[0].frequency = 1.0f;
    set.points[0].s11re = 0.5f;
    set.points[0].s21mag = 2.0f;
    set.points[0].s12mag = 0.1f;
    return set;
}

} // namespace

TEST(ReplacingWriter, LinkLoopFailsWithItsReasonAndKeepsTheLinks)
{
    const fs::path dir = scratchDir("loop");
    fs::create_symlink("b", dir / "a");
    fs::create_symlink("a", dir / "b");
    std::string why;
    EXPECT_FALSE(writeFileReplacing((dir / "a").string(), "new", &why));
    EXPECT_EQ(why, "Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(dir / "a"));
    EXPECT_TRUE(fs::is_symlink(dir / "b"));
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"a", "b"}));
}

TEST(ReplacingWriter, ModesAreKeptWhateverTheUmask)
{
    const fs::path dir = scratchDir("modes");
    const mode_t previous = ::umask(077);
    for (const mode_t mode : {0600, 0640, 0664, 0755}) {
        const fs::path p = dir / ("m" + std::to_string(mode));
        put(p, "old");
        ASSERT_EQ(::chmod(p.c_str(), mode), 0);
        EXPECT_TRUE(writeFileReplacing(p.string(), "new"));
        EXPECT_EQ(modeOf(p), mode);
        EXPECT_EQ(text(p), "new");
    }
    // A new file gets what the umask allows, as any program's would.
    EXPECT_TRUE(writeFileReplacing((dir / "fresh").string(), "x"));
    EXPECT_EQ(modeOf(dir / "fresh"), 0600u);
    ::umask(previous);
}

TEST(ReplacingWriter, ReadOnlyTargetsAreRefusedUnchanged)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    const fs::path dir = scratchDir("readonly");
    const fs::path p = dir / "locked.zvc";
    put(p, "old");
    ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
    std::string why;
    EXPECT_FALSE(writeFileReplacing(p.string(), "new", &why));
    EXPECT_EQ(why, "Permission denied");
    EXPECT_EQ(text(p), "old");
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"locked.zvc"});
}

TEST(ReplacingWriter, StaleTemporariesOfTheTargetOnlyAreRemoved)
{
    const fs::path dir = scratchDir("stale");
    const std::string prefix = temporaryPrefix((dir / "d.zvc").string());
    EXPECT_EQ(prefix, (dir / ".d.zvc.zelvo-").string());
    // Left by a killed save (no such process), by the old design and export
    // writers, and one a running save (this test's parent) still writes.
    const std::string dead = prefix + "999999999-Ab12Cd";
    const std::string live = prefix + std::to_string(::getppid()) + "-Zz9Yy8";
    put(dead, "partial");
    put(live, "busy");
    put(dir / ".d.zvc.123456-7.tmp", "old design temporary");
    put(dir / "d.zvc.zelvo-tmp3", "old export temporary");
    put(dir / ".d.zvc.qWeRt5", "old print temporary");
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(2);
    fs::last_write_time(dir / ".d.zvc.123456-7.tmp", longAgo);
    fs::last_write_time(dir / "d.zvc.zelvo-tmp3", longAgo);
    fs::last_write_time(dir / ".d.zvc.qWeRt5", longAgo);
    // An old print's name that is still being written, and one of another form.
    put(dir / ".d.zvc.aBcDe6", "recent");
    put(dir / ".d.zvc.x-y-z1", "keep");
    fs::last_write_time(dir / ".d.zvc.x-y-z1", longAgo);
    // Not ours, or another target's.
    put(dir / ".d.zvc.notes", "keep");
    put(prefix + "x", "keep");
    put((dir / ".e.zvc.zelvo-").string() + "999999999-Ab12Cd", "keep");

    ASSERT_TRUE(writeFileReplacing((dir / "d.zvc").string(), "saved"));
    EXPECT_EQ(text(dir / "d.zvc"), "saved");
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{
                                ".d.zvc.aBcDe6", ".d.zvc.notes", ".d.zvc.x-y-z1",
                                ".d.zvc.zelvo-" + std::to_string(::getppid()) + "-Zz9Yy8",
                                ".d.zvc.zelvo-x", ".e.zvc.zelvo-999999999-Ab12Cd", "d.zvc"}));
}

TEST(ExportWriter, FollowsLinksAndRefusesReadOnlyTargets)
{
    const fs::path dir = scratchDir("export");
    put(dir / "real.H2P", "old");
    fs::create_symlink("real.H2P", dir / "link.H2P");
    const SParamSet set = oneLineSet();
    const ExportResult r = exportTwoPortFile(set, ParameterKind::H, true, (dir / "link.H2P").string());
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(fs::is_symlink(dir / "link.H2P"));
    EXPECT_EQ(text(dir / "real.H2P"), exportFileText(set, ParameterKind::H, true, ""));

    if (::geteuid() == 0)
        return;
    const fs::path locked = dir / "locked.H2P";
    put(locked, "old");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    const ExportResult refused = exportTwoPortFile(set, ParameterKind::H, true, locked.string());
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message.text,
              "Error while opening file '" + locked.string() + "'\n\rPermission denied.");
    EXPECT_EQ(text(locked), "old");
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"link.H2P", "locked.H2P", "real.H2P"}));
}

namespace {

// Each reader of the program through the one way they open files: the
// problem text it reports, empty when it read the file.
struct Reader {
    const char* name;
    std::function<std::string(const std::string&)> read;
};

const Reader readers[] = {
    {"design",
     [](const std::string& path) {
         auto d = std::make_unique<Design>();
         std::string problem;
         return readDesignFile(*d, path, &problem) == designFileCannotOpen ? problem : "";
     }},
    {"touchstone",
     [](const std::string& path) {
         SParamSet set;
         const LoadResult r = loadTouchstoneFile(set, path);
         return r.status == LoadStatus::OpenFailed && r.message ? r.message->text : "";
     }},
    {"one-port", [](const std::string& path) { return loadOnePortFile(path).problem; }},
    {"settings",
     [](const std::string& path) {
         Settings s;
         return readSettings(s, path) == settingsFileFailed ? std::string("failed") : "";
     }},
};

} // namespace

TEST(WholeFileReader, FifosDevicesAndFoldersAreRefusedWithoutReading)
{
    // A FIFO with no writer would block every reader for good, and /dev/zero
    // would fill the memory: both are refused before a byte is read.
    const fs::path dir = scratchDir("special");
    const fs::path fifo = dir / "pipe.zvc";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    int checked = 0;
    for (const fs::path& path : {fifo, fs::path("/dev/zero"), dir}) {
        SCOPED_TRACE(path.string());
        const FileBytes r = readRegularFile(path.string());
        EXPECT_FALSE(r.bytes);
        EXPECT_EQ(r.failure, ReadFailure::CannotOpen);
        EXPECT_EQ(r.why, path == dir ? "Is a directory" : "Not a regular file");
        for (const Reader& reader : readers) {
            SCOPED_TRACE(reader.name);
            EXPECT_FALSE(reader.read(path.string()).empty());
        }
        ++checked;
    }
    EXPECT_EQ(checked, 3);

    SParamSet set;
    const LoadResult r = loadTouchstoneFile(set, fifo.string());
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->text,
              "Error while opening file '" + fifo.string() + "'\n\rNot a regular file.");
    EXPECT_EQ(loadOnePortFile("/dev/zero").problem,
              "Error while opening file '/dev/zero'\n\rNot a regular file.");
}

TEST(WholeFileReader, ReadsRegularFilesWholeUpToTheLimit)
{
    const fs::path dir = scratchDir("limit");
    const std::string bytes = std::string("a\0b\r\n", 5) + std::string(100000, 'x');
    put(dir / "f", bytes);
    EXPECT_EQ(readRegularFile((dir / "f").string()).bytes, bytes);
    EXPECT_EQ(readRegularFile((dir / "f").string(), bytes.size()).bytes, bytes);
    const FileBytes over = readRegularFile((dir / "f").string(), bytes.size() - 1);
    EXPECT_FALSE(over.bytes);
    EXPECT_EQ(over.failure, ReadFailure::TooLarge);
    // A file whose size the system gives as 0 is read to its end all the same.
    const FileBytes proc = readRegularFile("/proc/self/status");
    ASSERT_TRUE(proc.bytes);
    EXPECT_NE(proc.bytes->find("Name:"), std::string::npos);
    std::string why;
    EXPECT_FALSE(readWholeFile((dir / "none").string(), &why));
    EXPECT_EQ(why, "No such file or directory");
}

TEST(ReplacingWriter, FullDiskKeepsTheOldFileSaysWhyAndLeavesNoTemporary)
{
    const fs::path dir = scratchDir("full");
    const fs::path p = dir / "report.pdf";
    put(p, "previous report");
    std::string why;
    {
        const zelvo::testing::FullDisk full(4096);
        EXPECT_FALSE(writeFileReplacing(p.string(), std::string(100000, 'x'), &why));
    }
    EXPECT_EQ(why, "File too large");
    EXPECT_EQ(text(p), "previous report");
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"report.pdf"});
}

TEST(ReplacingWriter, LinksAreFollowedAndKept)
{
    const fs::path dir = scratchDir("links");
    put(dir / "real.cir", "old");
    fs::create_symlink("real.cir", dir / "link.cir");
    fs::create_symlink("link.cir", dir / "chain.cir");
    // A dangling link names the file to create, in a folder of its own.
    fs::create_directories(dir / "out");
    fs::create_symlink("out/new.cir", dir / "dangling.cir");
    fs::create_symlink("self.cir", dir / "self.cir");

    EXPECT_TRUE(writeFileReplacing((dir / "chain.cir").string(), "through two links"));
    EXPECT_EQ(text(dir / "real.cir"), "through two links");
    EXPECT_TRUE(writeFileReplacing((dir / "dangling.cir").string(), "created"));
    EXPECT_EQ(text(dir / "out" / "new.cir"), "created");
    std::string why;
    EXPECT_FALSE(writeFileReplacing((dir / "self.cir").string(), "x", &why));
    EXPECT_EQ(why, "Too many levels of symbolic links");
    for (const char* link : {"link.cir", "chain.cir", "dangling.cir", "self.cir"})
        EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"chain.cir", "dangling.cir", "link.cir",
                                                      "out", "real.cir", "self.cir"}));
    EXPECT_EQ(namesIn(dir / "out"), std::vector<std::string>{"new.cir"});
}
