#include "engine/visible_cards.h"

namespace omaha {

VisibleCards visibleCards(const TableState& table) {
    VisibleCards visible;
    const bool hidden = hidesLastHand(table);
    const bool showdownFaces = table.street == Street::Showdown && !hidden;
    for (const SeatCode seat : kTableOrder) {
        const Seat& s = table.seats[seat];
        if (table.phase == HandPhase::NoneDealt || s.folded || s.cash <= 0)
            visible.seats[seat] = SeatCards::None;
        else
            visible.seats[seat] =
                seat == kHuman || showdownFaces ? SeatCards::Faces : SeatCards::Backs;
    }
    switch (table.street) {
    case Street::Flop:
        visible.boardCards = 3;
        break;
    case Street::Turn:
        visible.boardCards = 4;
        break;
    case Street::River:
    case Street::Showdown:
        visible.boardCards = hidden ? 0 : kBoardCards;
        break;
    default:
        visible.boardCards = 0;
    }
    return visible;
}

} // namespace omaha
