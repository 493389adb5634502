#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace omaha {

// A whole number as the player types it: optional blanks, an optional sign, decimal digits and
// optional blanks, within the signed 32-bit range. Anything else is not a number.
std::optional<std::int32_t> parseWholeNumber(std::string_view text);

} // namespace omaha
