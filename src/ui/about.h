// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The About box, the program's version text and its licence notice.
#include "release.h"

#include <QDialog>
#include <QString>
#include <optional>

namespace zelvo {

inline constexpr double zelvoVersion = release::number;
// "V 2.00"
QString versionText();
// The copyright, the licence and the GPL's short warranty notice in lines
// short enough for a terminal; the About box and `zelvo --version` show it.
QString licenceNotice();

// Available memory in kBytes (MemAvailable of a meminfo file); empty when the
// file cannot be read or has no such line.
std::optional<unsigned long long>
availableMemoryKBytes(const QString& meminfoPath = QStringLiteral("/proc/meminfo"));
// "Free memory:    %u kBytes", or "Free memory:    unknown".
QString memoryStatusText(std::optional<unsigned long long> kBytes);

class AboutDialog : public QDialog {
  public:
    explicit AboutDialog(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace zelvo
