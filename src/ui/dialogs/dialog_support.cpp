// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/dialog_support.h"

#include "core/number_text.h"
#include "ui/app_state.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

#include <cmath>

namespace zelvo {

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

FieldValue readField(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QByteArray bytes = trimmed.toLatin1();
    const FieldNumber n = readFieldNumber(std::string_view(bytes.constData(), bytes.size()));
    FieldValue v;
    v.value = n.value;
    v.state = !n.anyNumber || n.leftover ? FieldValue::State::Malformed
              : n.overflow               ? FieldValue::State::TooLarge
                                         : FieldValue::State::Number;
    return v;
}

QString outsideRange(const QString& low, const QString& high, const QString& unit)
{
    return QString::fromStdString(
        outsideRangeText(low.toStdString(), high.toStdString(), unit.toStdString()));
}

QString outsideRange(const char* low, const ValueLimit& limit)
{
    return outsideRange(QString::fromLatin1(low), QString::fromLatin1(limit.text));
}

std::optional<QString> targetResistanceRefusal(double r)
{
    if (r > 0.0 && r <= impedanceLimit)
        return std::nullopt;
    return QCoreApplication::translate("DialogSupport", "The target resistance must lie in the range between 0 and 1E9 Ohm.");
}

std::optional<QString> targetReactanceRefusal(double x)
{
    if (std::abs(x) <= impedanceLimit)
        return std::nullopt;
    return QCoreApplication::translate("DialogSupport", "The target reactance must lie in the range between -1E9 and 1E9 Ohm.");
}

QString frequencyOutsideRange()
{
    return outsideRange(QStringLiteral("0"), QStringLiteral("1000"), QCoreApplication::translate("DialogSupport", "GHz"));
}

QString fixed(double value, int decimals)
{
    return QString::fromStdString(fixedText(value, decimals));
}

void fillUnits(QComboBox* combo, std::span<const Unit> units)
{
    for (const Unit& u : units)
        combo->addItem(QString::fromLatin1(u.text));
}

double unitFactor(const QComboBox* combo, std::span<const Unit> units)
{
    const int i = combo->currentIndex();
    return i >= 0 && i < static_cast<int>(units.size()) ? units[static_cast<std::size_t>(i)].factor
                                                        : 1.0;
}

QString showFrequency(double hertz, QComboBox* unitCombo)
{
    // frequencyUnits runs GHz, MHz, kHz, Hz.
    int index = 3;
    if (hertz >= 1e9)
        index = 0;
    else if (hertz >= 1e6)
        index = 1;
    else if (hertz >= 1e3)
        index = 2;
    unitCombo->setCurrentIndex(index);
    return fixed(hertz / frequencyUnits[index].factor, 3);
}

ZelvoDialog::ZelvoDialog(AppState& state, const Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ZelvoDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void ZelvoDialog::failField(QLineEdit* field, const QString& text, bool beep)
{
    showBox(text, errorTitle, MessageIcon::Error, beep);
    if (field) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
}

bool ZelvoDialog::refuseUnreadable(QLineEdit* field, const FieldValue& value)
{
    if (value.state == FieldValue::State::Malformed)
        failField(field, QString::fromLatin1(numberFormatMessage));
    else if (value.state == FieldValue::State::TooLarge)
        failField(field, QString::fromLatin1(numberTooLargeMessage));
    else
        return false;
    return true;
}

std::optional<double> ZelvoDialog::requireNumber(QLineEdit* field)
{
    const FieldValue v = readField(field->text());
    if (v.state == FieldValue::State::Empty) {
        failField(field, QCoreApplication::translate("DialogSupport", "Field must contain value"));
        return std::nullopt;
    }
    if (refuseUnreadable(field, v))
        return std::nullopt;
    return v.value;
}

void ZelvoDialog::message(const QString& text, MessageIcon icon, bool beep)
{
    showBox(text, QString(), icon, beep);
}

void ZelvoDialog::refuse(const QString& text)
{
    showBox(text, errorTitle, MessageIcon::Error, true);
}

void ZelvoDialog::showBox(const QString& text, const QString& title, MessageIcon icon, bool beep)
{
    MessageRequest r;
    r.parent = this;
    r.text = text;
    r.title = title;
    r.icon = icon;
    showMessage(platform_, beep && state_.settings.messageBeep, r);
}

void ZelvoDialog::showHelp() const
{
    if (platform_.showHelp)
        platform_.showHelp(helpKeyword_);
}

void ZelvoDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

QLineEdit* ZelvoDialog::numberField(const QString& objectName)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setMaxLength(static_cast<int>(fieldChars));
    field->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    return field;
}

} // namespace zelvo
