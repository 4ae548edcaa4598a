#include "ui/dialogs/zoom_dialog.h"

#include "ui/app_state.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
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

    auto* group = new QGroupBox(QStringLiteral("Zoom factor"), this);
    auto* inGroup = new QVBoxLayout(group);
    inGroup->addWidget(factor_);
    for (const char* hint : {"bigger values > 1: zoom in", "smaller values < 1: zoom out"}) {
        auto* label = new QLabel(QString::fromLatin1(hint), group);
        label->setObjectName(QStringLiteral("hint"));
        inGroup->addWidget(label);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
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
