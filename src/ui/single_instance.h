// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Refuses a second running Zelvo for the same user. The lock file carries the
// owner's process id, so the lock of a crashed run is recognised as stale and
// taken over instead of blocking every later start.
#include "ui/platform.h"

#include <QLockFile>
#include <QString>
#include <memory>

namespace zelvo {

class SingleInstanceGuard {
  public:
    // Takes the lock at `lockPath` (default: the user's runtime folder).
    explicit SingleInstanceGuard(const QString& lockPath = defaultLockPath());
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // False when another Zelvo holds the lock (or the lock cannot be made,
    // in which case starting is allowed: see the .cpp).
    bool isFirstInstance() const { return first_; }

    static QString defaultLockPath();

  private:
    std::unique_ptr<QLockFile> lock_;
    bool first_ = true;
};

// "Zelvo.exe is still running. Impossible to run twice." (error icon, empty title).
MessageRequest secondInstanceMessage();

} // namespace zelvo
