#pragma once

#include "engine/card.h"
#include "engine/seats.h"
#include "engine/table_state.h"

#include <cstdint>

namespace omaha {

// What the computer players keep between their decisions. The strength survives from one decision
// to the next, which matters only for an AI level the estimate does not know.
struct OpponentMind {
    Hole workhand{};
    std::int32_t strength = 0;
    std::int32_t chance = 0;
    bool willcall = false;
};

// Whether `seat` calls the pending bet; sets mind.willcall.
bool decidecall(OpponentMind& mind, TableState& table, SeatCode seat);

// The raise `seat` makes in its turn, 0 for a check.
std::int32_t decideraise(OpponentMind& mind, TableState& table, SeatCode seat);

} // namespace omaha
