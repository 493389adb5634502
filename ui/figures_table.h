#pragma once

#include "records/hand_records.h"

#include <QTableWidget>
#include <vector>

namespace omaha {

// The statistics' figures as a table: a row for each figure (hands played, won at the showdown,
// won by folds, folded before the flop, biggest pot won, games won and lost, net result) and a
// column for this session, one for each AI level that has played a hand, lowest first, and one
// for all time. Screen readers hear each cell with its row's and column's headings.
class FiguresTable final : public QTableWidget {
    Q_OBJECT

public:
    explicit FiguresTable(QWidget* parent);

    void showFigures(const Figures& session, const std::vector<LevelFigures>& levels,
                     const Figures& allTime);
};

} // namespace omaha
