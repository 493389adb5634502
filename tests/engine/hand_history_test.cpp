#include "engine/hand_history.h"
#include "game_position.h"

namespace omaha::testing {
namespace {

using Lines = std::vector<std::string>;

class HandHistoryTest : public TableTest {
protected:
    HandHistoryTest() { game.observeHands(history); }

    // The lines of the latest hand.
    const Lines& lastHand() const { return history.hands().back(); }

    HandHistory history;
};

TEST_F(HandHistoryTest, TellsTheDealEveryActionAndEachStreetInOrder) {
    seatEveryone();
    script.raiseOn[kGeek] = Street::Flop;
    script.folds[kMaster] = true;
    game.startNewGame("1200");
    game.check(); // calls Robot's big blind; everyone answers it
    game.check(); // checks the flop; Geek raises
    const Hole& mine = t.seats[kHuman].hole;
    const Board& cards = t.board;
    EXPECT_EQ(lastHand(), (Lines{"New game: every seat starts with 1200",
                                 "Hand 1",
                                 "You hold " + cardName(mine[0]) + " " + cardName(mine[1]) + " " +
                                     cardName(mine[2]) + " " + cardName(mine[3]),
                                 "Expert posts the small blind 1",
                                 "Robot posts the big blind 2",
                                 "You call 2",
                                 "Freak calls 2",
                                 "Geek calls 2",
                                 "Master folds",
                                 "Champ calls 2",
                                 "Pinhead calls 2",
                                 "Expert calls 2",
                                 "Robot calls 2",
                                 "Flop: " + cardName(cards[0]) + " " + cardName(cards[1]) + " " +
                                     cardName(cards[2]),
                                 "You check",
                                 "Freak checks",
                                 "Geek raises 2",
                                 "Champ calls 2",
                                 "Pinhead calls 2",
                                 "Expert calls 2",
                                 "Robot calls 2"}));
}

TEST_F(HandHistoryTest, MarksANewGameAndTurnsEveryStreetsCards) {
    seatEveryone();
    game.startNewGame("1200");
    game.check(); // calls the big blind; the flop shows
    game.check(); // the flop is checked round and the turn shows at Robot's turn
    game.check(); // and the river
    Lines streets;
    std::ranges::copy_if(lastHand(), std::back_inserter(streets), [](const std::string& line) {
        return line.starts_with("Flop:") || line.starts_with("Turn:") || line.starts_with("River:");
    });
    const Board& cards = t.board;
    EXPECT_EQ(streets, (Lines{"Flop: " + cardName(cards[0]) + " " + cardName(cards[1]) + " " +
                                  cardName(cards[2]),
                              "Turn: " + cardName(cards[3]), "River: " + cardName(cards[4])}));

    // The hands of the next game count from 1 again.
    game.deal();
    game.startNewGame("500");
    EXPECT_EQ(Lines(lastHand().begin(), lastHand().begin() + 2),
              (Lines{"New game: every seat starts with 500", "Hand 1"}));
    EXPECT_EQ(history.hands()[history.hands().size() - 2].front(), "Hand 2");
}

TEST_F(HandHistoryTest, TellsTheShownHandsAndTheSplitOfThePot) {
    handOn(Street::River, 25);
    t.board = board("2c 7d 9h Js Kc");
    t.seats[kHuman].hole = hole("Ah Ad 3c 4d");
    t.seats[kFreak].hole = hole("As Ac 3d 4h");
    t.seats[kGeek].hole = hole("Qh Qd 5c 6d");
    onlyInHand({kHuman, kFreak, kGeek});
    history.handDealt(t.seats[kHuman].hole);
    game.check();
    const Lines& lines = lastHand();
    EXPECT_EQ(Lines(lines.end() - 6, lines.end()),
              (Lines{"Geek checks", "You: One pair Aces = A♥ A♦ + 9♥ J♠ K♣",
                     "Freak: One pair Aces = A♠ A♣ + 9♥ J♠ K♣",
                     "Geek: One pair Queens = Q♥ Q♦ + 9♥ J♠ K♣", "You take 12 of the pot of 25",
                     "Freak takes 12 of the pot of 25"}));
}

TEST_F(HandHistoryTest, TellsAHandWonByFoldsAndKeepsTheLatestHands) {
    handOn(Street::Flop, 40);
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        script.folds[seat] = true;
    history.handDealt(t.seats[kHuman].hole);
    game.raise();
    // The human opens the streets, so the turn still shows once the hand is won.
    const Lines& lines = lastHand();
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{"Robot folds", "You take the pot of 42, won by folds",
                     "Turn: " + cardName(t.board[3])}));

    for (std::size_t hand = 0; hand < HandHistory::kKeptHands + 5; ++hand)
        history.handDealt(t.seats[kHuman].hole);
    EXPECT_EQ(history.hands().size(), HandHistory::kKeptHands);
    EXPECT_EQ(history.hands().back().front(), "Hand 206");
}

} // namespace
} // namespace omaha::testing
