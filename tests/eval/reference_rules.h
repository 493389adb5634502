#pragma once

#include "eval/hand_rank.h"

// A second, deliberately plain reading of the hand rules, written apart from the evaluator so
// that the tests can compare the two on any cards.
namespace omaha::reference {

HandRank rankFive(const FiveCards& cards);
HandRank bestHand(const Hole& hole, const Board& board);
HandRank bestPair(Card p1, Card p2, const Board& board);

} // namespace omaha::reference
