#include "engine/visible_cards.h"
#include "ui/table_layout.h"

namespace omaha {

PaintList cardsToPaint(const TableState& table) {
    PaintList list;
    const int back = safeCardBack(table.cardBack);
    const VisibleCards visible = visibleCards(table);
    for (int i = 0; i < kHoleCards; ++i) {
        for (const SeatCode seat : kTableOrder) {
            const SeatCards cards = visible.seats[seat];
            if (cards == SeatCards::None)
                continue;
            const FanGeometry fan = fanOf(seat);
            const Point at{fan.origin.x + i * fan.step.x, fan.origin.y + i * fan.step.y};
            const Card card = table.seats[seat].hole[static_cast<std::size_t>(i)];
            list.add({cards == SeatCards::Faces ? card.index() : back, at});
        }
    }
    for (int k = 0; k < visible.boardCards; ++k)
        list.add({table.board[static_cast<std::size_t>(k)].index(),
                  kBoardPositions[static_cast<std::size_t>(k)]});
    return list;
}

} // namespace omaha
