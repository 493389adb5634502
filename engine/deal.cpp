#include "engine/chips.h"
#include "engine/game.h"

#include <cstddef>

namespace omaha {

namespace {

// First deck position of each seat's four cards; the board takes positions 40 to 44 and the rest
// of the deck stays undealt.
constexpr int firstHoleCardOf(SeatCode seat) {
    switch (seat) {
    case kFreak:
        return 0;
    case kHuman:
        return 4;
    case kGeek:
        return 8;
    case kMaster:
        return 12;
    case kChamp:
        return 16;
    case kPinhead:
        return 20;
    case kExpert:
        return 24;
    default:
        return 28; // Robot
    }
}

constexpr int kFirstBoardCard = 40;
constexpr int kShuffleSwaps = 20001;

} // namespace

void Game::builddeck() {
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            table_.deck[static_cast<std::size_t>(13 * suit + rank)] = Card{suit, rank};
}

void Game::dealhand() {
    // The shuffle starts from the order the last one left: the deck is never rebuilt.
    Deck& deck = table_.deck;
    for (int swap = 0; swap < kShuffleSwaps; ++swap) {
        const auto i = static_cast<std::size_t>(table_.random() % kDeckSize);
        const Card remembered = deck[i];
        const auto j = static_cast<std::size_t>(table_.random() % kDeckSize);
        deck[i] = deck[j];
        deck[j] = remembered;
    }
    for (const SeatCode seat : kTableOrder)
        for (int k = 0; k < kHoleCards; ++k)
            table_.seats[seat].hole[static_cast<std::size_t>(k)] =
                deck[static_cast<std::size_t>(firstHoleCardOf(seat) + k)];
    for (int k = 0; k < kBoardCards; ++k)
        table_.board[static_cast<std::size_t>(k)] =
            deck[static_cast<std::size_t>(kFirstBoardCard + k)];
}

void Game::postblinds() {
    // The small blind goes to the seat before the rotation start, skipping computer seats without
    // cash; the human always posts when their turn to be asked comes, so this search ends.
    SeatCode p = table_.opener;
    SeatCode small = seatBefore(p);
    while (small != kHuman && table_.seats[small].cash <= 0) {
        p = seatAfter(p);
        small = seatBefore(p);
    }
    view_.showStatus(small, "small blind");
    setCash(small, subtractChips(table_.seats[small].cash, table_.smallblind));

    table_.blindmarker = p;

    // The big blind: the first seat from p on that has cash. A table where nobody has any (a game
    // saved after it was lost) gets no big blind rather than an endless search.
    for (int asked = 0; asked < kSeatCount; ++asked, p = seatAfter(p)) {
        if (table_.seats[p].cash <= 0)
            continue;
        view_.showStatus(p, "big blind");
        setCash(p, subtractChips(table_.seats[p].cash, table_.bigblind));
        view_.showPot(table_.pot);
        table_.opener = p;
        // From Master to Robot the big blind stands as the bet the human has to call; after the
        // human, Freak or Geek it does not.
        if (p <= kMaster)
            table_.seats[p].raised = true;
        return;
    }
    table_.opener = p;
}

} // namespace omaha
