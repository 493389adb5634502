#pragma once

#include "core/card.h"
#include "core/seats.h"
#include "core/table_state.h"

#include <cstdint>

namespace omaha {

// What the computer players keep between their decisions. The strength survives from one decision
// to the next, which matters only for an AI level the estimate does not know.
struct OpponentMind {
    Hole hand{};
    std::int32_t strength = 0;
    std::int32_t chance = 0;
    bool willCall = false;
};

// Both decisions estimate the seat's strength afresh, look its chance up by street, and settle
// the matter with one draw of the table's random source, made after all of the estimate's draws.

// Whether `seat` calls the pending bet; sets mind.willCall. It never looks at the amount to call:
// whether the seat's cash covers it is for the caller to decide.
bool decideCall(OpponentMind& mind, TableState& table, SeatCode seat);

// The raise `seat` makes in its turn, 0 for a check: the small bet on the first two streets and
// the big bet on the last two.
std::int32_t decideRaise(OpponentMind& mind, TableState& table, SeatCode seat);

} // namespace omaha
