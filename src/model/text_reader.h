// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// How the program reads its own text files (designs, settings): a line ends
// after CR, LF or ";" and is folded to upper case as a whole; keys are found
// by substring search, numbers read like atoi / atof in the "C" locale.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

class TextLineReader {
  public:
    // Lines with more than maxLength characters before their end are skipped
    // whole: no file the program writes has one, and a cut line could give a
    // different number.
    TextLineReader(std::string_view bytes, std::size_t maxLength);

    // The next line, terminator included, folded to upper case (a-z only);
    // false at the end of the bytes.
    bool next(std::string& line);

  private:
    std::string_view bytes_;
    std::size_t maxLength_;
    std::size_t pos_ = 0;
};

inline bool contains(std::string_view line, std::string_view key)
{
    return line.find(key) != std::string_view::npos;
}

// atoi of the text after the first `mark`: leading white space, sign and
// digits; saturates at the int range. nullopt when the mark is missing.
std::optional<int> intAfter(std::string_view line, char mark);
// The integer at the start of `text` as atoi reads it (0 when none).
int leadingInt(std::string_view text);
// atof of the text after the n-th (1-based) `mark`: 0 when no number stands
// there, +-DOUBLE_BIG beyond the double range. nullopt when the mark is missing.
std::optional<double> numberAfter(std::string_view line, char mark, int occurrence = 1);

// Text kept in a line of the program's files: control characters, "%" and
// what the readers act on ("[", "]", ";") become "%XX", so the text can
// neither end the line nor start or end a section.
std::string percentEncode(std::string_view text);
std::string percentDecode(std::string_view text);

} // namespace zelvo
