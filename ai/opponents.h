#pragma once

#include "core/seats.h"
#include "core/table_state.h"

#include <cstdint>

namespace omaha {

// The judgement of the seven computer players, asked by the table at each of their decisions.
// Both calls may draw from the table's random source: the order of the draws is part of replaying
// a game from its seed.
class Opponents {
public:
    virtual ~Opponents() = default;

    // Whether `seat` calls the pending bet. Whether its cash covers the bet is the table's concern.
    virtual bool callsBet(TableState& table, SeatCode seat) = 0;
    // The raise `seat` makes in its turn, 0 for a check.
    virtual std::int32_t raiseInTurn(TableState& table, SeatCode seat) = 0;
};

} // namespace omaha
