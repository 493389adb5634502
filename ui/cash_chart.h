#pragma once

#include "records/hand_records.h"

#include <QChartView>
#include <vector>

class QValueAxis;

namespace omaha {

// The player's cash hand by hand: the current game at its first recorded deal and after every
// hand since, in a bold line, and the games before it beside it in thin ones, each named in the
// legend by when it began and how it ended. Screen readers hear each game's line as where it
// began and ended, and in how many hands.
class CashChart final : public QChartView {
    Q_OBJECT

public:
    explicit CashChart(QWidget* parent);

    // The games as HandRecords::recentGames gives them: the current one first, then older ones.
    void showGames(const std::vector<GameCash>& games);

private:
    QValueAxis* hands_ = nullptr;
    QValueAxis* cash_ = nullptr;
};

} // namespace omaha
