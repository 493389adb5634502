#pragma once

#include "core/ai_level.h"
#include "core/card.h"
#include "core/card_backs.h"
#include "core/random31.h"
#include "core/seats.h"
#include "core/street.h"

#include <cstdint>

namespace omaha {

// One of the eight places at the table.
struct Seat {
    std::int32_t cash = 0; // may fall below zero: blinds and bets are taken in full
    Hole hole{};           // dealt to every seat at every deal, also to seats that are out
    bool folded = false;   // has folded in the current hand
    bool raised = false;   // this computer seat's bet is the one pending; at most one is set

    // A seat takes part in the hand while it has chips and has not folded.
    constexpr bool active() const { return cash > 0 && !folded; }
};

// All the data of the game. Program start leaves everything zero; start-up fills it from the
// settings file and deals the first hand.
struct TableState {
    bool potPaid = false;              // the showdown has paid this hand's pot
    AiLevel aiLevel{};                 // any number a hand-edited file holds is kept
    std::int32_t smallBlind = 0;       // smallBet / 2, rounded down
    std::int32_t bigBlind = 0;         // equal to smallBet
    std::int32_t smallBet = 0;         // bet of the first two streets
    std::int32_t bigBet = 0;           // bet of the last two streets
    SeatCode opener = 0;               // seat at which every new street begins
    std::int32_t targetMargin = 0;     // the game is won at startingCash + targetMargin
    std::int32_t backgroundColour = 0; // kept only to be written back to the settings file
    std::int32_t startingCash = 0;     // cash of every seat at a new game
    Street street{};
    Deck deck{};                   // built once, then only permuted by each shuffle
    Board board{};                 // all five dealt at the deal; the street says how many show
    std::int32_t pot = 0;          // kept after the payout until the next deal
    std::int32_t seatsOut = 0;     // seats out of the hand: broke at the deal, plus every fold
    std::int32_t amountToCall = 0; // what a computer seat pays to call
    std::int32_t raiseAmount = 0;  // raise chosen by the computer seat on turn, 0 for a check
    bool lastHandHidden = false;   // the human folded and one computer seat is left
    SeatCode blindMarker = 0;      // steers the blinds; moves one seat on at every deal
    std::int32_t cardBack = 0;     // picture number of the card back, 52 to 55
    bool cardsDealt = false;       // no hand has been dealt yet: a game over at start-up deals none
    BySeat<Seat> seats{};

    Random31 random{}; // the one random source of the game
};

} // namespace omaha
