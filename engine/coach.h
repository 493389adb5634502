#pragma once

#include "ai/winning_chance.h"
#include "core/random31.h"
#include "core/table_state.h"
#include "eval/best_five.h"

#include <cstdint>
#include <string>

namespace omaha {

// What the coach tells the player about the hand, worked out from what the player can see alone:
// their own four cards, the community cards turned so far, how many seats still hold cards, the
// bet they face and the pot. The computer players' cards and the community cards still face down
// never enter it.
struct CoachAdvice {
    bool holdsCards = false; // the player has cards on the table; with none there is no advice
    Hole yourCards{};
    int boardShown = 0; // community cards turned: 0, 3, 4 or 5
    BestFive best{};    // the best hand so far, once the flop is turned
    // The hand is still being played: the chance and the call are worth telling.
    bool handOpen = false;
    int opponents = 0;         // computer seats still in the hand
    double winningChance = 0;  // the share of the pot to expect, from 0 to 1
    std::int32_t callCost = 0; // what calling the pending bet costs, 0 when none is pending
    std::int32_t pot = 0;
};

// The coach's advice for the table as it stands. The chance comes from `deals` simulated deals
// drawn from `coachRandom`, a source of the coach's own: the table's source is never drawn from,
// so the game plays the same with the coach on or off. With the default number of deals it takes
// a few milliseconds at most; fewer give a rougher chance sooner.
CoachAdvice adviceFor(const TableState& table, Random31& coachRandom,
                      int deals = kWinningChanceDeals);

// The line under the table, e.g. "Two pairs Kings: K♠ K♦ + 6♣ 6♥ 2♠ · Chance against 3 players:
// 43% · Call 2 to win 21: you need 9%"; before the flop the hand reads "Your cards: A♠ K♦ 7♣ 2♥".
// Empty when the player holds no cards.
std::string coachLine(const CoachAdvice& advice);

// A seed for the coach's source in a game whose own source was seeded with `gameSeed`: a
// different stream, so that the coach's deals do not retrace the shuffles of the real deck, and
// still the same for the same game, so that a replayed game gets the same advice.
std::uint32_t coachSeed(std::uint32_t gameSeed);

} // namespace omaha
