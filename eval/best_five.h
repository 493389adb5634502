#pragma once

#include "core/card.h"
#include "eval/hand_rank.h"

#include <array>
#include <cstddef>

namespace omaha {

// A player's best hand with the cards that make it: two private and three community cards.
struct BestFive {
    HandRank rank;
    std::array<Card, 2> own;
    std::array<Card, 3> shared;
};

// The same choice as bestOmahaRank, with its cards: for telling the player what was shown, not for
// the opponents' estimate, which needs only the value and needs it fast. Only the first
// `shownCards` community cards (3 to 5) are used: on the flop and the turn the player's hand so
// far.
BestFive bestFive(const Hole& hole, const Board& board, std::size_t shownCards = kBoardCards);

} // namespace omaha
