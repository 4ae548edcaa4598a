// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/sparam_line_dialog.h"

#include "model/circle_dialogs.h"
#include "model/sparam_set.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace zelvo {

namespace {

// Tab stops for the lists: every tab advances to the next multiple of the
// column width, so the header and the lines line up whatever the values.
class TabStopDelegate : public QStyledItemDelegate {
  public:
    TabStopDelegate(int column, QObject* parent) : QStyledItemDelegate(parent), column_(column) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const QString text = o.text;
        o.text.clear();
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
        painter->save();
        painter->setPen(o.state & QStyle::State_Selected
                            ? o.palette.color(QPalette::HighlightedText)
                            : o.palette.color(QPalette::Text));
        const QStringList cells = text.split(QLatin1Char('\t'));
        int x = o.rect.left() + 4;
        for (const QString& cell : cells) {
            painter->drawText(QRect(x, o.rect.top(), column_, o.rect.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, cell);
            x += column_;
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize s = QStyledItemDelegate::sizeHint(option, index);
        const int cells = static_cast<int>(index.data().toString().count(QLatin1Char('\t'))) + 1;
        return {cells * column_ + 8, s.height()};
    }

  private:
    int column_;
};

// The column captions in the user's language: "Mag" and "Ang" after the
// parameter's name are words, the rest symbols and units.
QString shownHeader(const QString& header)
{
    const std::pair<QString, QString> words[] = {
        {QStringLiteral("Mag"), QCoreApplication::translate("SparamLineDialog", "Mag")},
        {QStringLiteral("Ang"), QCoreApplication::translate("SparamLineDialog", "Ang")}};
    QStringList columns = header.split(QLatin1Char('\t'));
    for (QString& c : columns) {
        for (const auto& [source, word] : words) {
            if (!c.endsWith(source))
                continue;
            // "s12Mag" keeps its English look; a translation stands apart.
            QString name = c.chopped(source.size());
            if (word != source && !name.endsWith(QLatin1Char(' ')))
                name += QLatin1Char(' ');
            c = name + word;
            break;
        }
    }
    return columns.join(QLatin1Char('\t'));
}

} // namespace

int useTabColumns(QListWidget* list)
{
    const QFont fixedFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Wide enough for "-100000.000" and a gap: frequencies in Hz or kHz and
    // large gains keep their columns.
    const int column = QFontMetrics(fixedFont).horizontalAdvance(QStringLiteral("-100000.000  "));
    list->setFont(fixedFont);
    list->setItemDelegate(new TabStopDelegate(column, list));
    return column;
}

LineListSource pointLines(const SParamSet& set)
{
    LineListSource s;
    s.fileName = QString::fromStdString(set.fileName);
    s.header = QString::fromStdString(pointListHeader(set.freqExponent));
    const int count = set.loaded ? set.validPoints() : 0;
    for (int i = 0; i < count; ++i)
        s.lines << QString::fromStdString(pointListLine(set.points[static_cast<std::size_t>(i)]));
    return s;
}

SParamLineDialog::SParamLineDialog(AppState& state, const Platform& platform,
                                   const LineListSource& source, Mode mode, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    const bool several = mode == Mode::Several;
    setWindowTitle(several ? QCoreApplication::translate("SparamLineDialog", "s-Parameters") : QCoreApplication::translate("SparamLineDialog", "Choose a line..."));
    setHelpKeyword(several ? QStringLiteral("Export Data to Chart") : QStringLiteral("1049"));

    auto* fileName = new QLabel(source.fileName, this);
    fileName->setObjectName(QStringLiteral("fileName"));
    fileName->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* header = new QListWidget(this);
    header->setObjectName(QStringLiteral("header"));
    const int column = useTabColumns(header);
    header->addItem(shownHeader(source.header));
    header->setCurrentRow(0);
    header->setFocusPolicy(Qt::NoFocus);
    header->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header->setFixedHeight(header->sizeHintForRow(0) + 2 * header->frameWidth());

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lines"));
    useTabColumns(list_);
    list_->setUniformItemSizes(true);
    list_->addItems(source.lines);
    list_->setSelectionMode(several ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
    if (!several && list_->count() > 0)
        list_->setCurrentRow(0);
    else
        list_->clearSelection();
    // Keep the header over its columns when the list scrolls sideways.
    header->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged,
            header->horizontalScrollBar(), &QScrollBar::setValue);

    const int width = 9 * column + 8 + list_->verticalScrollBar()->sizeHint().width() +
                      2 * list_->frameWidth();
    list_->setMinimumSize(width, list_->sizeHintForRow(0) > 0 ? 16 * list_->sizeHintForRow(0) : 240);
    header->setMinimumWidth(width);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &SParamLineDialog::showHelp);
    if (!several)
        connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QCoreApplication::translate("SparamLineDialog", "Filename:"), this));
    layout->addWidget(fileName);
    layout->addWidget(header);
    layout->addWidget(list_, 1);
    if (several) {
        auto* hint =
            new QLabel(QCoreApplication::translate("SparamLineDialog",
                                                   "Select one or several lines. For selection of "
                                                   "multiple lines use Shift or Ctrl keys."),
                       this);
        hint->setObjectName(QStringLiteral("hint"));
        layout->addWidget(hint);
    }
    layout->addWidget(buttons);
    list_->setFocus();
}

std::vector<int> SParamLineDialog::selected() const
{
    std::vector<int> rows;
    for (const QModelIndex& i : list_->selectionModel()->selectedRows())
        rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::optional<std::vector<int>> selectPointsDialog(AppState& state, const Platform& platform,
                                                   const LineListSource& source, QWidget* parent)
{
    SParamLineDialog dialog(state, platform, source, SParamLineDialog::Mode::Several, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selected();
}

std::optional<int> choosePointDialog(AppState& state, const Platform& platform,
                                     const LineListSource& source, QWidget* parent)
{
    SParamLineDialog dialog(state, platform, source, SParamLineDialog::Mode::One, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const std::vector<int> rows = dialog.selected();
    if (rows.empty())
        return std::nullopt;
    return rows.front();
}

} // namespace zelvo
