#include "ai/decisions.h"

#include "ai/assess.h"
#include "ai/decision_tables.h"

namespace omaha {

namespace {

// Every decision starts from a fresh estimate of the seat's own cards; nothing is remembered
// from an earlier decision except the strength an unknown AI level leaves standing.
void reassess(OpponentMind& mind, TableState& table, SeatCode seat) {
    mind.strength = assess(table.seats[seat].hole, table.board, table.street, table.aiLevel,
                           mind.strength, table.random);
}

} // namespace

bool decideCall(OpponentMind& mind, TableState& table, SeatCode seat) {
    reassess(mind, table, seat);
    // The draw comes after all of the estimate's draws: the order is part of replaying a seed.
    return chanceComesUp(callChance(table.street, mind.strength), table.random());
}

std::int32_t decideRaise(OpponentMind& mind, TableState& table, SeatCode seat) {
    reassess(mind, table, seat);
    if (!chanceComesUp(raiseChance(table.street, mind.strength), table.random()))
        return 0;
    return betsSmall(table.street) ? table.smallBet : table.bigBet;
}

} // namespace omaha
