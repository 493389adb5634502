#include "core/dealing.h"

#include "core/seat_facts.h"

#include <cstddef>

namespace omaha {

namespace {

constexpr std::size_t kFirstBoardCard = 40;

} // namespace

void dealFromDeck(TableState& table) {
    for (const SeatCode seat : kTableOrder) {
        const auto first = static_cast<std::size_t>(seatFacts(seat).firstDealtCard);
        for (std::size_t k = 0; k < kHoleCards; ++k)
            table.seats[seat].hole[k] = table.deck[first + k];
    }
    for (std::size_t k = 0; k < kBoardCards; ++k)
        table.board[k] = table.deck[kFirstBoardCard + k];
}

} // namespace omaha
