#include "engine/hand_history.h"
#include "table_test.h"

#include <sstream>

namespace omaha::testing {
namespace {

class HandHistoryTest : public TableTest {
protected:
    HandHistoryTest() { game.observeHands(history); }

    // The lines of each hand the history keeps, as its text gives them.
    std::vector<Texts> hands() const {
        std::vector<Texts> hands(1);
        std::istringstream text(history.text());
        for (std::string line; std::getline(text, line);) {
            if (line.empty())
                hands.emplace_back();
            else
                hands.back().push_back(line);
        }
        return hands;
    }

    HandHistory history;
};

TEST_F(HandHistoryTest, TellsEveryActionEachStreetsCardsAndTheSplitOfThePot) {
    // clang-format off
    startFrom("street:flop pot:40 out:4 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:folded pinhead:1200:2d3s4c5s:folded expert:1200:7c7h8h9c:folded robot:1200:TcTdThJc:folded");
    // clang-format on
    script.raiseOn[kGeek] = Street::Flop;
    script.folds[kMaster] = true;
    game.check(); // Geek raises, and the turn shows as the human opens the streets
    game.check(); // the call; the river shows
    game.check(); // the river is checked round to the showdown
    EXPECT_EQ(
        hands().back(),
        (Texts{"Hand 1", "You hold A♥ A♦ 3♣ 4♦", "You check", "Freak checks", "Geek raises 2",
               "Master folds", "Turn: J♠", "You call 2", "Freak calls 2", "River: K♣", "You check",
               "Freak checks", "Geek checks", "You: One pair Aces = A♥ A♦ + 9♥ J♠ K♣",
               "Freak: One pair Aces = A♠ A♣ + 9♥ J♠ K♣",
               "Geek: One pair Queens = Q♥ Q♦ + 9♥ J♠ K♣", "You take 23 of the pot of 46",
               "Freak takes 23 of the pot of 46"}));
}

TEST_F(HandHistoryTest, MarksANewGameAndTellsItsBlindsAndFlop) {
    game.startup();
    game.fold();
    game.deal();
    game.fold();
    game.startNewGame("500");
    game.check(); // calls Robot's big blind; everyone answers it and the flop shows
    const std::vector<Texts> kept = hands();
    EXPECT_EQ(kept[kept.size() - 2].front(), "Hand 2");
    const Texts& hand = kept.back();
    EXPECT_EQ(
        Texts(hand.begin(), hand.begin() + 6),
        (Texts{"New game: every seat starts with 500", "Hand 1", "You hold 7♣ 2♦ 10♣ 9♥",
               "Expert posts the small blind 1", "Robot posts the big blind 2", "You call 2"}));
    EXPECT_EQ(hand.back(), "Flop: 4♠ 2♣ 8♥");
}

TEST_F(HandHistoryTest, TellsAHandWonByFoldsAndKeepsTheLatestHands) {
    // clang-format off
    startFrom("street:flop pot:40 out:0 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        script.folds[seat] = true;
    game.raise();
    // The human opens the streets, so the turn still shows once the hand is won.
    const Texts lines = hands().back();
    EXPECT_EQ(Texts(lines.end() - 3, lines.end()),
              (Texts{"Robot folds", "You take the pot of 42, won by folds", "Turn: J♠"}));

    for (std::size_t hand = 0; hand < HandHistory::kKeptHands + 5; ++hand)
        history.handDealt(t.seats[kHuman].hole);
    EXPECT_EQ(hands().size(), HandHistory::kKeptHands);
    EXPECT_EQ(hands().back().front(), "Hand 206");
}

} // namespace
} // namespace omaha::testing
