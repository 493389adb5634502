#pragma once

#include "engine/game.h"
#include "settings/settings_file.h"
#include "ui/table_buttons.h"
#include "ui/table_labels.h"

#include <memory>
#include <QMainWindow>

class QAction;

namespace omaha {

class OptionsPanel;
class TAboutBox;
class TableSurface;
class WindowTableView;

// The main window: the Game menu over an 800 x 520 card table with the seats' texts, the pot,
// the result and the four action buttons. It owns the game from start to end; building the
// window deals the first hand, and an error while doing so leaves the constructor.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // `settings` is the game's settings file and `clock` gives the seconds that seed the random
    // source; tests pass a file of their own and a fixed clock.
    TForm1(SettingsFile settings, Game::Clock clock, QWidget* parent = nullptr);
    ~TForm1() override;

    Game& game() { return *game_; }
    TableView& view();
    // The table: the parent of every control placed in table pixels.
    TableSurface& table() { return *table_; }
    const TableLabels& labels() const { return labels_; }
    const TableButtons& buttons() const { return buttons_; }
    TAboutBox& rules() { return *aboutBox_; }
    OptionsPanel& options() { return *Panel1_; }

    QAction* newGameCommand() const { return Pokervariant1_; }
    QAction* optionsCommand() const { return Options1_; }
    QAction* aboutCommand() const { return About_; }

public slots:
    void aboutbox();      // shows the rules window until the player closes it
    void NewGame1Click(); // asks, then starts a new game with the cash typed in the options
    void Options1Click(); // shows or hides the options panel

private slots:
    void newgame();      // Deal
    void playerstays();  // Check / Call
    void playerbets();   // Raise
    void playerpasses(); // Fold

private:
    void buildMenu();
    void placeOnScreen();
    // Runs a game command; an error it raises goes to an error box and play goes on.
    void runCommand(void (Game::*command)());

    TableSurface* table_ = nullptr;
    TableLabels labels_;
    TableButtons buttons_;
    TAboutBox* aboutBox_ = nullptr;
    OptionsPanel* Panel1_ = nullptr;
    QAction* Pokervariant1_ = nullptr;
    QAction* Options1_ = nullptr;
    QAction* About_ = nullptr;
    // The game reaches the window through the view, so the view outlives it.
    std::unique_ptr<WindowTableView> view_;
    std::unique_ptr<Game> game_;
};

} // namespace omaha
