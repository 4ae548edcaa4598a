#include "ui/dialogs/contour_dialog.h"

#include "ui/app_state.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace zelvo {

ContourDialog::ContourDialog(AppState& state, const Platform& platform, ContourKind kind,
                             QWidget* parent)
    : ZelvoDialog(state, platform, parent), kind_(kind)
{
    const bool q = kind == ContourKind::Q;
    setWindowTitle(q ? QStringLiteral("Constant Q - circle") : QStringLiteral("Constant VSWR - circle"));
    value_ = numberField(QStringLiteral("value"));
    value_->setText(QStringLiteral("1"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* deleteLast = buttons->addButton(
        q ? QStringLiteral("Delete last ") : QStringLiteral("Delete last"),
        QDialogButtonBox::ActionRole);
    deleteLast->setObjectName(QStringLiteral("deleteLast"));
    QPushButton* deleteAll =
        buttons->addButton(QStringLiteral("Delete all"), QDialogButtonBox::ActionRole);
    deleteAll->setObjectName(QStringLiteral("deleteAll"));
    buttons->addButton(QDialogButtonBox::Help);
    for (QAbstractButton* b : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(b); push && push != ok)
            push->setAutoDefault(false);

    connect(buttons, &QDialogButtonBox::accepted, this, &ContourDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(deleteLast, &QPushButton::clicked, this, &ContourDialog::onDeleteLast);
    connect(deleteAll, &QPushButton::clicked, this, &ContourDialog::onDeleteAll);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this, q] {
        showHelp(q ? QStringLiteral("Constant Q Contours") : QStringLiteral("Constant VSWR Circles"));
    });

    auto* form = new QFormLayout;
    form->addRow(q ? QStringLiteral("Loaded Q of the contour:") : QStringLiteral("VSWR of the circle:"),
                 value_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
    // Not validated beyond this: text that is no number gives a contour of 0.
    const float typed = static_cast<float>(readField(value_->text()).value);
    if (!q && typed < 1.0f) {
        failField(value_, QStringLiteral("Value must be >= 1"));
        return;
    }
    for (int i = count() - 1; i >= 0; --i) {
        if (values()[i] == typed) {
            message(q ? QStringLiteral("Q circle is existing") : QStringLiteral("VSWR circle is existing"),
                    errorTitle, MessageIcon::Error, false);
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
        message(kind_ == ContourKind::Q ? QStringLiteral("No more Q circles existing")
                                        : QStringLiteral("No more VSWR circles existing"),
                errorTitle, MessageIcon::Error, false);
        return;
    }
    --count();
    state_.design.modified = true;
    accept();
}

void ContourDialog::onDeleteAll()
{
    if (count() == 0) {
        message(kind_ == ContourKind::Q ? QStringLiteral("No Q circle existing")
                                        : QStringLiteral("No VSWR circle existing"),
                errorTitle, MessageIcon::Error, false);
        return;
    }
    count() = 0;
    state_.design.modified = true;
    accept();
}

} // namespace zelvo
