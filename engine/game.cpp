#include "engine/game.h"

#include "engine/chips.h"
#include "settings/game_settings.h"

#include <utility>

namespace omaha {

Game::Game(TableView& view, SettingsFile settings, Clock clock)
    : view_(view), settings_(std::move(settings)), clock_(std::move(clock)) {}

void Game::startup() {
    table_.potpaid = false;
    view_.enableButton(TableButton::Deal, false);
    table_.opener = kRobot;
    loadsettings(table_, settings_);
    reseed();
    table_.street = kPreflop;
    for (Seat& seat : table_.seats)
        seat.folded = seat.raised = false;
    table_.outcount = 0;
    builddeck();
    view_.showPot(table_.pot);
    for (const SeatCode seat : kTableOrder)
        view_.showCash(seat, table_.seats[seat].cash);
    clearComputerStatuses();
    // The first hand of a run has Expert on the small blind and Robot on the big one.
    table_.blindmarker = kRobot;
    table_.opener = kRobot;
    dealNextHand();
}

void Game::newgame() {
    table_.potpaid = false;
    whitenStatuses();
    view_.erasearea(kBoardArea);
    settings_.writeInt("Background", "Color", table_.bgcolor);
    savecash(table_, settings_);
    view_.showStatus(kHuman, "");

    if (table_.seats[kHuman].cash <= 0) {
        view_.showMessage("You lose!", "Game over");
        disableTableButtons();
        return;
    }
    bool computersBroke = true;
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        computersBroke = computersBroke && table_.seats[seat].cash <= 0;
    if (computersBroke) {
        view_.showMessage("You win!", "Game over");
        disableTableButtons();
        return;
    }

    for (Seat& seat : table_.seats)
        seat.folded = seat.raised = false;
    table_.outcount = 0;
    view_.showResult("");
    view_.enableButton(TableButton::Deal, false);
    view_.enableButton(TableButton::Fold, true);
    view_.enableButton(TableButton::Stay, true);
    view_.enableButton(TableButton::Raise, true);
    table_.street = kPreflop;
    // The blinds move one seat on at every deal.
    table_.blindmarker = table_.blindmarker == kRobot ? kHuman : table_.blindmarker - 1;
    table_.opener = table_.blindmarker;
    clearComputerStatuses();
    dealNextHand();
}

void Game::dealNextHand() {
    table_.smallblind = table_.smallbet / 2;
    table_.bigblind = table_.smallbet;
    table_.tocall = table_.smallbet;
    for (const Seat& seat : table_.seats)
        if (seat.cash <= 0)
            table_.outcount += 1;
    // The pot holds both blinds before the blind seats pay them.
    setPot(addChips(table_.smallblind, table_.bigblind));
    for (const SeatCode seat : kTableOrder) {
        view_.showCash(seat, table_.seats[seat].cash);
        // A broke seat is dealt cards but shows none; what it held last hand is wiped.
        if (table_.seats[seat].cash <= 0)
            view_.erasearea(fanOf(seat).erase);
    }
    dealhand();
    paintcards();
    view_.setStayCaption("Call");
    view_.enableButton(TableButton::Raise, true);
    postblinds();
    openbetting();
}

void Game::openbetting() {
    // The seats behind the big blind answer it, then take their first turns; the human acts next.
    const SeatCode bigBlind = table_.opener;
    for (SeatCode seat = bigBlind - 1; seat >= kRobot; --seat)
        if (table_.seats[seat].active())
            callorfold(seat);
    if (bigBlind != kRobot)
        computerpass(bigBlind - 1);
}

void Game::paintcards() {
    table_.hidecards = computeHidecards(table_);
    view_.paintcards(table_);
}

void Game::setCash(SeatCode seat, std::int32_t cash) {
    const bool wentBroke = table_.seats[seat].cash > 0 && cash <= 0;
    table_.seats[seat].cash = cash;
    view_.showCash(seat, cash);
    // A seat without chips shows no cards, also in the middle of a hand.
    if (wentBroke)
        view_.erasearea(fanOf(seat).erase);
}

void Game::setPot(std::int32_t pot) {
    table_.pot = pot;
    view_.showPot(pot);
}

void Game::whitenStatuses() {
    for (const SeatCode seat : kTableOrder)
        view_.colourStatus(seat, StatusColour::White);
}

void Game::clearComputerStatuses() {
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        view_.showStatus(seat, "");
}

void Game::disableTableButtons() {
    view_.enableButton(TableButton::Deal, false);
    view_.enableButton(TableButton::Raise, false);
    view_.enableButton(TableButton::Fold, false);
    view_.enableButton(TableButton::Stay, false);
}

void Game::reseed() {
    table_.random.seed(clock_());
}

} // namespace omaha
