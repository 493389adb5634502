#pragma once

#include "core/card.h"

#include <cstdint>

namespace omaha {

// The card backs the player chooses from, in the order of the choice: Denum, Cloth, Rock,
// Leather. Their pictures follow the 52 faces, numbers 52 to 55.
inline constexpr int kCardBackCount = 4;
inline constexpr std::int32_t kFirstCardBack = kDeckSize;
inline constexpr std::int32_t kLastCardBack = kFirstCardBack + kCardBackCount - 1;

// Whether `picture` is one of the backs; a hand-edited settings file may hold any number.
constexpr bool isCardBack(std::int32_t picture) noexcept {
    return picture >= kFirstCardBack && picture <= kLastCardBack;
}

} // namespace omaha
