// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Driving the real dialog widgets in tests: find fields by object name,
// type, press the standard buttons.
#include "support/recording_platform.h"
#include "ui/app_state.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zelvo::testing {

struct DialogTest : ::testing::Test {
    AppState state;
    RecordingPlatform recorder;
    Platform platform = recorder.platform();
};

inline QLineEdit* field(QDialog& d, const char* name)
{
    auto* f = d.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(f, nullptr) << name;
    return f;
}

inline QComboBox* combo(QDialog& d, const char* name)
{
    auto* c = d.findChild<QComboBox*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

inline QAbstractButton* button(QDialog& d, const char* name)
{
    auto* b = d.findChild<QAbstractButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

inline void type(QDialog& d, const char* name, const QString& text)
{
    if (QLineEdit* f = field(d, name))
        f->setText(text);
}

inline void press(QDialog& d, QDialogButtonBox::StandardButton which)
{
    auto* box = d.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    QPushButton* b = box->button(which);
    ASSERT_NE(b, nullptr);
    b->click();
}

inline void pressOk(QDialog& d)
{
    press(d, QDialogButtonBox::Ok);
}

// The failed field has the focus with its whole text selected.
inline bool focusedAndSelected(QDialog& d, const char* name)
{
    QLineEdit* f = field(d, name);
    return f && d.focusWidget() == f && f->selectedText() == f->text();
}

// Shown dialogs hide when they are accepted or rejected.
inline bool staysOpen(QDialog& d)
{
    return d.isVisible();
}

} // namespace zelvo::testing
