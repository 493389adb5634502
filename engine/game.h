#pragma once

#include "ai/decisions.h"
#include "engine/table_state.h"
#include "engine/table_view.h"
#include "settings/settings_file.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string_view>

namespace omaha {

// An error a command reports to the player in an error box, as "'abc' is not a valid integer value".
class GameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The game at one table: it owns the table's data and carries out every button and menu command,
// showing each change through the view and keeping the settings file up to date. Errors of the
// settings file (SettingsWriteError) and GameError leave a command where it stopped.
class Game {
public:
    // Seconds of the clock, read to seed the random source at start-up and at every new game.
    using Clock = std::function<std::uint32_t()>;

    Game(TableView& view, SettingsFile settings, Clock clock);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Loads the saved game and deals the first hand, Expert on the small blind and Robot on the big.
    void startup();

    // The table's buttons.
    void newgame();      // Deal
    void playerstays();  // Check / Call
    void playerbets();   // Raise
    void playerpasses(); // Fold

    // The Game menu's "New game": asks, then gives every seat `moneyText` as cash and deals.
    void newGameCommand(std::string_view moneyText);
    // The options panel. Each change takes effect and reaches the settings file at once.
    void enterInitialCash(std::string_view text); // "Enter" beside the initial cash
    void enterTarget(std::string_view text);      // "Enter" beside the target
    void changeBetLevel(int level);               // betting limits 1 to 5
    void chooseCardBack(int item);                // 0 Denum, 1 Cloth, 2 Rock, 3 Leather
    void chooseLevel(int item);                   // 0 Amateur, 1 Expert, 2 Master, 3 Genius

    const TableState& table() const { return table_; }
    // For tests and the headless tool, which set up positions directly.
    TableState& table() { return table_; }
    const SettingsFile& settings() const { return settings_; }

    // The single steps of a hand, public so that tests can drive one at a time.
    void builddeck();
    void dealhand();
    void postblinds();
    void openbetting();
    void callorfold(SeatCode seat);
    void checkorraise(SeatCode seat);
    void computerpass(SeatCode first);
    void humancalls();
    void showdown();
    void foldwin();
    void paintcards();

private:
    void setCash(SeatCode seat, std::int32_t cash);
    void setPot(std::int32_t pot);
    void whitenStatuses();
    void dealFirstHandSteps(); // the common end of start-up, Deal and New game

    TableState table_;
    OpponentMind mind_;
    TableView& view_;
    SettingsFile settings_;
    Clock clock_;
};

} // namespace omaha
