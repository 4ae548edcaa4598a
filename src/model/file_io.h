#pragma once
// Whole-file reading and writing. A write never destroys the file it
// replaces: the text goes to a new file in the same folder, which is then
// renamed over the target.
#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

// The file's bytes; nullopt when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

// Replaces (or creates) the file at `path` with `content`. false when the
// target cannot be written (also a read-only target, a directory or a missing
// folder); the target is then unchanged. A symbolic link is followed, and an
// existing target's permissions are kept.
bool writeFileReplacing(const std::string& path, std::string_view content);

} // namespace zelvo
