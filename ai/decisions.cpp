#include "ai/decisions.h"

#include "ai/assess.h"
#include "ai/decision_tables.h"

namespace omaha {

namespace {

// Every decision starts from a fresh estimate of the seat's own cards; nothing is remembered
// from an earlier decision except the strength an unknown AI level leaves standing.
void reassess(OpponentMind& mind, TableState& table, SeatCode seat) {
    mind.workhand = table.seats[seat].hole;
    mind.strength = assess(mind.workhand, table.board, table.street, table.complevel, mind.strength,
                           table.random);
}

} // namespace

bool decidecall(OpponentMind& mind, TableState& table, SeatCode seat) {
    reassess(mind, table, seat);
    mind.willcall = false;
    mind.chance = callchance(table.street, mind.strength);
    // The draw comes after all of the estimate's draws: the order is part of replaying a seed.
    if (randomtest(mind.chance, table.random())) {
        mind.willcall = true;
    }
    return mind.willcall;
}

std::int32_t decideraise(OpponentMind& mind, TableState& table, SeatCode seat) {
    std::int32_t raiseby = 0;
    reassess(mind, table, seat);
    mind.chance = raisechance(table.street, mind.strength);
    if (randomtest(mind.chance, table.random())) {
        raiseby = betsSmall(table.street) ? table.smallbet : table.bigbet;
    }
    return raiseby;
}

} // namespace omaha
