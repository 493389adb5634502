#include "engine/coach.h"
#include "engine/visible_cards.h"
#include "tests/engine/game_position.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <array>
#include <span>
#include <tuple>
#include <utility>

namespace omaha::testing {
namespace {

TEST(CoachLine, TellsTheHandTheChanceAndWhatACallNeeds) {
    const Hole kings = hole("Ks Kd 9c 3h");
    CoachAdvice advice{true, kings, 3, bestFive(kings, board("6c 6h 2s 9s Tc"), 3), true, 3,
                       0.43, 2,     21};
    EXPECT_EQ(coachLine(advice), "Two pairs Kings: K♠ K♦ + 6♣ 6♥ 2♠ · Chance against 3 players: "
                                 "43% · Call 2 to win 21: you need 9%");
    advice.handOpen = false; // the showdown, or every other seat has folded
    EXPECT_EQ(coachLine(advice), "Two pairs Kings: K♠ K♦ + 6♣ 6♥ 2♠");
    const CoachAdvice preflop{true, hole("As Kd 7c 2h"), 0, {}, true, 1, 0.996, 1, 1000};
    EXPECT_EQ(coachLine(preflop), "Your cards: A♠ K♦ 7♣ 2♥ · Chance against 1 player: over 99% · "
                                  "Call 1 to win 1000: you need under 1%");
    EXPECT_EQ(coachLine(CoachAdvice{}), "");
}

class Coach : public TableTest {
protected:
    // Two opponents left on the flop: Freak has bet 4 into a pot of 21, Geek called, Master has
    // spent his last chips, the rest have folded.
    void flopWithABet() {
        handOn(Street::Flop, 21);
        t.cardsDealt = true;
        onlyInHand({kHuman, kFreak, kGeek, kMaster});
        t.seats[kMaster].cash = 0;
        t.seats[kFreak].raised = true;
        t.amountToCall = 4;
    }

    // Fewer deals than the window's: the sanitizers make every deal slow.
    static CoachAdvice advice(const TableState& table) {
        Random31 coachRandom(coachSeed(9));
        return adviceFor(table, coachRandom, 2000);
    }
};

TEST_F(Coach, ReadsTheHandTheSeatsInPlayAndTheBetFromTheTable) {
    flopWithABet();
    CoachAdvice seen = advice(t);
    Random31 same(coachSeed(9));
    EXPECT_EQ(seen.winningChance,
              winningChance(t.seats[kHuman].hole, std::span(t.board).first(3), 2, same, 2000));
    EXPECT_EQ(seen.best.shared, (std::array{t.board[0], t.board[1], t.board[2]}));
    EXPECT_EQ(std::tuple(seen.holdsCards, seen.handOpen, seen.opponents, seen.callCost, seen.pot),
              std::tuple(true, true, 2, 4, 21));
    // Before the flop a call always costs the small bet; with no bet pending it costs nothing.
    t.street = Street::Preflop;
    EXPECT_EQ(std::pair(advice(t).boardShown, advice(t).callCost), std::pair(0, 2));
    t.seats[kFreak].raised = false;
    EXPECT_EQ(advice(t).callCost, 0);
    t.street = Street::Showdown;
    seen = advice(t);
    EXPECT_EQ(std::tuple(seen.boardShown, seen.handOpen), std::tuple(5, false));
    t.seats[kHuman].folded = true;
    EXPECT_FALSE(advice(t).holdsCards);
}

// The coach knows what the player knows: the computer players' cards, the community cards still
// face down and the order of the deck may all change, the advice not.
TEST_F(Coach, HiddenCardsDoNotChangeTheAdvice) {
    for (const Street street : {Street::Preflop, Street::Flop, Street::Turn}) {
        flopWithABet();
        t.street = street;
        // Everything dealt afresh, then the player's own cards and the shown board put back.
        TableState other = t;
        shuffleDeck(other.deck, other.random);
        dealFromDeck(other);
        other.seats[kHuman].hole = t.seats[kHuman].hole;
        std::copy_n(t.board.begin(), visibleCards(t).boardCards, other.board.begin());
        EXPECT_EQ(advice(other).winningChance, advice(t).winningChance) << streetNumber(street);
        EXPECT_EQ(coachLine(advice(other)), coachLine(advice(t)));
    }
}

} // namespace
} // namespace omaha::testing
