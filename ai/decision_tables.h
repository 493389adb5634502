#pragma once

#include "core/street.h"

#include <cstdint>

namespace omaha {

// The percentage with which a computer player calls a pending bet, by street and strength.
std::int32_t callChance(Street street, std::int32_t strength) noexcept;

// The percentage with which a computer player raises in its own turn, by street and strength.
std::int32_t raiseChance(Street street, std::int32_t strength) noexcept;

// Whether one draw of the random source carries a decision made with `chance` percent. The test
// is strict, so a chance of c succeeds c - 1 times in 100 and a chance of 100 is not certain;
// that is part of how the computer players play.
constexpr bool chanceComesUp(std::int32_t chance, std::int32_t draw) noexcept {
    return draw % 100 > 100 - chance;
}

} // namespace omaha
