// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Copy to Clipboard": what to copy (chart, schematic, comments) and in which
// colours. The choice is remembered for the run as one code: high four bits
// the item (0x10 chart, 0x20 schematic, 0x30 comments), low four bits the
// colours (1 screen colours, 2 black and white).
#include "ui/dialogs/dialog_support.h"

#include <cstdint>

class QRadioButton;

namespace zelvo {

inline constexpr std::uint8_t clipChart = 0x10;
inline constexpr std::uint8_t clipSchematic = 0x20;
inline constexpr std::uint8_t clipComments = 0x30;
inline constexpr std::uint8_t clipScreenColours = 0x1;
inline constexpr std::uint8_t clipBlackWhite = 0x2;

// exec() ends with the clipboard choice code after OK and 0 after Cancel.
class ClipboardDialog : public ZelvoDialog {
  public:
    ClipboardDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

  private:
    void setItem(std::uint8_t item);
    void setColours(std::uint8_t colours);
};

} // namespace zelvo
