// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/forms.h"

#include "antenna/about_form.h"
#include "antenna/dv_form.h"
#include "antenna/jform.h"
#include "antenna/kd_form.h"

namespace wendra {
namespace {

void bringUp(QWidget* w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

Forms::Forms(Services services) : services_(std::move(services)) {}

Forms::~Forms()
{
    delete dv_;
    delete about_;
    delete kd_;
    delete main_;
}

JForm* Forms::main() const { return main_; }
DvForm* Forms::invertedV() const { return dv_; }
KdForm* Forms::feedBox() const { return kd_; }
AboutForm* Forms::about() const { return about_; }

JForm& Forms::showMain()
{
    if (!main_)
        main_ = new JForm(*this);
    bringUp(main_);
    return *main_;
}

DvForm& Forms::showInvertedV()
{
    if (!dv_)
        dv_ = new DvForm(*this);
    bringUp(dv_);
    if (main_)
        main_->hide();
    return *dv_;
}

void Forms::invertedVClosed() { showMain(); }

KdForm& Forms::kd()
{
    if (!kd_)
        kd_ = new KdForm();
    return *kd_;
}

void Forms::showKd() { bringUp(&kd()); }

AboutForm& Forms::showAbout()
{
    if (!about_)
        about_ = new AboutForm(services_);
    bringUp(about_);
    return *about_;
}

} // namespace wendra
