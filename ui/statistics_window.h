#pragma once

#include "engine/hand_observer.h"
#include "ui/run_soon.h"

#include <QWidget>

namespace omaha {

class CashChart;
class FiguresTable;
class HandRecords;

// The statistics of the player's recorded hands in a window of its own: the figures of this
// session, of each AI level and of all time, and a chart of the player's cash in the current game
// and the last games. It is not modal, and while it is shown it follows the play, hand by hand.
// "Export…" writes every recorded hand, in the hand history's words, to a text file the player
// chooses.
class StatisticsWindow final : public QWidget, public HandObserver {
    Q_OBJECT

public:
    // The games the chart shows: the current one and those before it.
    static constexpr int kChartedGames = 5;

    StatisticsWindow(HandRecords& records, QWidget* parent);

    // Shows the window in front, up to date; the first time beside its parent window, the table,
    // as the hand history goes.
    void present();

    void handEnded() override { refresh_.request(); }
    void gameEnded(bool /*youWon*/) override { refresh_.request(); }

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void exportHands();

private:
    // Reads the records again; nothing while the window is hidden.
    void refresh();
    // Shows what the records hold now.
    void showRecords();

    HandRecords& records_;
    FiguresTable* figures_ = nullptr;
    CashChart* chart_ = nullptr;
    RunSoon refresh_;
    bool placed_ = false;
};

} // namespace omaha
