#pragma once

#include "core/card.h"
#include "eval/hand_rank.h"

namespace omaha {

// The best of the ten hands made of the pair p1, p2 and three of the five community cards.
HandRank bestPairRank(Card p1, Card p2, const Board& board) noexcept;

// The best of the sixty hands made of two of the four private cards and three community cards.
HandRank bestOmahaRank(const Hole& hole, const Board& board) noexcept;

} // namespace omaha
