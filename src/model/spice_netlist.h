// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The matching network as an ngspice subcircuit: ".subckt zelvo_match in out",
// "in" the generator side (the end of the chain), "out" the side of the start
// point's impedance.
#include "model/design.h"

#include <string>

namespace zelvo {

inline constexpr const char* spiceSubcircuitName = "zelvo_match";

// The complete file text; `designFileName` is named in the header.
std::string spiceNetlistText(const Design& d, const std::string& designFileName);
// true when written; a failure leaves any previous file untouched and puts
// the system's reason in `why` (when given).
bool writeSpiceNetlist(const Design& d, const std::string& path, const std::string& designFileName,
                       std::string* why = nullptr);

} // namespace zelvo
