// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/contour_dialog.h"

#include "core/numeric.h"
#include "ui/app_state.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zelvo {

ContourDialog::ContourDialog(AppState& state, const Platform& platform, ContourKind kind,
                             QWidget* parent)
    : ZelvoDialog(state, platform, parent), kind_(kind)
{
    const bool q = kind == ContourKind::Q;
    setWindowTitle(q ? QCoreApplication::translate("ContourDialog", "Constant Q - circle")
                     : QCoreApplication::translate("ContourDialog", "Constant VSWR - circle"));
    value_ = numberField(QStringLiteral("value"));
    value_->setText(QStringLiteral("1"));

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    auto* deleteLast =
        new QPushButton(q ? QCoreApplication::translate("ContourDialog", "Delete last ") : QCoreApplication::translate("ContourDialog", "Delete last"), this);
    deleteLast->setObjectName(QStringLiteral("deleteLast"));
    auto* deleteAll = new QPushButton(QCoreApplication::translate("ContourDialog", "Delete all"), this);
    deleteAll->setObjectName(QStringLiteral("deleteAll"));
    for (QPushButton* b : {deleteLast, deleteAll})
        b->setAutoDefault(false);

    connect(buttons, &QDialogButtonBox::accepted, this, &ContourDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(deleteLast, &QPushButton::clicked, this, &ContourDialog::onDeleteLast);
    connect(deleteAll, &QPushButton::clicked, this, &ContourDialog::onDeleteAll);
    setHelpKeyword(q ? QStringLiteral("Constant Q Contours")
                     : QCoreApplication::translate("ContourDialog", "Constant VSWR Circles"));
    connect(buttons, &QDialogButtonBox::helpRequested, this, &ContourDialog::showHelp);

    // What is already drawn, so the user sees what Delete last would remove.
    QStringList shown;
    for (int i = 0; i < count(); ++i)
        shown << QString::number(values()[i]);
    auto* existing =
        new QLabel(shown.isEmpty() ? (q ? QCoreApplication::translate("ContourDialog", "No Q contour is shown.")
                                        : QCoreApplication::translate("ContourDialog", "No VSWR circle is shown."))
                                   : QCoreApplication::translate("ContourDialog", "Shown: ") + shown.join(QStringLiteral(", ")),
                   this);
    existing->setObjectName(QStringLiteral("existing"));
    existing->setWordWrap(true);
    existing->setMinimumWidth(
        existing->fontMetrics().horizontalAdvance(QCoreApplication::translate("ContourDialog", "No VSWR circle is shown.")) + 8);

    auto* form = new QFormLayout;
    form->addRow(q ? QCoreApplication::translate("ContourDialog", "Loaded Q of the contour:")
                   : QCoreApplication::translate("ContourDialog", "VSWR of the circle:"),
                 value_);
    auto* deleteRow = new QHBoxLayout;
    deleteRow->addWidget(existing, 1);
    deleteRow->addWidget(deleteLast);
    deleteRow->addWidget(deleteAll);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(deleteRow);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Top to bottom: the value, the delete buttons beside the list, then OK.
    setTabOrder(value_, deleteLast);
    setTabOrder(deleteLast, deleteAll);
    setTabOrder(deleteAll, ok);
}

float* ContourDialog::values() const
{
    Design& d = state_.design;
    return kind_ == ContourKind::Q ? d.qCircles.data() : d.vswrCircles.data();
}

int& ContourDialog::count() const
{
    Design& d = state_.design;
    return kind_ == ContourKind::Q ? d.qCount : d.vswrCount;
}

int ContourDialog::capacity() const
{
    return kind_ == ContourKind::Q ? Design::qCapacity : Design::vswrCapacity;
}

void ContourDialog::onOk()
{
    const bool q = kind_ == ContourKind::Q;
    const std::optional<double> read = requireNumber(value_);
    if (!read)
        return;
    const float typed = toFloatSaturated(*read);
    if (!q && typed < 1.0f) {
        failField(value_, QCoreApplication::translate("ContourDialog", "Value must be >= 1"));
        return;
    }
    if (!(q ? qContourAccepted(typed) : vswrContourAccepted(typed))) {
        failField(value_, q ? outsideRange(QStringLiteral("0.01"), QStringLiteral("1000"))
                            : outsideRange(QStringLiteral("1"), QStringLiteral("1000")));
        return;
    }
    for (int i = count() - 1; i >= 0; --i) {
        if (values()[i] == typed) {
            failField(value_,
                      q ? QCoreApplication::translate("ContourDialog", "Q circle is existing")
                        : QCoreApplication::translate("ContourDialog", "VSWR circle is existing"),
                      false);
            reject();
            return;
        }
    }
    // The menu tests the limit (with its message) before opening; this only
    // keeps the array safe.
    if (count() >= capacity()) {
        reject();
        return;
    }
    values()[count()] = typed;
    ++count();
    state_.design.modified = true;
    accept();
}

void ContourDialog::onDeleteLast()
{
    if (count() == 0) {
        message(kind_ == ContourKind::Q ? QCoreApplication::translate("ContourDialog", "No more Q circles existing")
                                        : QCoreApplication::translate("ContourDialog", "No more VSWR circles existing"),
                MessageIcon::Error, false);
        return;
    }
    --count();
    state_.design.modified = true;
    accept();
}

void ContourDialog::onDeleteAll()
{
    if (count() == 0) {
        message(kind_ == ContourKind::Q ? QCoreApplication::translate("ContourDialog", "No Q circle existing")
                                        : QCoreApplication::translate("ContourDialog", "No VSWR circle existing"),
                MessageIcon::Error, false);
        return;
    }
    count() = 0;
    state_.design.modified = true;
    accept();
}

} // namespace zelvo
