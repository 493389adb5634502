#include "engine/coach.h"
#include "engine/visible_cards.h"
#include "table_test.h"
#include "tests/eval/card_literals.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <span>
#include <tuple>
#include <utility>

namespace omaha::testing {
namespace {

using test::board;
using test::hole;

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

// Two opponents left: Freak has bet 2 into a pot of 21 (the amount to call), Geek called,
// Master has spent his last chips, the rest have folded. Freak's and Robot's cards and the
// board's last two can be given otherwise, to change what the human cannot see.
std::string position(std::string_view street, std::string_view freak = "AsAc3d4h",
                     std::string_view robot = "ThTdJcJd", std::string_view lastTwo = "9sTc",
                     std::string_view you = "in", std::string_view freakStands = "bet") {
    const bool over = street == "showdown";
    return "street:" + std::string(street) +
           " pot:21 out:4 opener:freak marker:expert call:" + (freakStands == "bet" ? "2" : "0") +
           " bets:2/4 turn:" + (over ? "deal" : "you") + " board:6c6h2s" + std::string(lastTwo) +
           " you:1196:KsKd9c3h:" + std::string(you) + " freak:1194:" + std::string(freak) + ":" +
           std::string(freakStands) +
           " geek:1194:QhQd5c6d:in master:0:3c4s5d7h:in champ:1200:8c8d5h6s:folded"
           " pinhead:1200:2d3s4c5s:folded expert:1200:7c7d8h9h:folded robot:1200:" +
           std::string(robot) + ":folded";
}

class Coach : public TableTest {
protected:
    // Fewer deals than the window's: the sanitizers make every deal slow.
    CoachAdvice advice(const std::string& text) {
        startFrom(text);
        Random31 coachRandom(coachSeed(9));
        return adviceFor(t, coachRandom, 2000);
    }
};

TEST_F(Coach, ReadsTheHandTheSeatsInPlayAndTheBetFromTheTable) {
    CoachAdvice seen = advice(position("flop"));
    Random31 same(coachSeed(9));
    const Board shown = board("6c 6h 2s 9s Tc");
    EXPECT_EQ(seen.winningChance,
              winningChance(hole("Ks Kd 9c 3h"), std::span(shown).first(3), 2, same, 2000));
    EXPECT_EQ(seen.best.shared, (std::array{t.board[0], t.board[1], t.board[2]}));
    EXPECT_EQ(std::tuple(seen.holdsCards, seen.handOpen, seen.opponents, seen.callCost, seen.pot),
              std::tuple(true, true, 2, 2, 21));
    // Before the flop a call always costs the small bet; with no bet pending it costs nothing.
    seen = advice(position("preflop"));
    EXPECT_EQ(std::pair(seen.boardShown, seen.callCost), std::pair(0, 2));
    EXPECT_EQ(advice(position("turn", "AsAc3d4h", "ThTdJcJd", "9sTc", "in", "in")).callCost, 0);
    seen = advice(position("showdown", "AsAc3d4h", "ThTdJcJd", "9sTc", "in", "in"));
    EXPECT_EQ(std::tuple(seen.boardShown, seen.handOpen), std::tuple(5, false));
    EXPECT_FALSE(
        advice(position("showdown", "AsAc3d4h", "ThTdJcJd", "9sTc", "folded", "in")).holdsCards);
}

// The coach knows what the player knows: the computer players' cards and the community cards
// still face down may change, the advice not.
TEST_F(Coach, HiddenCardsDoNotChangeTheAdvice) {
    for (const std::string_view street : {"preflop", "flop", "turn"}) {
        const CoachAdvice seen = advice(position(street));
        // Freak and Robot swap hands; before the river the river's card is another.
        const CoachAdvice other =
            advice(position(street, "ThTdJcJd", "AsAc3d4h", street == "turn" ? "9sJs" : "Js2h"));
        EXPECT_EQ(other.winningChance, seen.winningChance) << street;
        EXPECT_EQ(coachLine(other), coachLine(seen)) << street;
    }
}

} // namespace
} // namespace omaha::testing
