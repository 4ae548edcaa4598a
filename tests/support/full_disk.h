// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A full disk without privileges: a file size limit makes every write past
// it fail as on a full disk (with "File too large" instead of "No space left
// on device"). The signal the kernel raises for it is ignored meanwhile, so
// that write() reports the error instead.
#include <csignal>
#include <sys/resource.h>

namespace zelvo::testing {

class FullDisk {
  public:
    explicit FullDisk(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, handler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit previous_{};
    void (*handler_)(int) = nullptr;
};

} // namespace zelvo::testing
