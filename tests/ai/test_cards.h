#pragma once

#include "engine/card.h"

#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace omaha::testcards {

// A card written as rank then suit, "Ah" or "Tc", so that positions read like a hand history.
constexpr Card card(std::string_view text) {
    constexpr std::string_view ranks = "23456789TJQKA";
    constexpr std::string_view suits = "cdhs";
    if (text.size() != 2 || ranks.find(text[0]) == std::string_view::npos ||
        suits.find(text[1]) == std::string_view::npos) {
        throw std::invalid_argument("not a card");
    }
    return Card{static_cast<std::int32_t>(suits.find(text[1])),
                static_cast<std::int32_t>(ranks.find(text[0]))};
}

// Cards separated by single blanks: "Ac Ad 7h 2s".
template <typename Cards>
constexpr Cards cards(std::string_view text) {
    Cards result{};
    for (std::size_t k = 0; k < result.size(); ++k) {
        result[k] = card(text.substr(3 * k, 2));
    }
    if (text.size() != 3 * result.size() - 1) {
        throw std::invalid_argument("wrong number of cards");
    }
    return result;
}

constexpr Hole hole(std::string_view text) {
    return cards<Hole>(text);
}
constexpr Board board(std::string_view text) {
    return cards<Board>(text);
}

} // namespace omaha::testcards
