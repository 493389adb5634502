#pragma once

#include "engine/card.h"
#include "eval/hand_rank.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// Cards written as in the game's notation, "Ah Td 2c", so that test hands read like hands.
namespace omaha::test {

inline Card card(std::string_view written) {
    constexpr std::string_view kRanks = "23456789TJQKA";
    constexpr std::string_view kSuits = "cdhs";
    if (written.size() != 2)
        throw std::invalid_argument("not a card");
    const std::size_t rank = kRanks.find(written[0]);
    const std::size_t suit = kSuits.find(written[1]);
    if (rank == std::string_view::npos || suit == std::string_view::npos)
        throw std::invalid_argument("not a card");
    return Card{static_cast<std::int32_t>(suit), static_cast<std::int32_t>(rank)};
}

// Exactly N cards separated by blanks.
template <std::size_t N>
std::array<Card, N> cards(std::string_view written) {
    std::array<Card, N> result{};
    std::size_t n = 0;
    while (!written.empty()) {
        if (written.front() == ' ') {
            written.remove_prefix(1);
            continue;
        }
        if (n == N)
            throw std::invalid_argument("too many cards");
        result[n++] = card(written.substr(0, 2));
        written.remove_prefix(std::min<std::size_t>(2, written.size()));
    }
    if (n != N)
        throw std::invalid_argument("too few cards");
    return result;
}

inline FiveCards five(std::string_view written) {
    return cards<5>(written);
}
inline Board board(std::string_view written) {
    return cards<5>(written);
}
inline Hole hole(std::string_view written) {
    return cards<4>(written);
}

// The cards in the same notation, for failure messages.
template <std::size_t N>
std::string text(const std::array<Card, N>& cards) {
    std::string written;
    for (const Card& c : cards)
        written += {"23456789TJQKA"[c.rank], "cdhs"[c.suit], ' '};
    return written;
}

} // namespace omaha::test
