// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// What the classic design file has no key for: a real part's losses, its
// tolerance, and a two-port block's data (the Touchstone file's text, so that
// a design opens without the file beside it). It is written as a section of
// its own ahead of the classic sections, where a reader that knows only
// those skips it, and only when an element has any of it: every other design
// stays byte for byte as before.
#include "model/design.h"

#include <string>
#include <string_view>

namespace zelvo {

// The section ("[PARTS]" ... empty line) for elements 0 .. elements - 1;
// empty when none of them has anything to keep.
std::string partsSectionText(const Design& d, int elements);

// Reads the section from a design file's text into the elements already
// read. false, with the reason in `why`, when a block's data is missing or
// cannot be read.
bool readPartsSection(Design& d, std::string_view bytes, std::string* why);

} // namespace zelvo
