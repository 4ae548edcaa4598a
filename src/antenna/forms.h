// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The program's four forms and the rules for switching between them. The
// main window is created at start; the others on first use.
#include "antenna/services.h"

#include <QObject>
#include <QPointer>

namespace wendra {

class JForm;
class DvForm;
class KdForm;
class AboutForm;

class Forms : public QObject {
    Q_OBJECT
public:
    explicit Forms(Services services);
    ~Forms() override;

    const Services& services() const { return services_; }

    // Creates the main window when needed and shows it.
    JForm& showMain();
    // "倒V天线": the dipole form replaces the main window, which is only
    // hidden so that its inputs and results are still there on return.
    DvForm& showInvertedV();
    // The dipole form is closing: the main window comes back.
    void invertedVClosed();
    // The feed box form, created hidden when needed.
    KdForm& kd();
    void showKd();
    AboutForm& showAbout();

    // The forms that exist now, or null.
    JForm* main() const;
    DvForm* invertedV() const;
    KdForm* feedBox() const;
    AboutForm* about() const;

private:
    Services services_;
    QPointer<JForm> main_;
    QPointer<DvForm> dv_;
    QPointer<KdForm> kd_;
    QPointer<AboutForm> about_;
};

} // namespace wendra
