#pragma once

#include "ai/simulating_opponents.h"
#include "engine/game.h"
#include "engine/hand_history.h"
#include "engine/hand_observers.h"
#include "settings/settings_file.h"

#include <memory>
#include <QMainWindow>

class QAction;
class QKeySequence;
class QMenu;

namespace omaha {

class CoachBar;
class HistoryWindow;
class OptionsPanel;
class RecordKeeper;
class RulesWindow;
class StatisticsWindow;
class WindowMemory;
class WindowTableView;

// The main window: the Game, View and Help menus over an 800 x 520 card table with the seats'
// texts, the pot, the result and the four action buttons, and the coach's line below the table
// while the coach is on; the player may scale the table with the window. It owns the game from
// start to end and keeps every finished hand in the player's records; building the window deals
// the first hand, and an error while doing so leaves the constructor. Everything can be played
// from the keyboard: D, C, R and F press the buttons, Ctrl+N, Ctrl+O, F1, Ctrl+Q, Ctrl+H, Ctrl+K
// and Ctrl+T give the menu commands, while the table's window, the hand history's or the
// statistics' is the active one, and Alt with a menu's first letter opens it. The window comes
// back where it was, as large as it was; a new one starts wholly on the screen where it fits, and
// with its title bar and menu on it where it does not.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // `settings` is the game's settings file and `clock` gives the seconds that seed the random
    // source; tests pass a file of their own, a fixed clock and, where they need a given line of
    // play, opponents of their own (nullptr: the computer players' own judgement).
    MainWindow(SettingsFile settings, Game::Clock clock, Opponents* opponents = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

private slots:
    void showRules();     // the About command: the rules window until the player closes it
    void startNewGame();  // asks, then starts a new game with the cash typed in the options
    void toggleOptions(); // the Options command: shows or hides the options panel
    void showHistory();   // the Hand history command: the history window, in front
    // The Statistics command: the statistics window, in front.
    void showStatistics();
    void deal();
    void check(); // Check, or Call while a bet is pending
    void raise();
    void fold();

private:
    // The Game, View and Help menus; returns the commands whose keys work from the history
    // window too.
    QList<QAction*> buildMenu();
    QMenu* addMenu(const QString& title, const char* objectName);
    QAction* addCommand(QMenu* menu, const QString& text, const char* objectName,
                        const QKeySequence& key);
    // Runs a game command; an error it raises goes to an error box and play goes on.
    void runCommand(void (Game::*command)());

    SettingsFile settings_;
    SimulatingOpponents ownOpponents_;
    RulesWindow* rulesWindow_ = nullptr;
    HistoryWindow* historyWindow_ = nullptr;
    OptionsPanel* optionsPanel_ = nullptr;
    QAction* scaleCommand_ = nullptr;
    WindowMemory* windowMemory_ = nullptr;
    // The game tells the history of every hand, so the history outlives it.
    HandHistory history_;
    // The game reaches the window through the view, so the view outlives it.
    std::unique_ptr<WindowTableView> view_;
    // What follows the hands besides the history: the player's records, the coach's line and
    // the statistics window, all told by the game through one list.
    HandObservers observers_;
    std::unique_ptr<RecordKeeper> records_;
    QAction* coachCommand_ = nullptr;
    QAction* statisticsCommand_ = nullptr;
    CoachBar* coach_ = nullptr;
    StatisticsWindow* statistics_ = nullptr;
    std::unique_ptr<Game> game_;
};

} // namespace omaha
