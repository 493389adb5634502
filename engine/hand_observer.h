#pragma once

#include "core/card.h"
#include "core/seats.h"
#include "core/street.h"
#include "eval/best_five.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace omaha {

enum class Blind { Small, Big };
enum class Action { Check, Call, Raise, Fold };

// What happens in a hand, told as it happens: for a record of play such as the hand history.
// Every event does nothing unless an observer cares for it.
class HandObserver {
public:
    virtual ~HandObserver() = default;

    // A new game: every seat starts with `startingCash`.
    virtual void newGame(std::int32_t /*startingCash*/) {}
    // A new hand: the human's four cards.
    virtual void handDealt(const Hole& /*yourCards*/) {}
    virtual void blindPosted(SeatCode /*seat*/, Blind /*blind*/, std::int32_t /*amount*/) {}
    // A check or a fold has no amount; a call or a raise says what it cost.
    virtual void acted(SeatCode /*seat*/, Action /*action*/, std::int32_t /*amount*/) {}
    // The community cards a street turns face up.
    virtual void cardsTurned(Street /*street*/, std::span<const Card> /*cards*/) {}
    // A hand named at the showdown, with the cards that make it.
    virtual void handShown(SeatCode /*seat*/, std::string_view /*name*/, const BestFive& /*hand*/) {
    }
    // A winner's share of the pot at the showdown.
    virtual void potShared(SeatCode /*seat*/, std::int32_t /*share*/, std::int32_t /*pot*/) {}
    // Every computer player folded: the human takes the pot.
    virtual void wonByFolds(std::int32_t /*pot*/) {}
    // The pot has been paid or won by folds: the hand is over. Told once a hand.
    virtual void handEnded() {}
    // The game is over: won when the human reached the target or every computer player is broke,
    // lost when the human is broke or another seat reached the target. It may be told again for
    // the same game (at the next start-up, say).
    virtual void gameEnded(bool /*youWon*/) {}
};

} // namespace omaha
