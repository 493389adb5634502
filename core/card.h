#pragma once

#include <array>
#include <cstdint>

namespace omaha {

// One playing card. The index 13 * suit + rank is both the order in which a fresh deck is built
// and the number of the card's picture. A slot that was never dealt holds {0, 0}, the Two of clubs.
struct Card {
    std::int32_t suit = 0; // 0 clubs, 1 diamonds, 2 hearts, 3 spades
    std::int32_t rank = 0; // 0 Two ... 12 Ace

    constexpr std::int32_t index() const { return 13 * suit + rank; }
    static constexpr Card fromIndex(std::int32_t index) { return Card{index / 13, index % 13}; }

    friend constexpr bool operator==(const Card&, const Card&) = default;
};

inline constexpr int kDeckSize = 52;
inline constexpr int kHoleCards = 4;
inline constexpr int kBoardCards = 5;

using Deck = std::array<Card, kDeckSize>;
using Hole = std::array<Card, kHoleCards>;
using Board = std::array<Card, kBoardCards>;

} // namespace omaha
