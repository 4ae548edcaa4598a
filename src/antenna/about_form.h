// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The about box: statement, contact data and the project's page.
#include "antenna/services.h"

#include <QWidget>

namespace wendra {

class AboutForm : public QWidget {
    Q_OBJECT
public:
    explicit AboutForm(const Services& services, QWidget* parent = nullptr);
};

} // namespace wendra
