// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// What every Zelvo dialog shares: centring on the screen, reading number
// fields, reporting a failed field (message, beep rule, focus, selection),
// and keeping exact values that a field shows rounded.
#include "ui/platform.h"

#include <QDialog>
#include <QString>
#include <optional>
#include <span>

class QComboBox;
class QLineEdit;

namespace zelvo {

struct AppState;

inline const QString errorTitle = QStringLiteral("ERROR");

void centreOnScreen(QWidget* window);

// A dialog field read as a decimal number (C locale, exponent allowed, at
// most 20 characters; blanks around the number are ignored). TooLarge: a
// number beyond the double range, which no field takes.
struct FieldValue {
    enum class State { Empty, Malformed, TooLarge, Number };
    State state = State::Empty;
    double value = 0.0; // what the text's leading number reads as, 0 without one

    bool isNumber() const { return state == State::Number; }
};
FieldValue readField(const QString& text);

// The refusal of a number outside the range a field accepts, naming it:
// "Value must lie in the range between 0.001 and 1E6 Ohm".
QString outsideRange(const QString& low, const QString& high, const QString& unit = {});

// Typed impedances and admittances beyond this are no physical values, and
// the chart cannot tell them from the open circuit or the short.
inline constexpr double impedanceLimit = 1e9;
// The refusal of a target impedance (matching, optimising) outside the range
// a data point takes: the resistance in (0, 1E9], the reactance within 1E9
// either way; nullopt when it can be a target.
std::optional<QString> targetResistanceRefusal(double r);
std::optional<QString> targetReactanceRefusal(double x);

// A data point's frequency: beyond 1000 GHz no lumped element or line model
// of the chain means anything.
inline constexpr double maxPointFrequency = 1e12;
QString frequencyOutsideRange();

// Upper limits of the values typed into the element dialogs: beyond them an
// element is an open or a short at every frequency a chart is used for, and
// lines or dielectrics of such values do not exist.
struct ValueLimit {
    double max;
    const char* text; // the range's upper end with its unit
};
inline constexpr ValueLimit resistanceLimit{1e9, "1E9 Ohm"};
inline constexpr ValueLimit inductanceLimit{1.0, "1 H"};
inline constexpr ValueLimit capacitanceLimit{1.0, "1 F"};
inline constexpr ValueLimit lineImpedanceLimit{1e6, "1E6 Ohm"};
inline constexpr ValueLimit permittivityLimit{1000.0, "1000"};
inline constexpr ValueLimit ratioLimit{1e6, "1E6"};
// "Value must lie in the range between <low> and <limit.text>".
QString outsideRange(const char* low, const ValueLimit& limit);

// "%.Nf"-style text in the C locale.
QString fixed(double value, int decimals);

// A value shown rounded in a field. Confirming the field unchanged must not
// round the design's number to the shown digits.
struct ShownValue {
    QString text;
    double exact = 0.0;

    // The exact value while the text is as shown, else what the text reads as.
    double valueFor(const QString& currentText, double typed) const
    {
        return currentText.trimmed() == text.trimmed() ? exact : typed;
    }
};

// A unit of a combo box: its text and the factor to SI.
struct Unit {
    const char* text;
    double factor;
};
inline constexpr Unit frequencyUnits[] = {{"GHz", 1e9}, {"MHz", 1e6}, {"kHz", 1e3}, {"Hz", 1}};
inline constexpr Unit capacitanceUnits[] = {{"pF", 1e-12}, {"nF", 1e-9}, {"uF", 1e-6}};
inline constexpr Unit inductanceUnits[] = {{"pH", 1e-12}, {"nH", 1e-9}, {"uH", 1e-6}};
inline constexpr Unit resistanceUnits[] = {{"Ohm", 1}, {"kOhm", 1000}};

void fillUnits(QComboBox* combo, std::span<const Unit> units);
double unitFactor(const QComboBox* combo, std::span<const Unit> units);

// A frequency in Hz as "%.3f" in the largest unit in which it is at least 1
// (Hz below 1 kHz); returns the text and sets the combo's unit.
QString showFrequency(double hertz, QComboBox* unitCombo);

// Base of the modal dialogs: state, platform, centring, field errors.
class ZelvoDialog : public QDialog {
  public:
    ZelvoDialog(AppState& state, const Platform& platform, QWidget* parent);

    AppState& state() const { return state_; }

  protected:
    void showEvent(QShowEvent* event) override;

    // Input validation: the message titled "ERROR" with the error icon (and
    // the beep when the option is on and `beep`), then `field` gets the focus
    // with its whole text selected.
    void failField(QLineEdit* field, const QString& text, bool beep = true);
    // A field with characters after its number, or one beyond the double
    // range, is refused with its message; true when it was.
    bool refuseUnreadable(QLineEdit* field, const FieldValue& value);
    // Reads `field` as a complete number; an empty field or one with other
    // characters is refused with its message, focus and selection.
    std::optional<double> requireNumber(QLineEdit* field);
    // A message that is no input validation: empty title.
    void message(const QString& text, MessageIcon icon, bool beep);
    // An input validation message without a field to focus: titled "ERROR".
    void refuse(const QString& text);
    // The topic of the Help button and of F1 (the contents when empty).
    void setHelpKeyword(const QString& keyword) { helpKeyword_ = keyword; }
    void showHelp() const;
    void keyPressEvent(QKeyEvent* event) override;

    // A number field of at most 20 characters.
    QLineEdit* numberField(const QString& objectName);

    AppState& state_;
    const Platform& platform_;

  private:
    void showBox(const QString& text, const QString& title, MessageIcon icon, bool beep);

    QString helpKeyword_;
};

} // namespace zelvo
