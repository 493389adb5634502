#pragma once

#include "core/card.h"
#include "core/random31.h"

#include <cstdint>
#include <array>
#include <utility>

namespace omaha {

// Random transpositions that mix the simulation deck before each sample.
inline constexpr int kSimSwaps = 1001;

// The simulation deck as every estimate starts it: in card-index order, so that one random
// sequence always gives the same samples.
constexpr Deck freshsimdeck() noexcept {
    Deck simdeck{};
    for (std::int32_t position = 0; position < kDeckSize; ++position) {
        simdeck[static_cast<std::size_t>(position)] = Card::fromIndex(position);
    }
    return simdeck;
}

// Mixes `simdeck` for one sample, starting from whatever order the previous sample left. The
// draws are made strictly in the order i, j: the same seed must replay the same game. At Genius
// one estimate runs this 51 times and it is most of the estimate's cost, so the positions of all
// 1001 transpositions are taken from the random source in one batch, without a division each.
inline void shufflesimdeck(Deck& simdeck, Random31& random) noexcept {
    std::array<std::uint8_t, 2 * kSimSwaps> positions;
    random.takeModulo52(positions);
    for (std::size_t swap = 0; swap < positions.size(); swap += 2)
        std::swap(simdeck[positions[swap]], simdeck[positions[swap + 1]]);
}

} // namespace omaha
