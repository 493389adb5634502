#pragma once

#include "core/card.h"
#include "core/random31.h"

#include <array>
#include <cstdint>
#include <utility>

namespace omaha {

// Random transpositions that mix the simulation deck before each sample.
inline constexpr int kSimulationSwaps = 1001;

// The simulation deck as every estimate starts it: in card-index order, so that one random
// sequence always gives the same samples.
constexpr Deck freshSimulationDeck() noexcept {
    Deck simulationDeck{};
    for (std::int32_t position = 0; position < kDeckSize; ++position) {
        simulationDeck[static_cast<std::size_t>(position)] = Card::fromIndex(position);
    }
    return simulationDeck;
}

// Mixes `simulationDeck` for one sample, starting from whatever order the previous sample left. The
// draws are made strictly in the order i, j: the same seed must replay the same game. At Genius
// one estimate runs this 51 times and it is most of the estimate's cost, so the positions of all
// 1001 transpositions are taken from the random source in one batch, without a division each.
inline void shuffleSimulationDeck(Deck& simulationDeck, Random31& random) noexcept {
    std::array<std::uint8_t, 2 * kSimulationSwaps> positions;
    random.takeModulo52(positions);
    for (std::size_t swap = 0; swap < positions.size(); swap += 2)
        std::swap(simulationDeck[positions[swap]], simulationDeck[positions[swap + 1]]);
}

} // namespace omaha
