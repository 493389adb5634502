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

// Where the hand stands. A Deal starts the betting, which ends when the pot is paid: at the
// showdown, or to the human once every computer seat is out. The next Deal starts another hand.
enum class HandPhase : std::int32_t {
    NoneDealt,      // no hand yet: a game over at start-up deals none
    Betting,        // from the deal until the pot is paid
    PaidAtShowdown, // a showdown in the same press after this one only announces the winners again
    WonByFolds,     // the human took the pot; a showdown that follows only announces
};

// Whether a count of seats out of the hand, broke at the deal or folded, takes in every computer
// seat: the hand is then the human's.
constexpr bool everyComputerOut(std::int32_t seatsOut) {
    return seatsOut >= kSeatCount - 1;
}

// All the data of the game. Program start leaves everything zero; start-up fills it from the
// settings file and deals the first hand.
struct TableState {
    HandPhase phase = HandPhase::NoneDealt;
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
    std::int32_t amountToCall = 0; // what a call of the pending bet costs
    SeatCode blindMarker = 0;      // steers the blinds; moves one seat on at every deal
    std::int32_t cardBack = 0;     // picture number of the card back, 52 to 55
    BySeat<Seat> seats{};

    Random31 random{}; // the one random source of the game

    // The pot of this hand has gone to its winners.
    constexpr bool potPaid() const {
        return phase == HandPhase::PaidAtShowdown || phase == HandPhase::WonByFolds;
    }
    // The computer seat whose bet the human has to call, or 0 when there is none.
    constexpr SeatCode pendingBettor() const {
        for (SeatCode seat = kFreak; seat >= kRobot; --seat)
            if (seats[seat].raised)
                return seat;
        return 0;
    }
};

} // namespace omaha
