#include "engine/chips.h"
#include "engine/game.h"
#include "eval/omaha_hand.h"
#include "settings/game_settings.h"

#include <algorithm>
#include <array>
#include <string>

namespace omaha {

namespace {

// What the showdown needs to know about each seat, beyond the table.
struct ShowdownSeat {
    // Stands in for the showdown value of a seat that is not in the hand; all are distinct and
    // below any real hand.
    std::int32_t excludedValue;
    std::string_view firstWinnerText;
    std::string_view laterWinnerText;
    std::string_view gameWonMessage;
};

constexpr ShowdownSeat showdownSeat(SeatCode seat) {
    switch (seat) {
    case kHuman:
        return {-180, "You ", "You ", "You win!"};
    case kFreak:
        return {-150, "Freak ", ", Freak ", "Freak wins"};
    case kGeek:
        return {-120, "Geek ", ", Geek ", "Geek wins"};
    case kMaster:
        return {-170, "Master ", ", Master ", "Master wins"};
    case kChamp:
        return {-110, "Champ ", ", Champ ", "Champ wins"};
    case kPinhead:
        return {-115, "Pinhead ", ", Pinhead ", "Pinhead wins"};
    case kExpert:
        return {-165, "Expert ", ", Expert ", "Expert wins"};
    default:
        return {-195, "Robot ", ", Robot ", "Robot wins"};
    }
}

} // namespace

std::int32_t Game::gameTarget() const {
    return addChips(table_.initialcash, table_.untilcash);
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
            hands[seat] = besthand(table_.seats[seat].hole, table_.board);

    paintcards();
    for (const SeatCode seat : kTableOrder)
        if (inHand[seat])
            view_.showStatus(seat, handname(hands[seat].category));
    if (table_.hidecards)
        for (const SeatCode seat : kTableOrder)
            view_.showStatus(seat, "");

    BySeat<std::int32_t> values{};
    for (const SeatCode seat : kTableOrder)
        values[seat] =
            inHand[seat] ? hands[seat].showdownValue() : showdownSeat(seat).excludedValue;
    const std::int32_t best = *std::max_element(values.begin(), values.end());

    std::string text;
    int winners = 0;
    bool humanWins = false;
    for (const SeatCode seat : kTableOrder) {
        if (values[seat] != best)
            continue;
        view_.colourStatus(seat, StatusColour::Yellow);
        text +=
            winners == 0 ? showdownSeat(seat).firstWinnerText : showdownSeat(seat).laterWinnerText;
        ++winners;
        humanWins = humanWins || seat == kHuman;
    }
    text += winners == 1 && !humanWins ? "wins" : "win";
    view_.showResult(text);

    // The pot is paid once a hand; what a split leaves over is lost.
    if (!table_.potpaid && table_.outcount != 7) {
        table_.potpaid = true;
        const std::int32_t share = table_.pot / winners;
        for (const SeatCode seat : kTableOrder)
            if (values[seat] == best)
                table_.seats[seat].cash = addChips(table_.seats[seat].cash, share);
    }
    for (const SeatCode seat : kTableOrder)
        view_.showCash(seat, table_.seats[seat].cash);

    endHandButtons();
    for (const SeatCode seat : kTableOrder) {
        if (table_.seats[seat].cash >= gameTarget()) {
            view_.showMessage(showdownSeat(seat).gameWonMessage, "Game over");
            view_.enableButton(TableButton::Deal, false);
        }
    }
}

void Game::foldwin() {
    ++foldwins_;
    for (SeatCode seat = kFreak; seat >= kRobot; --seat) {
        if (table_.seats[seat].cash <= 0)
            continue;
        view_.erasearea(fanOf(seat).erase);
        view_.showStatus(seat, "Folds");
        table_.seats[seat].folded = true;
    }
    endHandButtons();
    view_.showResult("you win    ");
    setCash(kHuman, addChips(table_.seats[kHuman].cash, table_.pot));
    if (table_.seats[kHuman].cash >= gameTarget()) {
        view_.showMessage("You win!", "Game over");
        view_.enableButton(TableButton::Deal, false);
    }
    savecash(table_, settings_);
}

void Game::endHandButtons() {
    view_.enableButton(TableButton::Deal, true);
    view_.enableButton(TableButton::Raise, false);
    view_.enableButton(TableButton::Fold, false);
    view_.enableButton(TableButton::Stay, false);
}

} // namespace omaha
