#pragma once

#include "core/card.h"
#include "core/random31.h"

#include <cstdint>
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
// draws are made strictly in the order i, j: the same seed must replay the same game. Kept inline
// and free of anything but the draws and the swaps, since at Genius one estimate runs this 51
// times and it is most of the estimate's cost.
inline void shufflesimdeck(Deck& simdeck, Random31& random) noexcept {
    for (int swap = 0; swap < kSimSwaps; ++swap) {
        // The draws are never negative, so the unsigned remainder is the same and cheaper.
        const auto i = static_cast<std::uint32_t>(random()) % kDeckSize;
        const auto j = static_cast<std::uint32_t>(random()) % kDeckSize;
        std::swap(simdeck[i], simdeck[j]);
    }
}

} // namespace omaha
