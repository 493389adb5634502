#pragma once

#include "core/seats.h"
#include "core/table_state.h"

namespace omaha {

// How a seat's four cards show on the table.
enum class SeatCards {
    None,  // folded or without cash: the seat shows nothing
    Backs, // face down
    Faces, // face up: always the human's own, the others' at the showdown
};

// What the table shows: each seat's cards and how many community cards are turned.
struct VisibleCards {
    BySeat<SeatCards> seats{};
    int boardCards = 0; // the first this many of the five
};

// True when the human has folded and a single computer seat is left: its cards stay face down,
// and the community cards not yet turned stay hidden.
constexpr bool hidesLastHand(const TableState& table) {
    return table.seats[kHuman].folded && table.seatsOut == 6;
}

// Worked out afresh from the table, so that a repaint at any moment shows what the game last
// showed.
VisibleCards visibleCards(const TableState& table);

} // namespace omaha
