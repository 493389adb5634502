#include "engine/table_layout.h"

namespace omaha {

PaintList cardsToPaint(const TableState& table) {
    PaintList list;
    const int back = safeCardBack(table.cardback);
    // Worked out afresh, so that a repaint at any moment draws what the game last drew.
    const bool hidecards = computeHidecards(table);
    const bool facesUp = table.street == kShowdown && !hidecards;
    for (int i = 0; i < kHoleCards; ++i) {
        for (const SeatCode seat : kTableOrder) {
            const Seat& s = table.seats[seat];
            if (s.folded || s.cash <= 0)
                continue;
            const FanGeometry fan = fanOf(seat);
            const Point at{fan.origin.x + i * fan.step.x, fan.origin.y + i * fan.step.y};
            // The human always sees their own cards; the others only at the showdown.
            const bool face = seat == kHuman || facesUp;
            list.add({face ? s.hole[static_cast<std::size_t>(i)].index() : back, at});
        }
    }
    int shown = 0;
    if (table.street == kFlop)
        shown = 3;
    else if (table.street == kTurn)
        shown = 4;
    else if (!hidecards && (table.street == kRiver || table.street == kShowdown))
        shown = 5;
    for (int k = 0; k < shown; ++k)
        list.add({table.board[static_cast<std::size_t>(k)].index(),
                  kBoardPositions[static_cast<std::size_t>(k)]});
    return list;
}

} // namespace omaha
