#include "core/chips.h"
#include "core/game_text.h"
#include "core/seat_facts.h"
#include "engine/game.h"
#include "engine/saved_game.h"
#include "engine/visible_cards.h"
#include "eval/best_five.h"
#include "eval/omaha_hand.h"

#include <algorithm>
#include <string>
#include <vector>

namespace omaha {

namespace {

// The showdown's winners as the table announces them, the human first: "Freak wins", "You win",
// "You , Geek win".
std::string winnersText(const std::vector<SeatCode>& seats) {
    if (seats.size() == 1 && seats[0] != kHuman)
        return fillPlaces(gameText("Table", "%1 wins"), {seatFacts(seats[0]).name});
    std::string names;
    for (const SeatCode seat : seats) {
        const std::string name =
            seat == kHuman ? gameText("Table", "You") : std::string(seatFacts(seat).name);
        names = names.empty() ? name : fillPlaces(gameText("Table", "%1 , %2"), {names, name});
    }
    return fillPlaces(gameText("Table", "%1 win"), {names});
}

} // namespace

std::int32_t Game::gameTarget() const {
    return addChips(table_.startingCash, table_.targetMargin);
}

void Game::showdown() {
    whitenStatuses();

    // Seats with cash that have not folded are compared. Should every unfolded seat have spent its
    // last chips, those seats are compared all the same rather than a folded seat taking the pot.
    BySeat<bool> inHand{};
    bool anyInHand = false;
    for (const SeatCode seat : kTableOrder) {
        inHand[seat] = table_.seats[seat].active();
        anyInHand = anyInHand || inHand[seat];
    }
    if (!anyInHand)
        for (const SeatCode seat : kTableOrder)
            inHand[seat] = !table_.seats[seat].folded;

    BySeat<HandRank> hands{};
    for (const SeatCode seat : kTableOrder)
        if (inHand[seat])
            hands[seat] = bestOmahaRank(table_.seats[seat].hole, table_.board);

    paintCards();
    for (const SeatCode seat : kTableOrder)
        if (inHand[seat])
            view_.showStatus(seat, handNameText(hands[seat].category));
    // The last computer seat left after the human's fold keeps its hand to itself.
    const bool hidden = hidesLastHand(table_);
    if (hidden)
        for (const SeatCode seat : kTableOrder)
            view_.showStatus(seat, "");

    BySeat<std::int32_t> values{};
    for (const SeatCode seat : kTableOrder)
        values[seat] = inHand[seat] ? hands[seat].showdownValue() : seatFacts(seat).excludedValue;
    const std::int32_t best = *std::max_element(values.begin(), values.end());

    std::vector<SeatCode> winnerSeats;
    for (const SeatCode seat : kTableOrder) {
        if (values[seat] != best)
            continue;
        view_.colourStatus(seat, StatusColour::Yellow);
        winnerSeats.push_back(seat);
    }
    const int winners = static_cast<int>(winnerSeats.size());
    view_.showResult(winnersText(winnerSeats));

    // The pot is paid once a hand; what a split leaves over is lost.
    if (!table_.potPaid()) {
        table_.phase = HandPhase::PaidAtShowdown;
        const std::int32_t share = table_.pot / winners;
        for (const SeatCode seat : kTableOrder)
            if (inHand[seat] && !hidden)
                observer_->handShown(seat, handName(hands[seat].category),
                                     bestFive(table_.seats[seat].hole, table_.board));
        for (const SeatCode seat : kTableOrder) {
            if (values[seat] != best)
                continue;
            table_.seats[seat].cash = addChips(table_.seats[seat].cash, share);
            observer_->potShared(seat, share, table_.pot);
        }
        observer_->handEnded();
    }
    for (const SeatCode seat : kTableOrder)
        view_.showCash(seat, table_.seats[seat].cash);

    showHandOverButtons();
    for (const SeatCode seat : kTableOrder)
        if (table_.seats[seat].cash >= gameTarget())
            announceGameWon(seat);
}

void Game::foldWin() {
    table_.phase = HandPhase::WonByFolds;
    for (SeatCode seat = kFreak; seat >= kRobot; --seat) {
        if (table_.seats[seat].cash <= 0)
            continue;
        view_.wipeSeatCards(seat);
        view_.showStatus(seat, gameText("Table", "Folds"));
        table_.seats[seat].folded = true;
    }
    showHandOverButtons();
    // The blanks after the words are the table's own, not the language's.
    view_.showResult(gameText("Table", "you win") + "    ");
    setCash(kHuman, addChips(table_.seats[kHuman].cash, table_.pot));
    observer_->wonByFolds(table_.pot);
    observer_->handEnded();
    if (table_.seats[kHuman].cash >= gameTarget())
        announceGameWon(kHuman);
    saveCash(table_, settings_);
}

void Game::announceGameWon(SeatCode seat) {
    view_.showMessage(seat == kHuman
                          ? gameText("Message", "You win!")
                          : fillPlaces(gameText("Message", "%1 wins"), {seatFacts(seat).name}),
                      gameText("Message", "Game over"));
    observer_->gameEnded(seat == kHuman);
    view_.enableButton(TableButton::Deal, false);
}

} // namespace omaha
