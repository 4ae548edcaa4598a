// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/file_io.h"

#include "core/format.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <new>
#include <random>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvo {

namespace fs = std::filesystem;

namespace {

// As the kernel allows when it resolves a path itself.
constexpr int maxLinkHops = 40;

std::string reasonOf(int error)
{
    return std::strerror(error);
}

bool fail(std::string* why, const std::string& reason)
{
    if (why)
        *why = reason;
    return false;
}

// The file a path finally names, through any chain of symbolic links, or the
// errno that stops it (ELOOP for a loop).
struct Resolved {
    fs::path path;
    int error = 0;
};

Resolved resolveLinks(fs::path target)
{
    for (int hops = 0; hops <= maxLinkHops; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return {target, 0}; // a missing file is created where the chain ends
        std::error_code ec;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec)
            return {target, ec.value()};
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return {target, ELOOP};
}

fs::path folderOf(const fs::path& target)
{
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

std::string randomLetters(std::size_t n)
{
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine{std::random_device{}() ^
                                        static_cast<std::uint64_t>(::getpid())};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string s(n, 'x');
    for (char& c : s)
        c = letters[pick(engine)];
    return s;
}

// A new file "<prefix><pid>-XXXXXX" next to the target, created exclusively
// with `mode`, so no file of the user is ever truncated and the copy is never
// readable by more people than the original. -1 with errno set on failure.
int createTemporary(const fs::path& target, mode_t mode, fs::path& tmp)
{
    const std::string prefix = temporaryPrefix(target.string()) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        tmp = prefix + randomLetters(6);
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool ageAbove(const fs::directory_entry& entry, std::chrono::seconds age)
{
    std::error_code ec;
    const auto written = entry.last_write_time(ec);
    return !ec && fs::file_time_type::clock::now() - written > age;
}

bool allDigits(std::string_view s)
{
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

bool allLettersOrDigits(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// "." + name + suffix, appended piece by piece: GCC 12 at -O2 and above
// reports a false -Wrestrict on "." + std::string.
std::string hiddenName(const std::string& name, std::string_view suffix)
{
    std::string s;
    s.reserve(1 + name.size() + suffix.size());
    s += '.';
    s += name;
    s += suffix;
    return s;
}

// Whether `name` is a temporary of an earlier save of `file` that no running
// save still writes: its process is gone, or it is far older than any save.
// Also the names earlier versions used (".name.<n>-<n>.tmp", "name.zelvo-tmp<n>",
// ".name.XXXXXX").
bool isStaleTemporary(const fs::directory_entry& entry, const std::string& file)
{
    const std::string name = entry.path().filename().string();
    const std::string prefix = hiddenName(file, ".zelvo-");
    if (name.starts_with(prefix)) {
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == std::string_view::npos || !allDigits(rest.substr(0, dash)))
            return false;
        const long pid = std::strtol(std::string(rest.substr(0, dash)).c_str(), nullptr, 10);
        const bool gone = pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0
                          && errno == ESRCH;
        return gone || ageAbove(entry, std::chrono::hours(1));
    }
    // PDF prints of earlier versions: ".name.XXXXXX", six letters or digits.
    const std::string oldPrint = hiddenName(file, ".");
    if (name.size() == oldPrint.size() + 6 && name.starts_with(oldPrint)
        && allLettersOrDigits(std::string_view(name).substr(oldPrint.size())))
        return ageAbove(entry, std::chrono::hours(1));
    const std::string oldExport = file + ".zelvo-tmp";
    if (name.starts_with(oldExport) && allDigits(std::string_view(name).substr(oldExport.size())))
        return ageAbove(entry, std::chrono::minutes(1));
    const std::string oldDesign = hiddenName(file, ".");
    if (name.starts_with(oldDesign) && name.ends_with(".tmp")) {
        const std::string_view mid = std::string_view(name).substr(
            oldDesign.size(), name.size() - oldDesign.size() - 4);
        const std::size_t dash = mid.find('-');
        return dash != std::string_view::npos && allDigits(mid.substr(0, dash))
               && allDigits(mid.substr(dash + 1)) && ageAbove(entry, std::chrono::minutes(1));
    }
    return false;
}

void removeStaleTemporaries(const fs::path& target)
{
    std::error_code ec;
    const std::string file = target.filename().string();
    for (fs::directory_iterator it(folderOf(target), ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && isStaleTemporary(*it, file))
            fs::remove(it->path(), ec);
}

// What keeps the target from being replaced: a link loop, a directory or
// device, a file the user may not write. Fills `mode` with the permissions
// the new file gets.
std::optional<std::string> targetBlocker(const fs::path& target, mode_t& mode, bool& exists)
{
    struct stat st {};
    exists = ::stat(target.c_str(), &st) == 0;
    if (!exists)
        return errno == ENOENT ? std::nullopt : std::optional(reasonOf(errno));
    if (S_ISDIR(st.st_mode))
        return reasonOf(EISDIR);
    if (!S_ISREG(st.st_mode))
        return std::string("Not a regular file");
    // A rename would replace a read-only file regardless; the user may not.
    if (::access(target.c_str(), W_OK) != 0)
        return reasonOf(errno);
    mode = st.st_mode & 07777;
    return std::nullopt;
}

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::string temporaryPrefix(const std::string& target)
{
    const fs::path p(target);
    return (folderOf(p) / hiddenName(p.filename().string(), ".zelvo-")).string();
}

FileBytes readRegularFile(const std::string& path, std::size_t limit)
{
    const auto failed = [](ReadFailure failure, std::string why) {
        return FileBytes{std::nullopt, failure, std::move(why)};
    };
    // Not blocking: opening a FIFO for reading would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failed(ReadFailure::CannotOpen, reasonOf(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return failed(ReadFailure::CannotOpen, reasonOf(errno));
    if (S_ISDIR(st.st_mode))
        return failed(ReadFailure::CannotOpen, reasonOf(EISDIR));
    if (!S_ISREG(st.st_mode))
        return failed(ReadFailure::CannotOpen, "Not a regular file");
    const auto tooLarge = [&] {
        return failed(ReadFailure::TooLarge,
                      printfString("The file is larger than %zu bytes", limit));
    };
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > limit)
        return tooLarge();
    std::string bytes;
    try {
        // The size is a hint: a file may grow while it is read, and files
        // under /proc say 0 and still have text.
        bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
        std::size_t used = 0;
        for (;;) {
            if (used == bytes.size()) {
                if (used > limit)
                    return tooLarge();
                bytes.resize(std::min(limit + 1, std::max<std::size_t>(2 * used, 4096)));
            }
            const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return failed(ReadFailure::CannotOpen, reasonOf(errno));
            if (n == 0)
                break;
            used += static_cast<std::size_t>(n);
        }
        if (used > limit)
            return tooLarge();
        bytes.resize(used);
    } catch (const std::bad_alloc&) {
        return failed(ReadFailure::TooLarge, "Not enough memory to hold the file");
    }
    return {std::move(bytes), ReadFailure::None, {}};
}

std::optional<std::string> readWholeFile(const std::string& path, std::string* why)
{
    FileBytes r = readRegularFile(path);
    if (why)
        *why = r.why;
    return std::move(r.bytes);
}

std::optional<std::string> replaceBlocker(const std::string& path)
{
    if (path.empty())
        return std::string("No file name");
    const Resolved r = resolveLinks(fs::path(path));
    if (r.error)
        return reasonOf(r.error);
    mode_t mode = 0666;
    bool exists = false;
    if (auto blocker = targetBlocker(r.path, mode, exists))
        return blocker;
    fs::path tmp;
    const int fd = createTemporary(r.path, 0600, tmp);
    if (fd < 0)
        return reasonOf(errno);
    ::close(fd);
    ::unlink(tmp.c_str());
    return std::nullopt;
}

bool writeFileReplacing(const std::string& path, std::string_view content, std::string* why)
{
    if (path.empty())
        return fail(why, "No file name");
    const Resolved r = resolveLinks(fs::path(path));
    if (r.error)
        return fail(why, reasonOf(r.error));
    const fs::path& target = r.path;
    mode_t mode = 0666; // a new file: as the umask allows
    bool exists = false;
    if (auto blocker = targetBlocker(target, mode, exists))
        return fail(why, *blocker);
    removeStaleTemporaries(target);

    fs::path tmp;
    const int fd = createTemporary(target, mode, tmp);
    if (fd < 0)
        return fail(why, reasonOf(errno));
    int error = 0;
    // The umask may have taken bits the original has; they are put back or
    // the save fails, since a copy with other permissions is not the file.
    struct stat st {};
    if (exists && (::fstat(fd, &st) != 0 || ((st.st_mode & 07777) != mode && ::fchmod(fd, mode) != 0)))
        error = errno;
    errno = 0;
    if (!error && !writeAll(fd, content))
        error = errno ? errno : EIO;
    // The data must be on disk before the name points at it, or a power loss
    // right after "saved" can leave an empty file.
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(tmp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(tmp.c_str());
        return fail(why, reasonOf(error));
    }
    // Makes the rename itself durable. Some file systems refuse to sync a
    // folder; the file is already replaced then, so that is not a failure.
    const int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace zelvo
