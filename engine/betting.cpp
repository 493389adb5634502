#include "core/chips.h"
#include "core/game_text.h"
#include "engine/game.h"

#include <span>

namespace omaha {

void Game::answerBet(SeatCode first, SeatCode last) {
    for (SeatCode seat = first; seat >= last; --seat)
        if (table_.seats[seat].active())
            callOrFold(seat);
}

void Game::advanceStreet() {
    table_.street = nextStreet(table_.street);
    paintCards();
    const std::span<const Card> board(table_.board);
    if (table_.street == Street::Flop)
        observer_->cardsTurned(Street::Flop, board.first(3));
    else if (table_.street == Street::Turn)
        observer_->cardsTurned(Street::Turn, board.subspan(3, 1));
    else if (table_.street == Street::River)
        observer_->cardsTurned(Street::River, board.subspan(4, 1));
}

void Game::callOrFold(SeatCode seat) {
    Seat& s = table_.seats[seat];
    const bool willCall = opponents_.callsBet(table_, seat);
    // A seat cannot call more than it has, whatever it decided.
    if (willCall && std::int64_t{s.cash} - table_.amountToCall >= 0) {
        view_.showStatus(seat, gameText("Table", "Calls"));
        observer_->acted(seat, Action::Call, table_.amountToCall);
        takeBet(seat, table_.amountToCall);
        return;
    }
    view_.wipeSeatCards(seat);
    view_.showStatus(seat, gameText("Table", "Folds"));
    observer_->acted(seat, Action::Fold, 0);
    s.folded = true;
    table_.seatsOut += 1;
    if (everyComputerOut(table_.seatsOut))
        foldWin();
    if (table_.opener == seat) {
        // Each street still begins with the first seat still in play behind the one that folded.
        SeatCode next = kHuman;
        for (SeatCode after = seat - 1; after >= kRobot; --after) {
            if (table_.seats[after].active()) {
                next = after;
                break;
            }
        }
        table_.opener = next;
    }
}

bool Game::checkOrRaise(SeatCode seat) {
    // A street ends when the turn comes round to the seat that opened it, before that seat acts.
    if (table_.opener == seat)
        advanceStreet();
    if (table_.street == Street::Showdown) {
        showdown();
        return false;
    }
    Seat& s = table_.seats[seat];
    s.raised = false;
    if (s.folded || s.cash < 1)
        return false;

    table_.amountToCall = 0;
    const std::int32_t raise = opponents_.raiseInTurn(table_, seat);
    if (raise == 0) {
        observer_->acted(seat, Action::Check, 0);
        // Pre-flop a check leaves the status as it was.
        if (isAfterFlopBetting(table_.street))
            view_.showStatus(seat, gameText("Table", "Check"));
        return false;
    }
    view_.showStatus(seat, gameText("Table", "Raises"));
    view_.colourStatus(seat, StatusColour::Yellow);
    observer_->acted(seat, Action::Raise, raise);
    // A turn begins with nothing to call, so the raise costs the raiser the raise alone.
    table_.amountToCall = raise;
    takeBet(seat, table_.amountToCall);
    for (Seat& other : table_.seats)
        other.raised = false;
    s.raised = true;
    answerBet(seat - 1, kRobot);
    for (SeatCode before = kFreak; before > seat; --before)
        if (table_.seats[before].active())
            view_.showStatus(before, "");
    // The human may only call or fold a computer's bet.
    view_.setStayCaption(gameText("Table", "Call"));
    view_.enableButton(TableButton::Raise, false);
    return true;
}

void Game::computerPass(SeatCode first) {
    // The pass is over at the first raise, which waits for the human's call, or at the showdown.
    for (SeatCode seat = first; seat >= kRobot; --seat) {
        const bool raised = checkOrRaise(seat);
        if (raised || table_.street == Street::Showdown)
            return;
    }
}

void Game::humanCalls() {
    const SeatCode bettor = table_.pendingBettor();
    table_.seats[bettor].raised = false;
    observer_->acted(kHuman, Action::Call, table_.amountToCall);
    takeBet(kHuman, table_.amountToCall);

    // The seats that acted before the bet answer it now. Pre-flop the big blind itself is among
    // them, as it has only posted its blind so far.
    const SeatCode lastToAnswer = table_.street == Street::Preflop ? bettor : bettor + 1;
    answerBet(kFreak, lastToAnswer);

    // A hand that has just been won by folds leaves only Deal to press.
    if (table_.phase != HandPhase::WonByFolds)
        view_.enableButton(TableButton::Raise, true);
    table_.amountToCall = 0;
    if (isAfterFlopBetting(table_.street))
        clearActiveComputerStatuses();
    if (bettor != kRobot)
        computerPass(bettor - 1);
}

void Game::check() {
    view_.showStatus(kHuman, "");
    view_.setStayCaption(gameText("Table", "Check"));
    whitenStatuses();
    if (table_.street == Street::Preflop)
        table_.amountToCall = table_.smallBet;

    if (table_.pendingBettor() != 0) {
        humanCalls();
    } else {
        // A check with no bet pending costs the human nothing.
        observer_->acted(kHuman, Action::Check, 0);
        clearComputerStatuses();
        table_.amountToCall = 0;
        computerPass(kFreak);
    }
    if (table_.opener == kHuman)
        advanceStreet();
    if (table_.street == Street::Showdown)
        showdown();
    // The flop always shows once the human's first Check/Call of the hand has been played out.
    if (table_.street == Street::Preflop)
        advanceStreet();
}

void Game::raise() {
    whitenStatuses();
    // A chip or less is no raise.
    if (table_.seats[kHuman].cash <= 1)
        return;
    view_.setStayCaption(gameText("Table", "Check"));

    const std::int32_t bet = betsSmall(table_.street) ? table_.smallBet : table_.bigBet;
    takeBet(kHuman, bet);
    table_.amountToCall = bet;
    if (table_.street == Street::Preflop) {
        // Pre-flop the human's raise completes the big blind as well.
        takeBet(kHuman, table_.smallBet);
        table_.amountToCall = table_.bigBet;
    }
    observer_->acted(kHuman, Action::Raise,
                     table_.street == Street::Preflop ? bet + table_.smallBet : bet);
    view_.showStatus(kHuman, "");

    if (table_.street == Street::Preflop) {
        // Only the seats up to a big blind that stands as a bet answer; the rest answer later.
        const SeatCode bigBlind = table_.pendingBettor();
        if (bigBlind != 0)
            answerBet(kFreak, bigBlind);
    }
    clearActiveComputerStatuses();
    for (Seat& s : table_.seats)
        s.raised = false;
    if (isAfterFlopBetting(table_.street))
        answerBet(kFreak, kRobot);

    if (table_.opener == kHuman)
        advanceStreet();
    if (table_.street == Street::Showdown) {
        showdown();
        return;
    }
    if (table_.phase == HandPhase::WonByFolds)
        return;
    table_.amountToCall = 0;
    computerPass(kFreak);
}

void Game::fold() {
    const SeatCode bettor = table_.pendingBettor();
    if (bettor != 0) {
        table_.seats[bettor].raised = false;
        answerBet(kFreak, bettor + 1);
    }
    observer_->acted(kHuman, Action::Fold, 0);
    view_.wipeSeatCards(kHuman);
    whitenStatuses();
    view_.showStatus(kHuman, gameText("Table", "you fold"));
    view_.setStayCaption(gameText("Table", "Check"));
    table_.street = Street::Showdown;
    showHandOverButtons();
    table_.seats[kHuman].folded = true;
    // Once the human is out the computer players bet no more: their hands are compared at once.
    paintCards();
    showdown();
}

} // namespace omaha
