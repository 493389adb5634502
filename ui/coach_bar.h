#pragma once

#include "core/random31.h"
#include "core/table_state.h"
#include "engine/hand_observer.h"
#include "ui/run_soon.h"

#include <cstdint>
#include <QStatusBar>

class QLabel;
class QMainWindow;

namespace omaha {

class SettingsStore;

// The coach's line below the table (engine/coach.h): the player's best hand with its cards, their
// chance of winning the pot and, while a bet is pending, what calling costs against the pot, told
// afresh after every press that changes the table. It is the window's status bar. While the coach
// is off the bar is hidden and the window is as it always was; turning the coach on grows the
// window by the bar, so that the table keeps its size. Whether the coach is on is kept in the
// settings file, as [View] coach.
//
// An update takes about 4 ms at the most in the optimised game (the worst position, seven
// opponents before the flop; bench/coach_bench.cpp), which no player notices after a press, so it
// runs on the window's thread, once a press, after the game has finished the press. The coach
// draws from a random source of its own, so the game plays the same with the coach on or off.
class CoachBar final : public QStatusBar, public HandObserver {
    Q_OBJECT

public:
    // Follows `table` and is the status bar of `mainWindow`; on when the settings say so. `seed`
    // seeds the coach's own random source.
    CoachBar(const TableState& table, SettingsStore& settings, std::uint32_t seed,
             QMainWindow& mainWindow);

    bool isOn() const { return on_; }

    // Every press that changes the table tells a deal or an action of the player's, and a hand
    // that ends tells so: each brings the line up to date once the press is over.
    void handDealt(const Hole& /*yourCards*/) override { update_.request(); }
    void acted(SeatCode /*seat*/, Action /*action*/, std::int32_t /*amount*/) override {
        update_.request();
    }
    void handEnded() override { update_.request(); }

public slots:
    // The View menu's Coach command; the choice is written to the settings file, and a file that
    // cannot be written is told in an error box while the coach follows the choice.
    void switchOn(bool on);

private:
    // Shows or hides the bar, the window growing or shrinking by it.
    void showBar(bool shown);
    void refresh();

    const TableState& table_;
    SettingsStore& settings_;
    Random31 random_;
    QLabel* line_ = nullptr;
    RunSoon update_;
    bool on_ = false;
    int grownBy_ = 0; // the height the window grew by for the bar
};

} // namespace omaha
