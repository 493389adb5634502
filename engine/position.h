#pragma once

#include "core/table_state.h"

#include <string>
#include <string_view>

namespace omaha {

// A hand as it stands between two presses, with everything the table needs to play on from
// there. As text it is one line of name:value fields (docs/architecture.md describes each):
//   street:flop pot:25 out:1 opener:robot marker:expert call:0 bets:2/4 turn:you
//   board:7h2cQd9sTs you:1198:AhKd7c2s:in freak:1200:AsAc3d4h:folded geek:... robot:...
struct Position {
    // Betting while the human is to act (turn:you); PaidAtShowdown or WonByFolds when Deal is
    // the next press (turn:deal), the one or the other as every computer seat is out or not.
    HandPhase phase = HandPhase::Betting;
    Street street = Street::Preflop;
    std::int32_t pot = 0;
    std::int32_t seatsOut = 0;
    SeatCode opener = kRobot;
    SeatCode blindMarker = kRobot;
    std::int32_t amountToCall = 0;
    std::int32_t smallBet = 0;
    std::int32_t bigBet = 0;
    Board board{};        // all five, however many the street shows
    BySeat<Seat> seats{}; // cash, cards, and folded or with its bet pending
};

struct PositionReading {
    Position position;
    std::string problem; // what keeps the game from ever reaching the position, or ""
};

// Reads a position written as text: the fields in any order, each once, separated by blanks;
// words in either case. Refuses any position that no game can reach, saying why.
PositionReading readPosition(std::string_view text);

// The position as text, the fields in the order of the example above, as readPosition reads it
// back.
std::string positionText(const Position& position);

} // namespace omaha
