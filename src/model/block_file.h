// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A two-port block of the chain from a Touchstone file (version 1 or 2, any
// format and unit): its S-parameters in double precision and its noise data.
#include "core/block.h"
#include "core/texts.h"
#include "model/dialog_message.h"

#include <memory>
#include <string>
#include <variant>

namespace zelvo {

using BlockLoad = std::variant<std::shared_ptr<const BlockData>, DialogMessage>;

// The block of a Touchstone file's text; `name` is what the schematic shows.
BlockLoad blockFromText(std::string text, std::string name);
// The same from a file; the name is the file's base name.
BlockLoad loadBlockFile(const std::string& path);

// "1 MHz to 3 GHz": the measured range as the messages name it.
std::string blockRangeText(const BlockData& b, const Texts& texts = {});

} // namespace zelvo
