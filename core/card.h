#pragma once

#include <array>
#include <cstdint>

namespace omaha {

// The suits in the order in which a fresh deck is built.
enum class Suit : std::uint8_t { Clubs, Diamonds, Hearts, Spades };

// The ranks from the lowest up. The ace is high, and low only in the straight from ace to five.
enum class Rank : std::uint8_t {
    Two,
    Three,
    Four,
    Five,
    Six,
    Seven,
    Eight,
    Nine,
    Ten,
    Jack,
    Queen,
    King,
    Ace,
};

inline constexpr int kSuitCount = 4;
inline constexpr int kRankCount = 13;

// A suit's place in the order, clubs 0 to spades 3, and a rank's, Two 0 to Ace 12: what tables
// of suits and ranks are indexed by.
constexpr int number(Suit suit) noexcept {
    return static_cast<int>(suit);
}
constexpr int number(Rank rank) noexcept {
    return static_cast<int>(rank);
}

// One playing card. The index 13 * suit + rank is both the order in which a fresh deck is built
// and the number of the card's picture. A slot that was never dealt holds the Two of clubs.
struct Card {
    Suit suit = Suit::Clubs;
    Rank rank = Rank::Two;

    constexpr int index() const noexcept { return kRankCount * number(suit) + number(rank); }
    // `index` is 0 to 51.
    static constexpr Card fromIndex(int index) noexcept {
        return Card{static_cast<Suit>(index / kRankCount), static_cast<Rank>(index % kRankCount)};
    }

    friend constexpr bool operator==(const Card&, const Card&) = default;
};

inline constexpr int kDeckSize = kSuitCount * kRankCount;
inline constexpr int kHoleCards = 4;
inline constexpr int kBoardCards = 5;

using Deck = std::array<Card, kDeckSize>;
using Hole = std::array<Card, kHoleCards>;
using Board = std::array<Card, kBoardCards>;

} // namespace omaha
