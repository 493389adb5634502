#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace omaha {

// Reads a settings value as an integer: decimal with an optional sign, or hexadecimal after a
// leading "0x" or "0X" when the text is at least three characters long. Anything else, and any
// number outside the signed 32-bit range, is not an integer: the caller falls back to its default
// rather than storing a wrapped-around value.
std::optional<std::int32_t> parseIntegerValue(std::string_view text);

} // namespace omaha
