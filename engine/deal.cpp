#include "core/chips.h"
#include "core/dealing.h"
#include "core/deck.h"
#include "core/game_text.h"
#include "engine/game.h"

namespace omaha {

void Game::dealHand() {
    shuffleDeck(table_.deck, table_.random);
    dealFromDeck(table_);
    table_.phase = HandPhase::Betting;
}

void Game::postBlinds() {
    // The small blind goes to the seat before the rotation start, skipping computer seats without
    // cash; the human always posts when their turn to be asked comes, so this search ends.
    SeatCode p = table_.opener;
    SeatCode small = seatBefore(p);
    while (small != kHuman && table_.seats[small].cash <= 0) {
        p = seatAfter(p);
        small = seatBefore(p);
    }
    view_.showStatus(small, gameText("Table", "small blind"));
    setCash(small, subtractChips(table_.seats[small].cash, table_.smallBlind));
    observer_->blindPosted(small, Blind::Small, table_.smallBlind);

    table_.blindMarker = p;

    // The big blind: the first seat from p on that has cash. A table where nobody has any (a game
    // saved after it was lost) gets no big blind rather than an endless search.
    for (int asked = 0; asked < kSeatCount; ++asked, p = seatAfter(p)) {
        if (table_.seats[p].cash <= 0)
            continue;
        view_.showStatus(p, gameText("Table", "big blind"));
        setCash(p, subtractChips(table_.seats[p].cash, table_.bigBlind));
        observer_->blindPosted(p, Blind::Big, table_.bigBlind);
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

void Game::openBetting() {
    // The seats behind the big blind answer it, then take their first turns; the human acts next.
    const SeatCode bigBlind = table_.opener;
    if (bigBlind == kRobot)
        return;
    answerBet(bigBlind - 1, kRobot);
    computerPass(bigBlind - 1);
}

} // namespace omaha
