// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/jform.h"

#include "antenna/forms.h"
#include "antenna/j_panel.h"
#include "antenna/link_label.h"
#include "antenna/texts.h"
#include "antenna/yagi_panel.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace wendra {
namespace {

struct MenuItem {
    const char* name;
    const char* caption;
    QKeyCombination shortcut; // Key_unknown: none
};

constexpr QKeyCombination kNone(Qt::Key_unknown);

// Antenna types listed for the future; they can be neither clicked nor reached by key.
constexpr MenuItem kDisabled[] = {
    {"BZ", "棒子天线", Qt::CTRL | Qt::Key_B},  {"GP", "GP天线", Qt::CTRL | Qt::Key_G},
    {"EH", "EH天线", kNone},                  {"pz", "盘锥天线", kNone},
    {"luoxuan", "螺旋天线", kNone},           {"dbs", "短背射天线", kNone},
    {"tzo", "同轴偶极子天线", kNone},         {"max", "maxon天线", kNone},
    {"fk", "方框天线", kNone},
};

} // namespace

JForm::JForm(Forms& forms, QWidget* parent) : QMainWindow(parent), forms_(forms)
{
    setObjectName(QStringLiteral("JFORM"));
    setWindowTitle(mainTitle());

    auto* central = new QWidget(this);
    yagi_ = new YagiPanel(forms_, central);
    j_ = new JPanel(forms_, central);

    // Both panels share one place; it is as large as the larger of them so
    // that the window keeps its size when they swap.
    auto* stack = new QWidget(central);
    auto* stackLayout = new QGridLayout(stack);
    stackLayout->setContentsMargins(0, 0, 0, 0);
    stackLayout->addWidget(yagi_, 0, 0);
    stackLayout->addWidget(j_, 0, 0);
    stack->setMinimumSize(yagi_->sizeHint().expandedTo(j_->sizeHint()));

    clock_ = new QLabel(central);
    clock_->setObjectName(QStringLiteral("Label9"));
    auto* link = new LinkLabel(QUrl(QString::fromLatin1(kProjectUrl)), forms_.services(), central);
    link->setObjectName(QStringLiteral("Label15"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(clock_);
    bottom->addStretch();
    bottom->addWidget(link);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 2);
    layout->setSpacing(2);
    layout->addWidget(stack, 1);
    layout->addLayout(bottom);
    setCentralWidget(central);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &JForm::tick);
    timer_->start();
    tick(); // the line is filled from the start, not a second later

    buildMenu();
    showYagi();
}

void JForm::buildMenu()
{
    QMenu* types = menuBar()->addMenu(QStringLiteral("天线类型"));
    types->setObjectName(QStringLiteral("LX"));
    auto add = [&](const char* name, const char* caption, QKeyCombination key) {
        QAction* a = types->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (key != kNone)
            a->setShortcut(QKeySequence(key));
        return a;
    };
    connect(add("BM", "八木天线", Qt::CTRL | Qt::Key_Y), &QAction::triggered, this, &JForm::showYagi);
    connect(add("JX", "J型天线", Qt::CTRL | Qt::Key_J), &QAction::triggered, this, &JForm::showJ);
    connect(add("DAOV", "倒V天线", Qt::CTRL | Qt::Key_V), &QAction::triggered, this,
            [this] { forms_.showInvertedV(); });
    for (const MenuItem& m : kDisabled)
        add(m.name, m.caption, m.shortcut)->setEnabled(false);

    QAction* about = menuBar()->addAction(QStringLiteral("关于"));
    about->setObjectName(QStringLiteral("ABOUT"));
    connect(about, &QAction::triggered, this, [this] { forms_.showAbout(); });
}

void JForm::showYagi()
{
    j_->hide();
    yagi_->show();
}

void JForm::showJ()
{
    yagi_->hide();
    j_->show();
}

void JForm::tick() { clock_->setText(dateTimeLine(QDateTime::currentDateTime())); }

} // namespace wendra
