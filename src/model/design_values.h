// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Whether every value of a design is one the dialogs would accept, for the
// design file reader: a file must not bring in what the user could not type,
// such as a line of 0 ohm that the next recomputation divides by.
#include "model/design.h"

#include <optional>
#include <string>

namespace zelvo {

// The first value outside its range, named by its item and file key
// ("Element 3, key "IMP" (index 2): 0 is outside ...", no full stop); nullopt when all are
// accepted. Results (element ends, the wideband result) only need to be finite.
std::optional<std::string> designValueProblem(const Design& d);

} // namespace zelvo
