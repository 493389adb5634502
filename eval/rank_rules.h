#pragma once

#include "eval/hand_rank.h"

namespace omaha {

// Classifies five cards by walking through the hand classes one test at a time, exactly as the
// rules are stated. Too slow for play; it fills the lookup table that `rankFive` reads.
HandRank rankByRules(const FiveCards& cards) noexcept;

} // namespace omaha
