#include "core/dealing.h"

#include "core/seat_facts.h"

#include <array>
#include <cstddef>

namespace omaha {

namespace {

constexpr std::size_t kFirstBoardCard = 40;

// Calls `place(deckPosition, card)` for every card dealt: the seats' four each, then the board.
template <typename Place>
void forEachDealtCard(TableState& table, Place place) {
    for (const SeatCode seat : kTableOrder) {
        const auto first = static_cast<std::size_t>(seatFacts(seat).firstDealtCard);
        for (std::size_t k = 0; k < kHoleCards; ++k)
            place(first + k, table.seats[seat].hole[k]);
    }
    for (std::size_t k = 0; k < kBoardCards; ++k)
        place(kFirstBoardCard + k, table.board[k]);
}

} // namespace

void dealFromDeck(TableState& table) {
    forEachDealtCard(table, [&](std::size_t at, Card& card) { card = table.deck[at]; });
}

void gatherDeck(TableState& table) {
    std::array<bool, kDeckSize> positionDealt{}, cardDealt{};
    forEachDealtCard(table, [&](std::size_t at, const Card& card) {
        table.deck[at] = card;
        positionDealt[at] = true;
        cardDealt[static_cast<std::size_t>(card.index())] = true;
    });
    std::size_t at = 0;
    for (int index = 0; index < kDeckSize; ++index) {
        if (cardDealt[static_cast<std::size_t>(index)])
            continue;
        while (positionDealt[at])
            ++at;
        table.deck[at++] = Card::fromIndex(index);
    }
}

} // namespace omaha
