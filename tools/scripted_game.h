#pragma once

#include "ai/simulating_opponents.h"
#include "ai/winning_chance.h"
#include "core/random31.h"
#include "engine/game.h"
#include "engine/hand_observer.h"
#include "engine/recording_view.h"
#include "settings/settings_file.h"
#include "tools/play_options.h"
#include "tools/scratch_folder.h"

#include <ostream>

namespace omaha {

// One game as `omaha-sim play` plays it: with no window, from a settings file of its own in a
// scratch folder, against the computer players' own judgement, the human pressing the buttons the
// script says. The seed stands in for the clock.
class ScriptedGame {
public:
    // Writes the fresh settings file; throws SettingsWriteError when it cannot.
    explicit ScriptedGame(const PlayOptions& options);
    ScriptedGame(const ScriptedGame&) = delete;
    ScriptedGame& operator=(const ScriptedGame&) = delete;

    // Tells `observer` everything that happens in the hands from start-up on.
    void observeHands(HandObserver& observer) { game_.observeHands(observer); }

    // Writes the coach's line for the table to `lines` after start-up and after every press, one
    // line for each event line, empty when the player holds no cards; its chances come from
    // `deals` simulated deals. The coach draws from a source of its own, seeded from the game's
    // seed: the game plays as it would without it.
    void coachTo(std::ostream& lines, int deals = kWinningChanceDeals) {
        coachLines_ = &lines;
        coachDeals_ = deals;
    }

    // Starts the game, or sets it to the position the options give, and plays until the script's
    // hands are dealt or the game is over, writing one event line to `out` after start-up and after
    // every press. Throws when it cannot go on.
    void play(std::ostream& out);

    // Everything the table was told, in order.
    const RecordingView& view() const { return view_; }
    const TableState& table() const { return game_.table(); }

private:
    void report(std::string_view event, std::ostream& out);

    PlayOptions options_;
    ScratchFolder scratch_;
    SettingsFile settings_;
    RecordingView view_;
    SimulatingOpponents opponents_;
    Game game_;
    Random31 coachRandom_;
    std::ostream* coachLines_ = nullptr;
    int coachDeals_ = kWinningChanceDeals;
};

} // namespace omaha
