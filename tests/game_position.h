#pragma once

#include "engine/game.h"

namespace omaha {

// The one door through which tests and benchmarks set up the positions they play from: the table
// itself. Every action is then a command of the game, as a player would press it.
class GamePosition {
public:
    static TableState& table(Game& game) { return game.table_; }
};

} // namespace omaha
