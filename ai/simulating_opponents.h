#pragma once

#include "ai/decisions.h"
#include "ai/opponents.h"

namespace omaha {

// The computer players the game plays against: each decision estimates the seat's strength by
// simulation, looks its chance up in a table and settles it with one random draw.
class SimulatingOpponents final : public Opponents {
public:
    bool callsBet(TableState& table, SeatCode seat) override {
        return decideCall(mind_, table, seat);
    }
    std::int32_t raiseInTurn(TableState& table, SeatCode seat) override {
        return decideRaise(mind_, table, seat);
    }

private:
    OpponentMind mind_;
};

} // namespace omaha
