#include "ui/dialogs/zoom_dialog.h"

#include "ui/app_state.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace zelvo {

float clampZoom(double typed)
{
    return static_cast<float>(std::min(std::max(typed, 0.01), 50.0));
}

ZoomDialog::ZoomDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QStringLiteral("Zoom"));
    setHelpKeyword(QStringLiteral("Zoom"));
    factor_ = numberField(QStringLiteral("factor"));
    shown_ = {fixed(state.settings.zoom, 2), state.settings.zoom};
    factor_->setText(shown_.text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ZoomDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Zoom factor (0.01 ... 50):"), factor_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ZoomDialog::onOk()
{
    const QString text = factor_->text();
    state_.settings.zoom = clampZoom(shown_.valueFor(text, readField(text).value));
    accept();
}

} // namespace zelvo
