#pragma once

#include "ai/decisions.h"
#include "engine/table_state.h"
#include "engine/table_view.h"
#include "settings/settings_file.h"

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

// Stands in for the computer players' judgement where a test needs a given line of play.
class ScriptedOpponents {
public:
    virtual ~ScriptedOpponents() = default;
    virtual bool calls(const TableState& table, SeatCode seat) = 0;
    // The raise the seat makes in its turn, 0 for a check.
    virtual std::int32_t raises(const TableState& table, SeatCode seat) = 0;
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

    // Loads the saved game and deals the first hand, Expert on the small blind and Robot on the
    // big.
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
    // Lets `script` decide for the computer players from now on; nullptr gives them back their
    // own judgement.
    void scriptOpponents(ScriptedOpponents* script) { script_ = script; }

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
    // Moves `amount` from a seat's cash into the pot.
    void takeBet(SeatCode seat, std::int32_t amount);
    void whitenStatuses();
    void clearComputerStatuses();
    void endHandButtons();
    void disableTableButtons();
    // Cash at which a seat has won the game.
    std::int32_t gameTarget() const;
    // Blinds, cards and the computer seats behind the big blind: the common end of start-up,
    // Deal and New game.
    void dealNextHand();
    void reseed();
    // A cash amount typed in the options panel, or nothing after telling the player why not.
    std::optional<std::int32_t> acceptCashAmount(std::string_view text);

    TableState table_;
    OpponentMind mind_;
    TableView& view_;
    SettingsFile settings_;
    Clock clock_;
    ScriptedOpponents* script_ = nullptr;
    int foldwins_ = 0; // hands won by folds so far, to tell whether one has just ended
};

} // namespace omaha
