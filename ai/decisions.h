#pragma once

#include "core/seats.h"
#include "core/table_state.h"

#include <cstdint>

namespace omaha {

// What the computer players keep between their decisions: the strength of the last estimate,
// which an AI level the estimate does not know leaves standing for the next decision.
struct OpponentMind {
    std::int32_t strength = 0;
};

// Both decisions estimate the seat's strength afresh, look its chance up by street, and settle
// the matter with one draw of the table's random source, made after all of the estimate's draws.

// Whether `seat` calls the pending bet. It never looks at the amount to call: whether the seat's
// cash covers it is for the caller to decide.
bool decideCall(OpponentMind& mind, TableState& table, SeatCode seat);

// The raise `seat` makes in its turn, 0 for a check: the small bet on the first two streets and
// the big bet on the last two.
std::int32_t decideRaise(OpponentMind& mind, TableState& table, SeatCode seat);

} // namespace omaha
