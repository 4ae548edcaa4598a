// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The fields of a real part's losses, as the element value editor and the
// defaults for new parts both show them: Q at a frequency with its law and
// the self-resonance of inductors; Q or ESR and the ESL of capacitors; the
// loss per wavelength of lines and stubs. A blank field or 0 means "none".
#include "core/element.h"
#include "ui/dialogs/dialog_support.h"

#include <QGroupBox>
#include <functional>
#include <optional>

class QComboBox;
class QGridLayout;
class QLineEdit;

namespace zelvo {

enum class LossFamily { Inductor, Capacitor, Line };
// nullopt for kinds without losses.
std::optional<LossFamily> lossFamilyOf(ElementKind kind);

// Messages of the loss fields besides the range messages.
inline constexpr const char* qOrEsrText = "Give the capacitor either a Q or an ESR, not both.";

class LossBox : public QGroupBox {
  public:
    // Field names begin with `namePrefix` ("lossQ", "lossQAt", "lossQAtUnit",
    // "lossQLaw", "lossSrf", "lossSrfUnit", "lossEsr", "lossEsl",
    // "lossEslUnit", "lossDb").
    LossBox(LossFamily family, const QString& title, const QString& namePrefix,
            QWidget* parent = nullptr);

    // Fills the fields; a Q without its frequency shows `designFrequency`.
    void showLoss(const PartLoss& loss, double designFrequency);

    // Reports a wrong field: the message, then its focus and selection.
    // Refuses a field: the message titled "ERROR", then the field focused.
    using Fail = std::function<void(QLineEdit* field, const QString& text)>;
    // The losses typed in, or nullopt once `fail` has reported the first
    // wrong field. A Q given without a frequency holds at `designFrequency`
    // (none for the defaults of new parts: 0, their design's is taken).
    std::optional<PartLoss> readLoss(const Fail& fail, double designFrequency) const;

  private:
    struct Field {
        QLineEdit* edit = nullptr;
        QComboBox* unit = nullptr;
        std::span<const Unit> units;
        ShownValue shown;
        int shownUnit = -1;
    };
    void addField(Field& f, const QString& caption, const QString& name,
                  std::span<const Unit> units, const QString& unitText = {});
    static void setField(Field& f, double value, int decimals);
    // Empty or 0 reads as 0 (none); a malformed number or one outside
    // [low, high] is reported and gives false.
    bool readField(const Field& f, double low, double high, const QString& range, const Fail& fail,
                   double& out) const;

    LossFamily family_;
    QGridLayout* grid_;
    int rows_ = 0;
    Field q_, qAt_, srf_, esr_, esl_, db_;
    QComboBox* law_ = nullptr;
};

} // namespace zelvo
