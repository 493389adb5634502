#include "core/card_backs.h"
#include "core/game_text.h"
#include "engine/game.h"
#include "engine/option_values.h"
#include "engine/saved_game.h"
#include "engine/whole_number.h"

#include <algorithm>
#include <string>

namespace omaha {

void Game::startNewGame(std::string_view moneyText) {
    const auto cash = parseWholeNumber(moneyText);
    if (!cash)
        throw GameError(
            fillPlaces(gameText("Message", "'%1' is not a valid integer value"), {moneyText}));
    // The same limits as the initial cash of the options panel.
    if (!isCashWithinLimits(*cash)) {
        view_.showMessage(gameText("Message", "the value is off limits"), "");
        return;
    }
    // Written first and in one go, so that a restart carries on with the new game, and a failed
    // write leaves the old game as it was.
    saveFreshCash(*cash, settings_);
    for (Seat& seat : table_.seats)
        seat.cash = *cash;
    table_.startingCash = *cash;
    observer_->newGame(*cash);
    // Last game's winners are no longer marked.
    whitenStatuses();
    view_.showStatus(kHuman, "");
    view_.wipeBoard();
    resetForNewHand();
    table_.blindMarker = kRobot;
    table_.opener = kRobot;
    dealNextHand();
}

std::optional<std::int32_t> Game::acceptCashAmount(std::string_view text) {
    const auto amount = parseWholeNumber(text);
    if (!amount) {
        view_.showMessage(gameText("Message", "Invalid value"), "");
        return std::nullopt;
    }
    if (!isCashWithinLimits(*amount)) {
        view_.showMessage(gameText("Message", "the value is off limits"), "");
        return std::nullopt;
    }
    return amount;
}

void Game::enterInitialCash(std::string_view text) {
    const auto cash = acceptCashAmount(text);
    if (!cash)
        return;
    table_.startingCash = *cash;
    view_.showMessage(gameText("Message", "New initial cash value confirmation"), "");
    // Every seat's new cash is saved with it, so that a restart shows what the table shows now.
    saveFreshCash(*cash, settings_);
    // The hand in progress goes on with the new cash; seats that were broke are back in play.
    for (const SeatCode seat : kTableOrder)
        setCash(seat, *cash);
}

void Game::enterTarget(std::string_view text) {
    const auto target = acceptCashAmount(text);
    if (!target)
        return;
    table_.targetMargin = *target;
    view_.showMessage(gameText("Message", "New until value confirmation"), "");
    settings_.writeInts({{"Cash", "until", *target}});
}

void Game::changeBetLevel(int level) {
    level = std::clamp(level, kLowestBetLevel, kHighestBetLevel);
    table_.smallBet = smallBetAt(level);
    table_.bigBet = bigBetAt(level);
    settings_.writeInts({{"Bet", "small", table_.smallBet}, {"Bet", "big", table_.bigBet}});
}

void Game::chooseCardBack(int item) {
    if (item < 0 || item >= kCardBackCount)
        return;
    table_.cardBack = kFirstCardBack + item;
    paintCards();
    settings_.writeInts({{"Card", "back", table_.cardBack}});
}

void Game::chooseLevel(int item) {
    if (item < 0 || item >= static_cast<int>(kAiLevels.size()))
        return;
    table_.aiLevel = kAiLevels[static_cast<std::size_t>(item)];
    settings_.writeInts({{"Levels", "comp", levelValue(table_.aiLevel)}});
}

} // namespace omaha
