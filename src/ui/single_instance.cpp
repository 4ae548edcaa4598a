// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace zelvo {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath))
{
    // A running Zelvo is never stale by age, only when its process is gone.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return;
    // Only a live owner refuses the start; a folder we cannot write must not
    // keep the user from working.
    first_ = lock_->error() != QLockFile::LockFailedError;
}

QString SingleInstanceGuard::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) // the shared temp folder: keep users apart
        return QDir(QDir::tempPath())
            .filePath(QStringLiteral("zelvo-%1.lock").arg(qEnvironmentVariable("USER")));
    return QDir(dir).filePath(QStringLiteral("zelvo.lock"));
}

MessageRequest secondInstanceMessage()
{
    MessageRequest r;
    r.text = QCoreApplication::translate("MainWindow", "Zelvo.exe is still running. Impossible to run twice.");
    r.icon = MessageIcon::Error;
    return r;
}

} // namespace zelvo
