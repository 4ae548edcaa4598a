// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
#include <QPlainTextEdit>

namespace wendra {

// A read-only notes box wide enough for its longest line.
QPlainTextEdit* notesBox(const QString& name, const QString& text, QWidget* parent);

} // namespace wendra
