#include "engine/visible_cards.h"
#include "game_position.h"

namespace omaha::testing {
namespace {

using Messages = std::vector<std::string>;

class HandEndTest : public TableTest {
protected:
    // Everyone still in checks the river round, the human last: the showdown follows.
    void checkTheRiver() {
        t.street = Street::River;
        game.check();
    }

    void SetUp() override {
        handOn(Street::River, 25);
        t.board = board("2c 7d 9h Js Kc");
        t.seats[kHuman].hole = hole("Ah Ad 3c 4d");  // one pair of aces
        t.seats[kFreak].hole = hole("As Ac 3d 4h");  // the same pair of aces
        t.seats[kGeek].hole = hole("Qh Qd 5c 6d");   // one pair of queens
        t.seats[kMaster].hole = hole("3h 4s 5d 6h"); // king high
        t.seats[kChamp].hole = hole("8c 8d 5h 6s");  // one pair of eights
    }
};

TEST_F(HandEndTest, UnfoldedSeatsAreComparedEvenWhenAllAreOutOfCash) {
    t.seats[kFreak].cash = 0;
    t.seats[kMaster].cash = -2;
    onlyInHand({kHuman, kFreak, kMaster});
    game.fold();
    EXPECT_EQ(view.result(), "Freak wins");
    EXPECT_EQ(t.seats[kFreak].cash, 25);
    EXPECT_EQ(t.seats[kChamp].cash, 1200);
}

TEST_F(HandEndTest, WithEverySeatFoldedChampsStandInValueTakesThePot) {
    onlyInHand({kHuman});
    t.seatsOut = 6;
    game.fold();
    EXPECT_EQ(view.result(), "Champ wins");
    EXPECT_EQ(t.seats[kChamp].cash, 1225);
}

TEST_F(HandEndTest, PotIsPaidOnlyOncePerHand) {
    // Champ opens the streets: its turn ends the river round inside the human's Check, which
    // then reaches the showdown a second time.
    onlyInHand({kHuman, kGeek, kChamp});
    t.opener = kChamp;
    game.check();
    EXPECT_EQ(view.result(), "You win");
    EXPECT_EQ(t.seats[kHuman].cash, 1225);

    // Everyone folds to the human's river bet: the hand is won by folds, and the showdown that
    // follows announces it without paying again.
    SetUp();
    script.folds = {{kFreak, true},   {kGeek, true},   {kMaster, true}, {kChamp, true},
                    {kPinhead, true}, {kExpert, true}, {kRobot, true}};
    game.raise();
    EXPECT_EQ(t.seatsOut, 7);
    EXPECT_EQ(view.result(), "You win");
    EXPECT_EQ(t.seats[kHuman].cash, 1200 - 4 + 25 + 4);
}

TEST_F(HandEndTest, EverySeatAtOrPastTheTargetGetsItsOwnBoxInTableOrder) {
    t.seats[kHuman].cash = 1788; // its share of 12 reaches the target of 1800 exactly
    t.seats[kFreak].cash = 1787; // one short after the same share
    t.seats[kRobot].cash = 5000; // already past the target, though folded
    onlyInHand({kHuman, kFreak});
    checkTheRiver();
    EXPECT_EQ(view.result(), "You , Freak win");
    EXPECT_EQ(messageTexts(), (Messages{"You win!", "Robot wins"}));
    EXPECT_FALSE(view.enabled(TableButton::Deal));
}

TEST_F(HandEndTest, HumanFoldedWithOneSeatLeftShowsNoNames) {
    onlyInHand({kHuman, kMaster});
    game.fold();
    EXPECT_TRUE(hidesLastHand(t));
    for (const SeatCode seat : kTableOrder)
        EXPECT_EQ(view.status(seat), "") << seat;
    EXPECT_EQ(view.result(), "Master wins");
    EXPECT_EQ(t.seats[kMaster].cash, 1225);
}

TEST_F(HandEndTest, WinByFoldsPaysTheHumanAndSavesTheCash) {
    t.street = Street::Flop;
    t.pot = 40;
    t.seats[kPinhead].cash = 0;
    t.seats[kGeek].folded = true;
    t.seatsOut = 2;
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        script.folds[seat] = true;
    view.clearLog();
    game.raise();
    EXPECT_EQ(view.result(), "you win    ");
    EXPECT_EQ(t.seats[kHuman].cash, 1200 - 2 + 40 + 2);
    EXPECT_EQ(view.cashText(kHuman), "1240");
    for (SeatCode seat = kFreak; seat >= kRobot; --seat) {
        EXPECT_EQ(view.status(seat), seat == kPinhead ? "" : "Folds") << seat;
        EXPECT_EQ(t.seats[seat].folded, seat != kPinhead) << seat;
        EXPECT_EQ(logged("wipe " + std::to_string(seat)), seat != kPinhead) << seat;
    }
    EXPECT_EQ(buttons(), "D---");
    EXPECT_EQ(settings.readInt("Cash", "player", 0), 1240);
    EXPECT_EQ(settings.readInt("Cash", "pinhead", 1200), 0);
    EXPECT_TRUE(messageTexts().empty());

    // The pot brings the human to the target of 1800 exactly.
    SetUp();
    t.street = Street::Flop;
    t.seats[kHuman].cash = 1790;
    t.pot = 10;
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        script.folds[seat] = true;
    game.raise();
    EXPECT_EQ(messageTexts(), (Messages{"You win!"}));
    EXPECT_FALSE(view.enabled(TableButton::Deal));
}

} // namespace
} // namespace omaha::testing
