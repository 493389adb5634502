#include "core/deck.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace omaha {

namespace {

constexpr int kShuffleSwaps = 20001;

} // namespace

Deck freshDeck() {
    Deck deck{};
    for (int index = 0; index < kDeckSize; ++index)
        deck[static_cast<std::size_t>(index)] = Card::fromIndex(index);
    return deck;
}

void shuffleDeck(Deck& deck, Random31& random) {
    // Two draws a transposition, i then j, taken from the random source a batch at a time; i and
    // j may be equal.
    constexpr int kSwapsPerBatch = 1000;
    std::array<std::uint8_t, 2 * kSwapsPerBatch> positions;
    for (int done = 0; done < kShuffleSwaps;) {
        const int swaps = std::min(kSwapsPerBatch, kShuffleSwaps - done);
        const std::span<std::uint8_t> batch(positions.data(), static_cast<std::size_t>(2 * swaps));
        random.takeModulo52(batch);
        for (std::size_t k = 0; k < batch.size(); k += 2)
            std::swap(deck[batch[k]], deck[batch[k + 1]]);
        done += swaps;
    }
}

} // namespace omaha
