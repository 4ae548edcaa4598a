#include "model/file_io.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zelvo {

namespace fs = std::filesystem;

namespace {

// The file a path finally names, through any chain of symbolic links.
fs::path resolveLinks(fs::path target)
{
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        const fs::path link = fs::read_symlink(target, ec);
        if (ec)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

std::string uniqueSuffix()
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::to_string(static_cast<unsigned long long>(ticks) % 1000000007ULL) + "-" +
           std::to_string(counter.fetch_add(1));
}

// Creates a new file next to `target` that did not exist before.
std::FILE* createTemporary(const fs::path& target, fs::path& tmp)
{
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (int attempt = 0; attempt < 50; ++attempt) {
        // Appended piece by piece: GCC 12 reports a false -Wrestrict on
        // "." + std::string at -O3.
        std::string name = ".";
        name += target.filename().string();
        name += '.';
        name += uniqueSuffix();
        name += ".tmp";
        tmp = dir / name;
        if (std::FILE* f = std::fopen(tmp.c_str(), "wbx"))
            return f;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool writeFileReplacing(const std::string& path, std::string_view content)
{
    if (path.empty())
        return false;
    const fs::path target = resolveLinks(fs::path(path));
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    const bool exists = fs::exists(status);
    if (exists) {
        if (fs::is_directory(status))
            return false;
        // Opening for append changes nothing but fails on a read-only file,
        // which a rename would replace regardless.
        std::FILE* probe = std::fopen(target.c_str(), "ab");
        if (!probe)
            return false;
        std::fclose(probe);
    }
    fs::path tmp;
    std::FILE* f = createTemporary(target, tmp);
    if (!f)
        return false;
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok && exists)
        fs::permissions(tmp, status.permissions(), ec);
    if (ok) {
        fs::rename(tmp, target, ec);
        ok = !ec;
    }
    if (!ok)
        fs::remove(tmp, ec);
    return ok;
}

} // namespace zelvo
