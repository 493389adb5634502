#include "ai/winning_chance.h"
#include "engine/coach.h"
#include "engine/visible_cards.h"
#include "tests/engine/game_position.h"

#include <gtest/gtest.h>
#include <span>
#include <vector>

namespace omaha::testing {
namespace {

TEST(CoachLine, TellsTheHandTheChanceAndWhatACallNeeds) {
    const Hole kings = hole("Ks Kd 9c 3h");
    const BestFive twoPairs = bestFive(kings, board("6c 6h 2s 9s Tc"), 3); // the flop
    CoachAdvice advice{true, kings, 3, twoPairs, true, 3, 0.43, 2, 21};
    EXPECT_EQ(coachLine(advice), "Two pairs Kings: K♠ K♦ + 6♣ 6♥ 2♠ · Chance against 3 players: "
                                 "43% · Call 2 to win 21: you need 9%");
    advice.handOpen = false; // the showdown, or every other seat has folded
    EXPECT_EQ(coachLine(advice), "Two pairs Kings: K♠ K♦ + 6♣ 6♥ 2♠");

    const CoachAdvice longShot{true, hole("As Kd 7c 2h"), 0, {}, true, 1, 0.004, 0, 6};
    EXPECT_EQ(coachLine(longShot), "Your cards: A♠ K♦ 7♣ 2♥ · Chance against 1 player: under 1%");
    const CoachAdvice nearlySure{true, kings, 3, twoPairs, true, 2, 0.996, 1, 1000};
    EXPECT_EQ(coachLine(nearlySure), "Two pairs Kings: K♠ K♦ + 6♣ 6♥ 2♠ · Chance against 2 "
                                     "players: over 99% · Call 1 to win 1000: you need under 1%");
    EXPECT_EQ(coachLine(CoachAdvice{}), "");
}

class Coach : public TableTest {
protected:
    // Two opponents left of seven on the flop: Freak has bet 4 into a pot of 21, Geek called,
    // Master has spent his last chips, the rest have folded.
    void flopWithABet() {
        handOn(Street::Flop, 21);
        t.cardsDealt = true;
        onlyInHand({kHuman, kFreak, kGeek, kMaster});
        t.seats[kMaster].cash = 0;
        t.seats[kFreak].raised = true;
        t.amountToCall = 4;
    }

    // Fewer deals than the window's: the sanitizers make every deal slow.
    static constexpr int kDeals = 2000;

    CoachAdvice advice(const TableState& table) {
        Random31 coachRandom(coachSeed(9));
        return adviceFor(table, coachRandom, kDeals);
    }
};

TEST_F(Coach, ReadsTheHandTheSeatsInPlayAndTheBetFromTheTable) {
    flopWithABet();
    CoachAdvice seen = advice(t);
    Random31 same(coachSeed(9));
    EXPECT_EQ(seen.winningChance,
              winningChance(t.seats[kHuman].hole, std::span(t.board).first(3), 2, same, kDeals));
    // On the flop the hand so far is made with the three cards shown.
    EXPECT_EQ(seen.best.shared, (std::array{t.board[0], t.board[1], t.board[2]}));
    EXPECT_EQ(std::tuple(seen.holdsCards, seen.boardShown, seen.handOpen, seen.opponents,
                         seen.callCost, seen.pot),
              std::tuple(true, 3, true, 2, 4, 21));

    // Before the flop a call always costs the small bet; with no bet pending it costs nothing.
    t.street = Street::Preflop;
    EXPECT_EQ(advice(t).callCost, 2);
    EXPECT_EQ(advice(t).boardShown, 0);
    t.seats[kFreak].raised = false;
    EXPECT_EQ(advice(t).callCost, 0);

    t.street = Street::Showdown;
    seen = advice(t);
    EXPECT_EQ(std::tuple(seen.holdsCards, seen.boardShown, seen.handOpen),
              std::tuple(true, 5, false));
    t.seats[kHuman].folded = true;
    EXPECT_FALSE(advice(t).holdsCards);
}

// The coach knows what the player knows: the computer players' cards, the community cards still
// face down, the order of the deck and the table's random source may all change, the advice not.
TEST_F(Coach, HiddenCardsDoNotChangeTheAdvice) {
    for (const Street street : {Street::Preflop, Street::Flop, Street::Turn}) {
        flopWithABet();
        t.street = street;
        TableState other = t;
        std::vector<Card*> hidden;
        for (SeatCode seat = kFreak; seat >= kRobot; --seat)
            for (Card& card : other.seats[seat].hole)
                hidden.push_back(&card);
        for (std::size_t k = static_cast<std::size_t>(visibleCards(t).boardCards); k < 5; ++k)
            hidden.push_back(&other.board[k]);
        const Card first = *hidden.front();
        for (std::size_t k = 0; k + 1 < hidden.size(); ++k)
            *hidden[k] = *hidden[k + 1];
        *hidden.back() = first;
        shuffleDeck(other.deck, other.random);

        const CoachAdvice before = advice(t), after = advice(other);
        EXPECT_EQ(after.winningChance, before.winningChance) << streetNumber(street);
        EXPECT_EQ(coachLine(after), coachLine(before));
    }
}

} // namespace
} // namespace omaha::testing
