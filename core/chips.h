#pragma once

#include <cstdint>
#include <limits>

namespace omaha {

// Cash and pot amounts are plain 32-bit numbers, and a hand-edited settings file can hold any of
// them; sums stop at the limits instead of wrapping round to the other sign.
constexpr std::int32_t addChips(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + std::int64_t{b};
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (sum < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

constexpr std::int32_t subtractChips(std::int32_t a, std::int32_t b) {
    const std::int64_t difference = std::int64_t{a} - std::int64_t{b};
    if (difference > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (difference < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(difference);
}

} // namespace omaha
