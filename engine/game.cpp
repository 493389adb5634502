#include "engine/game.h"

#include "core/chips.h"
#include "core/dealing.h"
#include "core/deck.h"
#include "core/game_text.h"
#include "engine/saved_game.h"

#include <utility>

namespace omaha {

Game::Game(TableView& view, SettingsStore& settings, Opponents& opponents, Clock clock)
    : view_(view), settings_(settings), opponents_(opponents), clock_(std::move(clock)) {}

void Game::startup() {
    startedAfresh_ = !loadSavedGame(table_, settings_);
    reseedFromClock();
    table_.deck = freshDeck();
    resetForNewHand();
    // The first hand of a run has Expert on the small blind and Robot on the big one.
    table_.blindMarker = kRobot;
    table_.opener = kRobot;
    // A game saved after it was lost or won deals no hand: the table shows the saved cash and the
    // game-over box, as the next Deal would, and only a new game goes on.
    if (isGameOver()) {
        showCashAndPot();
        announceGameOver();
        return;
    }
    dealNextHand();
}

void Game::startFrom(const Position& position) {
    startedAfresh_ = !loadSavedGame(table_, settings_);
    reseedFromClock();
    table_.phase = position.phase;
    table_.street = position.street;
    table_.pot = position.pot;
    table_.seatsOut = position.seatsOut;
    table_.opener = position.opener;
    table_.blindMarker = position.blindMarker;
    table_.amountToCall = position.amountToCall;
    table_.smallBet = position.smallBet;
    table_.bigBet = position.bigBet;
    table_.board = position.board;
    table_.seats = position.seats;
    gatherDeck(table_);

    showCashAndPot();
    const bool handOn = table_.phase == HandPhase::Betting;
    const SeatCode bettor = table_.pendingBettor();
    const bool preflop = table_.street == Street::Preflop;
    if (handOn) {
        showHandInProgressButtons();
        // A computer's bet may only be called or folded to; the big blind standing as the bet
        // before the flop may be raised, as the deal leaves it.
        if (bettor != 0 && !(preflop && bettor == table_.opener))
            view_.enableButton(TableButton::Raise, false);
        observer_->handDealt(table_.seats[kHuman].hole);
    } else {
        showHandOverButtons();
    }
    // Before the flop the human has the big blind to meet.
    view_.setStayCaption(handOn && (bettor != 0 || preflop) ? gameText("Table", "Call")
                                                            : gameText("Table", "Check"));
    paintCards();
}

void Game::deal() {
    whitenStatuses();
    view_.wipeBoard();
    saveDealSettings(table_, settings_);
    view_.showStatus(kHuman, "");
    if (isGameOver()) {
        announceGameOver();
        return;
    }

    resetForNewHand();
    // The blinds move one seat on at every deal.
    table_.blindMarker = seatAfter(table_.blindMarker);
    table_.opener = table_.blindMarker;
    dealNextHand();
}

bool Game::isGameOver() const {
    if (table_.seats[kHuman].cash <= 0)
        return true;
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        if (table_.seats[seat].cash > 0)
            return false;
    return true;
}

void Game::announceGameOver() {
    const bool youWon = table_.seats[kHuman].cash > 0;
    view_.showMessage(youWon ? gameText("Message", "You win!") : gameText("Message", "You lose!"),
                      gameText("Message", "Game over"));
    observer_->gameEnded(youWon);
    disableTableButtons();
}

void Game::reseedFromClock() {
    table_.random.seed(clock_());
}

void Game::resetForNewHand() {
    for (Seat& seat : table_.seats)
        seat.folded = seat.raised = false;
    table_.seatsOut = 0;
    table_.street = Street::Preflop;
    view_.showResult("");
    showHandInProgressButtons();
    clearComputerStatuses();
}

void Game::dealNextHand() {
    table_.smallBlind = table_.smallBet / 2;
    table_.bigBlind = table_.smallBet;
    table_.amountToCall = table_.smallBet;
    for (const Seat& seat : table_.seats)
        if (seat.cash <= 0)
            table_.seatsOut += 1;
    // The pot holds both blinds before the blind seats pay them.
    setPot(addChips(table_.smallBlind, table_.bigBlind));
    for (const SeatCode seat : kTableOrder) {
        view_.showCash(seat, table_.seats[seat].cash);
        // A broke seat is dealt cards but shows none; what it held last hand is wiped.
        if (table_.seats[seat].cash <= 0)
            view_.wipeSeatCards(seat);
    }
    dealHand();
    observer_->handDealt(table_.seats[kHuman].hole);
    paintCards();
    view_.setStayCaption(gameText("Table", "Call"));
    view_.enableButton(TableButton::Raise, true);
    postBlinds();
    openBetting();
}

void Game::paintCards() {
    view_.showCards(table_);
}

void Game::setCash(SeatCode seat, std::int32_t cash) {
    const bool wentBroke = table_.seats[seat].cash > 0 && cash <= 0;
    table_.seats[seat].cash = cash;
    view_.showCash(seat, cash);
    // A seat without chips shows no cards, also in the middle of a hand.
    if (wentBroke)
        view_.wipeSeatCards(seat);
}

void Game::setPot(std::int32_t pot) {
    table_.pot = pot;
    view_.showPot(pot);
}

void Game::takeBet(SeatCode seat, std::int32_t amount) {
    setCash(seat, subtractChips(table_.seats[seat].cash, amount));
    setPot(addChips(table_.pot, amount));
}

void Game::showCashAndPot() {
    for (const SeatCode seat : kTableOrder)
        view_.showCash(seat, table_.seats[seat].cash);
    view_.showPot(table_.pot);
}

void Game::whitenStatuses() {
    for (const SeatCode seat : kTableOrder)
        view_.colourStatus(seat, StatusColour::White);
}

void Game::clearComputerStatuses() {
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        view_.showStatus(seat, "");
}

void Game::clearActiveComputerStatuses() {
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        if (table_.seats[seat].active())
            view_.showStatus(seat, "");
}

void Game::showHandInProgressButtons() {
    view_.enableButton(TableButton::Deal, false);
    view_.enableButton(TableButton::Stay, true);
    view_.enableButton(TableButton::Raise, true);
    view_.enableButton(TableButton::Fold, true);
}

void Game::showHandOverButtons() {
    view_.enableButton(TableButton::Deal, true);
    view_.enableButton(TableButton::Raise, false);
    view_.enableButton(TableButton::Fold, false);
    view_.enableButton(TableButton::Stay, false);
}

void Game::disableTableButtons() {
    view_.enableButton(TableButton::Deal, false);
    view_.enableButton(TableButton::Raise, false);
    view_.enableButton(TableButton::Fold, false);
    view_.enableButton(TableButton::Stay, false);
}

} // namespace omaha
