// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The locale-free number reader against the C library's strtod on the same
// text: the same end, and the same value except where the reader saturates
// by design (beyond the double range) or flushes an underflow to 0.
#include "core/number_text.h"
#include "core/numeric.h"
#include "fuzz_check.h"

#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace zelvo;

namespace {

// strtod forms the reader leaves out on purpose: hexadecimal, INF, NAN.
bool strtodOnlyForm(std::string_view consumed)
{
    return consumed.find_first_of("xXiInN") != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::setlocale(LC_NUMERIC, "C");
    // strtod stops at the first NUL; so must the comparison.
    std::string text(reinterpret_cast<const char*>(data), size);
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));

    errno = 0;
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    const bool range = errno == ERANGE;
    const auto consumed = static_cast<std::size_t>(end - text.c_str());
    if (strtodOnlyForm(std::string_view(text).substr(0, consumed)))
        return 0;

    const ScannedNumber n = scanNumber(text);
    FUZZ_CHECK(n.ok == (consumed > 0), "number found by one reader only");
    if (!n.ok)
        return 0;
    FUZZ_CHECK(n.end == consumed, "numbers end at different places");
    if (range && std::isinf(expected))
        FUZZ_CHECK(n.value == std::copysign(DOUBLE_BIG, expected), "overflow not saturated");
    else if (range && std::abs(expected) <= DBL_MIN)
        FUZZ_CHECK(n.value == expected || n.value == 0.0, "underflow neither exact nor 0");
    else
        FUZZ_CHECK(n.value == expected, "value differs from strtod");
    return 0;
}
