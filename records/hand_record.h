#pragma once

#include "core/card.h"
#include "core/seats.h"
#include "core/street.h"

#include <cstdint>
#include <string>
#include <vector>

namespace omaha {

// Everything the hand history is told, kept so that the history's text can be told again.
enum class HandEventKind {
    NewGame,    // amount: every seat's starting cash
    Dealt,      // cards: the human's four
    SmallBlind, // seat, amount
    BigBlind,   // seat, amount
    Check,      // seat
    Call,       // seat, amount
    Raise,      // seat, amount
    Fold,       // seat
    Flop,       // cards: three
    Turn,       // cards: one
    River,      // cards: one
    Shown,      // seat, name, cards: the two private and three community cards of the hand
    Share,      // seat, amount: its share of the pot
    WonByFolds, // amount: the pot
};

struct HandEvent {
    HandEventKind kind{};
    Street street = Street::Preflop; // the betting round it happened in
    SeatCode seat = 0;               // 0 when the event is no seat's
    std::int32_t amount = 0;
    std::vector<Card> cards;
    std::string name; // of a hand shown: "Full house Sixes"
};

// One seat in one hand.
struct SeatRecord {
    Hole cards{};
    std::int32_t cashBefore = 0; // at the deal, before the blinds
    std::int32_t cashAfter = 0;  // once the pot has been paid
    std::int64_t putIn = 0;      // blinds, calls and raises
    std::int32_t share = 0;      // what it took of the pot
};

// A finished hand, as it is written to the records.
struct HandRecord {
    bool opensGame = false;        // the first hand of a game
    std::int32_t startingCash = 0; // of the game it opens
    std::int32_t aiLevel = 0;
    std::int32_t smallBet = 0;
    std::int32_t bigBet = 0;
    BySeat<SeatRecord> seats{};
    Board board{};      // all five, dealt at the deal
    int boardShown = 0; // 0, 3, 4 or 5
    std::int32_t pot = 0;
    bool wonByFolds = false;
    std::vector<HandEvent> events; // in the order they happened
};

} // namespace omaha
