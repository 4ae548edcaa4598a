#include "ui/dialogs/one_port_dialog.h"

#include "model/one_port.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zelvo {

OnePortDialog::OnePortDialog(AppState& state, const Platform& platform, const OnePortData& data,
                             QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QStringLiteral("s-Parameters"));
    setHelpKeyword(QStringLiteral("Export Data to Chart"));
    const QFont fixedFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Tabs expanded to columns of 12 characters: header and lines line up.
    const auto columns = [](const std::string& s) {
        QString out;
        for (const QString& f : QString::fromStdString(s).split(QLatin1Char('\t')))
            out += f.leftJustified(12);
        return out.trimmed();
    };

    auto* name = new QLabel(QString::fromStdString(data.fileName), this);
    name->setObjectName(QStringLiteral("Filename"));
    auto* header = new QLabel(columns(onePortHeader(data.freqExponent)), this);
    header->setFont(fixedFont);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("points"));
    list_->setFont(fixedFont);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true); // long sweeps: thousands of lines
    for (const std::string& line : onePortLines(data))
        list_->addItem(columns(line));
    list_->setMinimumWidth(QFontMetrics(fixedFont).horizontalAdvance(QLatin1Char('0')) * 44);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &OnePortDialog::showHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Filename"), this));
    layout->addWidget(name);
    layout->addWidget(header);
    layout->addWidget(list_, 1);
    layout->addWidget(new QLabel(QStringLiteral("Select one or several lines. For selection of "
                                                "multiple lines use Shift or Ctrl keys."),
                                 this));
    layout->addWidget(buttons);
    resize(sizeHint().width(), 480);
}

std::vector<int> OnePortDialog::selected() const
{
    std::vector<int> rows;
    for (const QModelIndex& i : list_->selectionModel()->selectedRows())
        rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::optional<std::vector<int>> selectOnePortPoints(AppState& state, const Platform& platform,
                                                    const OnePortData& data, QWidget* parent)
{
    OnePortDialog dialog(state, platform, data, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selected();
}

} // namespace zelvo
