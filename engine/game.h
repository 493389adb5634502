#pragma once

#include "ai/opponents.h"
#include "core/table_state.h"
#include "engine/hand_observer.h"
#include "engine/position.h"
#include "engine/table_view.h"
#include "settings/settings_store.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace omaha {

// An error a command reports to the player in an error box, as "'abc' is not a valid integer
// value".
class GameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The game at one table: it owns the table's data and carries out every button and menu command,
// showing each change through the view and keeping the settings file up to date. A failed write
// of the settings file (SettingsWriteError) or a GameError leaves a command where it stopped.
class Game {
public:
    // Seconds of the clock, read to seed the random source at start-up and at every new game.
    using Clock = std::function<std::uint32_t()>;

    Game(TableView& view, SettingsStore& settings, Opponents& opponents, Clock clock);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Loads the saved game and deals the first hand, Expert on the small blind and Robot on the
    // big; a saved game that is already over says so instead and deals nothing.
    void startup();
    // In place of startup(): loads the saved game, then sets the table to `position` instead of
    // dealing, and shows it: the cash, the pot, the cards and the buttons for the next press.
    void startFrom(const Position& position);

    // The table's buttons.
    void deal();
    void check(); // Check, or Call while a bet is pending
    void raise();
    void fold();

    // The Game menu's "New game": the window re-seeds the random source, asks whether the player
    // is sure and, if so, starts a new game in which every seat has `moneyText` as cash.
    void reseedFromClock();
    void startNewGame(std::string_view moneyText);

    // The options panel. Each change takes effect and reaches the settings file at once.
    void enterInitialCash(std::string_view text); // "Enter" beside the initial cash
    void enterTarget(std::string_view text);      // "Enter" beside the target
    void changeBetLevel(int level);               // betting limits 1 to 5
    void chooseCardBack(int item);                // 0 Denum, 1 Cloth, 2 Rock, 3 Leather
    void chooseLevel(int item);                   // 0 Amateur, 1 Expert, 2 Master, 3 Genius

    // Tells `observer` everything that happens in the hands from now on.
    void observeHands(HandObserver& observer) { observer_ = &observer; }

    const TableState& table() const { return table_; }
    // Whether start-up found no game saved to carry on, so that this run plays a game of its own.
    bool startedAfresh() const { return startedAfresh_; }

private:
    // No hand can be dealt: the human has no cash left, or no computer player has any.
    bool isGameOver() const;
    // "You lose!" or "You win!", after which only a new game goes on.
    void announceGameOver();

    // A hand from the deal to its first wait for the human.
    void resetForNewHand();
    void dealNextHand();
    void dealHand();
    void postBlinds();
    void openBetting();

    // The betting.
    void callOrFold(SeatCode seat);
    // A computer seat's turn; true when it raised, which stops the computers' pass.
    bool checkOrRaise(SeatCode seat);
    void computerPass(SeatCode first);
    void humanCalls();
    void advanceStreet();
    // Each active computer seat from `first` down to `last`, in betting order, answers the bet.
    void answerBet(SeatCode first, SeatCode last);

    // The end of a hand.
    void showdown();
    void foldWin();
    void announceGameWon(SeatCode seat);

    // What the table shows.
    void paintCards();
    void setCash(SeatCode seat, std::int32_t cash);
    void setPot(std::int32_t pot);
    // Moves `amount` from a seat's cash into the pot.
    void takeBet(SeatCode seat, std::int32_t amount);
    void showCashAndPot();
    void whitenStatuses();
    void clearComputerStatuses();
    void clearActiveComputerStatuses();
    void showHandInProgressButtons();
    void showHandOverButtons();
    void disableTableButtons();

    // Cash at which a seat has won the game.
    std::int32_t gameTarget() const;
    // A cash amount typed in the options panel, or nothing after telling the player why not.
    std::optional<std::int32_t> acceptCashAmount(std::string_view text);

    TableState table_;
    TableView& view_;
    SettingsStore& settings_;
    Opponents& opponents_;
    Clock clock_;
    HandObserver noObserver_;
    HandObserver* observer_ = &noObserver_;
    bool startedAfresh_ = false;
};

} // namespace omaha
