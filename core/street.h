#pragma once

#include <cstdint>

namespace omaha {

// The betting rounds of a hand, and the showdown that follows the last one. Every street begins
// when the turn comes round to the hand's opening seat.
enum class Street : std::int32_t {
    Preflop = 1, // the four private cards, no community card shown
    Flop = 2,    // three community cards
    Turn = 3,    // the fourth
    River = 4,   // the fifth
    Showdown = 5,
};

constexpr Street nextStreet(Street street) {
    return static_cast<Street>(static_cast<std::int32_t>(street) + 1);
}

// The flop, the turn and the river: the streets that open with a check or a bet after the flop has
// been shown.
constexpr bool isAfterFlopBetting(Street street) {
    return street >= Street::Flop && street <= Street::River;
}

// The first two streets bet the small bet, the last two the big bet.
constexpr bool betsSmall(Street street) {
    return street <= Street::Flop;
}

constexpr std::int32_t streetNumber(Street street) {
    return static_cast<std::int32_t>(street);
}

} // namespace omaha
