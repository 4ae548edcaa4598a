#pragma once
// Scroll bar requests, as the windows receive them.
#include <cstdint>

namespace zelvo {

enum class ScrollAction : std::uint8_t { LineUp, LineDown, PageUp, PageDown, Thumb };

} // namespace zelvo
