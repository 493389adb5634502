#pragma once

#include "core/card.h"
#include "core/card_text.h"

#include <array>
#include <cstddef>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

// Cards written as in the game's notation, "Ah Td 2c", so that test hands read like hands.
namespace omaha::test {

// Exactly N cards separated by single blanks.
template <std::size_t N>
std::array<Card, N> cards(std::string_view written) {
    std::array<Card, N> result{};
    for (std::size_t k = 0; k < N; ++k) {
        const std::optional<Card> card = parseCardCode(written.substr(3 * k, 2));
        if (written.size() != 3 * N - 1 || !card)
            throw std::invalid_argument("not a hand or board: " + std::string(written));
        result[k] = *card;
    }
    return result;
}

inline constexpr auto board = &cards<5>;
inline constexpr auto hole = &cards<4>;

} // namespace omaha::test

namespace omaha {
// Failing checks show cards in the same notation.
inline void PrintTo(const Card& card, std::ostream* out) {
    *out << cardCode(card);
}
} // namespace omaha
