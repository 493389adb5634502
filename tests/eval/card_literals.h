#pragma once

#include "core/card.h"

#include <array>
#include <cstddef>
#include <cstdint>
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
        const std::size_t rank = std::string_view("23456789TJQKA").find(written.at(3 * k));
        const std::size_t suit = std::string_view("cdhs").find(written.at(3 * k + 1));
        if (written.size() != 3 * N - 1 || rank > 12 || suit > 3)
            throw std::invalid_argument("not a hand or board: " + std::string(written));
        result[k] = Card{static_cast<std::int32_t>(suit), static_cast<std::int32_t>(rank)};
    }
    return result;
}

inline constexpr auto board = &cards<5>;
inline constexpr auto hole = &cards<4>;

} // namespace omaha::test

namespace omaha {
// Failing checks show cards in the same notation.
inline void PrintTo(const Card& c, std::ostream* out) {
    *out << "23456789TJQKA"[c.rank] << "cdhs"[c.suit];
}
} // namespace omaha
