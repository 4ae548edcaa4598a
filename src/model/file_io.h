// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Whole-file reading and writing. A write never destroys the file it
// replaces: the text goes to a new file in the same folder, which is flushed
// to disk and then renamed over the target.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

// The largest file a reader takes: the text views count bytes in 32 bits.
inline constexpr std::size_t maxReadableBytes = 0x7fffffff;

// Why a file was not read: it could not be opened or read (a missing file,
// no permission, a folder, a FIFO or device), or it is larger than the limit
// or than memory holds.
enum class ReadFailure { None, CannotOpen, TooLarge };

struct FileBytes {
    std::optional<std::string> bytes;
    ReadFailure failure = ReadFailure::None;
    std::string why; // a short reason for the user when nothing was read
};

// The whole of a regular file, at most `limit` bytes. Anything else is
// refused before it is read: a FIFO would block the program until a writer
// comes, and a device such as /dev/zero never ends.
FileBytes readRegularFile(const std::string& path, std::size_t limit = maxReadableBytes);

// The same, with the reason (when given) of a failure.
std::optional<std::string> readWholeFile(const std::string& path, std::string* why = nullptr);

// Replaces (or creates) the file at `path` with `content`. false when the
// target cannot be written (a read-only target, a directory, a missing
// folder, a loop of symbolic links, a mode that cannot be given to the new
// file); the target is then unchanged and `why` (when given) receives a short
// reason for the user. A symbolic link is followed, and an existing target's
// permissions are kept. Temporaries left behind by an earlier, killed save of
// the same target are removed.
bool writeFileReplacing(const std::string& path, std::string_view content,
                        std::string* why = nullptr);

// Whether writeFileReplacing could replace `path` now (same checks, plus a
// file created and removed in the target's folder); the reason when not.
std::optional<std::string> replaceBlocker(const std::string& path);

// The name prefix of every temporary file a save of `target` creates next to
// it: ".<file name>.zelvo-". Exposed for tests.
std::string temporaryPrefix(const std::string& target);

} // namespace zelvo
