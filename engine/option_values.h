#pragma once

#include "core/ai_level.h"

#include <cstdint>

namespace omaha {

// The betting limits of the options panel run from level 1 to level 5: at level L the small bet
// is 2 L and the big bet 4 L.
inline constexpr int kLowestBetLevel = 1;
inline constexpr int kHighestBetLevel = 5;

constexpr std::int32_t smallBetAt(int level) noexcept {
    return 2 * level;
}
constexpr std::int32_t bigBetAt(int level) noexcept {
    return 4 * level;
}

// The level whose bets these are. Bets of no level, as an edited settings file may hold, count
// as the lowest level.
constexpr int betLevelOf(std::int32_t smallBet, std::int32_t bigBet) noexcept {
    for (int level = kLowestBetLevel; level <= kHighestBetLevel; ++level)
        if (smallBet == smallBetAt(level) && bigBet == bigBetAt(level))
            return level;
    return kLowestBetLevel;
}

// What the options panel accepts as the initial cash and as the target. A game where nobody has
// chips could never be played, and one whose target lies beyond the largest cash would never end.
inline constexpr std::int32_t kLowestCash = 100;
inline constexpr std::int32_t kHighestCash = 1'000'000;

constexpr bool isCashWithinLimits(std::int32_t cash) noexcept {
    return cash >= kLowestCash && cash <= kHighestCash;
}

// What a first run plays with, and what a value that cannot be used reads as.
inline constexpr std::int32_t kDefaultCash = 1200;
// A first run plays to 600 over the initial cash, although the options panel shows 1000 until the
// file has been read.
inline constexpr std::int32_t kDefaultTarget = 600;
inline constexpr int kDefaultBetLevel = kLowestBetLevel;
inline constexpr AiLevel kDefaultAiLevel = AiLevel::Amateur;

} // namespace omaha
