#include "engine/chips.h"
#include "engine/game.h"

namespace omaha {

namespace {

// The computer seat whose bet is pending, or 0 when there is none.
SeatCode pendingBettor(const TableState& table) {
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        if (table.seats[seat].raised)
            return seat;
    return 0;
}

} // namespace

void Game::takeBet(SeatCode seat, std::int32_t amount) {
    setCash(seat, subtractChips(table_.seats[seat].cash, amount));
    setPot(addChips(table_.pot, amount));
}

void Game::callorfold(SeatCode seat) {
    Seat& s = table_.seats[seat];
    const bool willcall = script_ ? script_->calls(table_, seat) : decidecall(mind_, table_, seat);
    if (willcall && std::int64_t{s.cash} - table_.tocall >= 0) {
        view_.showStatus(seat, "Calls");
        takeBet(seat, table_.tocall);
        return;
    }
    view_.erasearea(fanOf(seat).erase);
    view_.showStatus(seat, "Folds");
    s.folded = true;
    table_.outcount += 1;
    if (table_.outcount == 7)
        foldwin();
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

void Game::checkorraise(SeatCode seat) {
    table_.raiseby = 0;
    if (table_.opener == seat) {
        table_.street += 1;
        paintcards();
    }
    if (table_.street == kShowdown) {
        showdown();
        return;
    }
    Seat& s = table_.seats[seat];
    s.raised = false;
    if (s.folded || s.cash < 1)
        return;

    table_.tocall = 0;
    table_.raiseby = script_ ? script_->raises(table_, seat) : decideraise(mind_, table_, seat);
    if (table_.raiseby == 0) {
        if (table_.street >= kFlop && table_.street <= kRiver)
            view_.showStatus(seat, "Check");
        return;
    }
    view_.showStatus(seat, "Raises");
    view_.colourStatus(seat, StatusColour::Yellow);
    table_.tocall = table_.raiseby;
    takeBet(seat, table_.tocall);
    for (Seat& other : table_.seats)
        other.raised = false;
    s.raised = true;
    for (SeatCode after = seat - 1; after >= kRobot; --after)
        if (table_.seats[after].active())
            callorfold(after);
    for (SeatCode before = kFreak; before > seat; --before)
        if (table_.seats[before].active())
            view_.showStatus(before, "");
    view_.setStayCaption("Call");
    view_.enableButton(TableButton::Raise, false);
}

void Game::computerpass(SeatCode first) {
    for (SeatCode seat = first; seat >= kRobot; --seat) {
        checkorraise(seat);
        if (table_.raiseby >= 1 || table_.street == kShowdown)
            return;
    }
}

void Game::humancalls() {
    const SeatCode bettor = pendingBettor(table_);
    table_.seats[bettor].raised = false;
    takeBet(kHuman, table_.tocall);

    // The seats that acted before the bet answer it now. Pre-flop the big blind itself is among
    // them, as it has only posted its blind so far.
    const SeatCode lastToAnswer = table_.street == kPreflop ? bettor : bettor + 1;
    const int foldwinsBefore = foldwins_;
    for (SeatCode seat = kFreak; seat >= lastToAnswer; --seat)
        if (table_.seats[seat].active())
            callorfold(seat);

    // A hand that has just been won by folds leaves only Deal to press.
    if (foldwins_ == foldwinsBefore)
        view_.enableButton(TableButton::Raise, true);
    table_.tocall = 0;
    if (table_.street >= kFlop && table_.street <= kRiver)
        for (SeatCode seat = kFreak; seat >= kRobot; --seat)
            if (table_.seats[seat].active())
                view_.showStatus(seat, "");
    if (bettor != kRobot)
        computerpass(bettor - 1);
}

void Game::playerstays() {
    table_.potpaid = false;
    view_.showStatus(kHuman, "");
    view_.setStayCaption("Check");
    whitenStatuses();
    if (table_.street == kPreflop)
        table_.tocall = table_.smallbet;

    if (pendingBettor(table_) != 0) {
        humancalls();
    } else {
        // A check with no bet pending costs the human nothing.
        for (SeatCode seat = kFreak; seat >= kRobot; --seat)
            view_.showStatus(seat, "");
        table_.tocall = 0;
        computerpass(kFreak);
    }
    table_.raiseby = 0;
    if (table_.opener == kHuman) {
        table_.street += 1;
        paintcards();
    }
    if (table_.street == kShowdown)
        showdown();
    // The flop always shows once the human's first Check/Call of the hand has been played out.
    if (table_.street == kPreflop) {
        table_.street = kFlop;
        paintcards();
    }
}

void Game::playerbets() {
    whitenStatuses();
    if (table_.outcount >= 7)
        return;
    table_.potpaid = false;
    if (table_.seats[kHuman].cash <= 1)
        return;
    view_.setStayCaption("Check");

    const std::int32_t bet = table_.street <= kFlop ? table_.smallbet : table_.bigbet;
    takeBet(kHuman, bet);
    table_.tocall = bet;
    if (table_.street == kPreflop) {
        // Pre-flop the human's raise completes the big blind as well.
        takeBet(kHuman, table_.smallbet);
        table_.tocall = table_.bigbet;
    }
    view_.showStatus(kHuman, "");

    if (table_.street == kPreflop) {
        const SeatCode bigBlind = pendingBettor(table_);
        if (bigBlind != 0)
            for (SeatCode seat = kFreak; seat >= bigBlind; --seat)
                if (table_.seats[seat].active())
                    callorfold(seat);
    }
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        if (table_.seats[seat].active())
            view_.showStatus(seat, "");
    for (Seat& s : table_.seats)
        s.raised = false;
    if (table_.street >= kFlop && table_.street <= kRiver)
        for (SeatCode seat = kFreak; seat >= kRobot; --seat)
            if (table_.seats[seat].active())
                callorfold(seat);

    if (table_.opener == kHuman) {
        table_.street += 1;
        paintcards();
    }
    if (table_.street == kShowdown) {
        showdown();
        return;
    }
    if (table_.outcount == 7)
        return;
    table_.tocall = 0;
    computerpass(kFreak);
}

void Game::playerpasses() {
    const SeatCode bettor = pendingBettor(table_);
    if (bettor != 0) {
        table_.seats[bettor].raised = false;
        for (SeatCode seat = kFreak; seat > bettor; --seat)
            if (table_.seats[seat].active())
                callorfold(seat);
    }
    table_.potpaid = false;
    view_.erasearea(fanOf(kHuman).erase);
    whitenStatuses();
    view_.showStatus(kHuman, "you fold");
    view_.setStayCaption("Check");
    table_.street = kShowdown;
    endHandButtons();
    table_.seats[kHuman].folded = true;
    // Once the human is out the computer players bet no more: their hands are compared at once.
    paintcards();
    showdown();
}

} // namespace omaha
