#pragma once

#include "core/card.h"
#include "core/random31.h"

#include <span>

namespace omaha {

// Deals one estimate plays. At 20000 its standard error is at most 0.35 percentage points, so it
// comes within one point of the exact chance all but a few times in a thousand, and the worst
// position, seven opponents before the flop, still takes only about 4 ms.
inline constexpr int kWinningChanceDeals = 20000;

// The most opponents the estimate deals to: the seven computer players.
inline constexpr int kMostOpponents = 7;

// The share of the pot that `hole` can expect against `opponents` unknown hands, as a fraction
// from 0 to 1, by simulation: each of `deals` deals gives every opponent four cards and completes
// the board from the cards the player cannot see (all but `hole` and `shownBoard`, which holds the
// 0 to 5 community cards already turned), and the showdown values of the best hands decide it. A
// deal won alone counts whole, one tied with others counts as the tied winners' share. The cards
// must all differ. With no opponent the pot is the player's and nothing is drawn; more than seven
// count as seven.
double winningChance(const Hole& hole, std::span<const Card> shownBoard, int opponents,
                     Random31& random, int deals = kWinningChanceDeals) noexcept;

} // namespace omaha
