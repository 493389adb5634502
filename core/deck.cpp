#include "core/deck.h"

#include <cstddef>

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
    for (int swap = 0; swap < kShuffleSwaps; ++swap) {
        // Two draws in this order, i then j; they may be equal.
        const auto i = static_cast<std::size_t>(random() % kDeckSize);
        const Card remembered = deck[i];
        const auto j = static_cast<std::size_t>(random() % kDeckSize);
        deck[i] = deck[j];
        deck[j] = remembered;
    }
}

} // namespace omaha
