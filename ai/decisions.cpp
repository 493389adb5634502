#include "ai/decisions.h"

#include "ai/assess.h"
#include "ai/decision_tables.h"

namespace omaha {

namespace {

// Every decision starts from a fresh estimate of the seat's own cards; nothing is remembered
// from an earlier decision except the strength an unknown AI level leaves standing.
void reassess(OpponentMind& mind, TableState& table, SeatCode seat) {
    mind.hand = table.seats[seat].hole;
    mind.strength =
        assess(mind.hand, table.board, table.street, table.aiLevel, mind.strength, table.random);
}

} // namespace

bool decideCall(OpponentMind& mind, TableState& table, SeatCode seat) {
    reassess(mind, table, seat);
    mind.willCall = false;
    mind.chance = callChance(table.street, mind.strength);
    // The draw comes after all of the estimate's draws: the order is part of replaying a seed.
    if (chanceComesUp(mind.chance, table.random())) {
        mind.willCall = true;
    }
    return mind.willCall;
}

std::int32_t decideRaise(OpponentMind& mind, TableState& table, SeatCode seat) {
    std::int32_t raiseAmount = 0;
    reassess(mind, table, seat);
    mind.chance = raiseChance(table.street, mind.strength);
    if (chanceComesUp(mind.chance, table.random())) {
        raiseAmount = betsSmall(table.street) ? table.smallBet : table.bigBet;
    }
    return raiseAmount;
}

} // namespace omaha
