#pragma once

#include "core/card.h"
#include "core/random31.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace omaha {

// The random transpositions of a shuffle: before each deal, and of the simulation deck of the
// opponents' strength estimate before each of its samples.
inline constexpr int kDealSwaps = 20001;
inline constexpr int kSimulationSwaps = 1001;

// A deck in card-index order: all clubs from the Two to the Ace, then diamonds, hearts, spades.
constexpr Deck freshDeck() noexcept {
    Deck deck{};
    for (int index = 0; index < kDeckSize; ++index)
        deck[static_cast<std::size_t>(index)] = Card::fromIndex(index);
    return deck;
}

// Mixes the deck by `Swaps` random transpositions, starting from whatever order it has: the deck
// of a game is built once and never rebuilt, so each shuffle starts where the last one left off.
// Each transposition draws two positions, i then j, which may be equal: the same seed must replay
// the same game. The opponents' strength estimate shuffles its own deck before every sample and
// is mostly this, so the positions are taken from the random source a batch at a time, without a
// division each; a batch holds a whole shuffle of the estimate, which is then one straight loop.
template <int Swaps = kDealSwaps>
void shuffleDeck(Deck& deck, Random31& random) noexcept {
    constexpr int kSwapsPerBatch = std::min(Swaps, kSimulationSwaps);
    std::array<std::uint8_t, 2 * kSwapsPerBatch> positions;
    for (int done = 0; done < Swaps;) {
        const int batchSwaps = std::min(kSwapsPerBatch, Swaps - done);
        const std::span batch(positions.data(), static_cast<std::size_t>(2 * batchSwaps));
        random.takeModulo52(batch);
        for (std::size_t k = 0; k < batch.size(); k += 2)
            std::swap(deck[batch[k]], deck[batch[k + 1]]);
        done += batchSwaps;
    }
}

} // namespace omaha
