#include "table_test.h"

namespace omaha::testing {
namespace {

// On the river of 2c 7d 9h Js Kc the human and Freak hold one pair of aces each, Geek one pair
// of queens, Master king high and Champ one pair of eights.
class HandEndTest : public TableTest {};

TEST_F(HandEndTest, UnfoldedSeatsAreComparedEvenWhenAllAreOutOfCash) {
    // clang-format off
    startFrom("street:river pot:25 out:5 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:0:AsAc3d4h:in geek:1200:QhQd5c6d:folded master:-2:3h4s5d6h:in champ:1200:8c8d5h6s:folded pinhead:1200:2d3s4c5s:folded expert:1200:7c7h8h9c:folded robot:1200:TcTdThJc:folded");
    // clang-format on
    game.fold();
    EXPECT_EQ(view.result(), "Freak wins");
    EXPECT_EQ(t.seats[kFreak].cash, 25);
    EXPECT_EQ(t.seats[kChamp].cash, 1200);
}

TEST_F(HandEndTest, PotIsPaidOnlyOncePerHand) {
    // Champ opens the streets: its turn ends the river round inside the human's Check, which
    // then reaches the showdown a second time.
    // clang-format off
    startFrom("street:river pot:25 out:5 opener:champ marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:folded geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:folded champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:folded expert:1200:7c7h8h9c:folded robot:1200:TcTdThJc:folded");
    // clang-format on
    game.check();
    EXPECT_EQ(view.result(), "You win");
    EXPECT_EQ(t.seats[kHuman].cash, 1225);

    // Everyone folds to the human's river bet: the hand is won by folds, and the showdown that
    // follows announces it without paying again.
    // clang-format off
    startFrom("street:river pot:25 out:0 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        script.folds[seat] = true;
    game.raise();
    EXPECT_EQ(t.seatsOut, 7);
    EXPECT_EQ(view.result(), "You win");
    EXPECT_EQ(t.seats[kHuman].cash, 1200 - 4 + 25 + 4);
}

TEST_F(HandEndTest, EverySeatAtOrPastTheTargetGetsItsOwnBoxInTableOrder) {
    // The human's share of 12 reaches the target of 1800 exactly, Freak's leaves it one short;
    // Robot is past it already, though folded.
    // clang-format off
    startFrom("street:river pot:25 out:6 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1788:AhAd3c4d:in freak:1787:AsAc3d4h:in geek:1200:QhQd5c6d:folded master:1200:3h4s5d6h:folded champ:1200:8c8d5h6s:folded pinhead:1200:2d3s4c5s:folded expert:1200:7c7h8h9c:folded robot:5000:TcTdThJc:folded");
    // clang-format on
    game.check();
    EXPECT_EQ(view.result(), "You , Freak win");
    EXPECT_EQ(messageTexts(), (Texts{"You win!", "Robot wins"}));
    EXPECT_FALSE(view.enabled(TableButton::Deal));
}

TEST_F(HandEndTest, WinByFoldsPaysTheHumanAndSavesTheCash) {
    // Pinhead went broke at the deal, Geek has folded; the rest fold to the human's bet.
    // clang-format off
    startFrom("street:flop pot:40 out:2 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:folded master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:0:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        script.folds[seat] = true;
    const std::size_t before = view.log().size();
    game.raise();
    EXPECT_EQ(view.result(), "you win    ");
    EXPECT_EQ(lastLogged("cash 8 "), "cash 8 1240");
    for (SeatCode seat = kFreak; seat >= kRobot; --seat) {
        EXPECT_EQ(view.status(seat), seat == kPinhead ? "" : "Folds") << seat;
        EXPECT_EQ(t.seats[seat].folded, seat != kPinhead) << seat;
        EXPECT_EQ(logged("wipe " + std::to_string(seat), before), seat != kPinhead) << seat;
    }
    EXPECT_EQ(buttons(), "D---");
    EXPECT_EQ(t.amountToCall, 2); // no computer seat took a turn after the hand was won
    EXPECT_EQ(settings.readInt("Cash", "player", 0), 1240);
    EXPECT_EQ(settings.readInt("Cash", "pinhead", 1200), 0);
    EXPECT_TRUE(messageTexts().empty());

    // Everyone folds to the human's call of Robot's big blind, Robot too: Raise stays off.
    // clang-format off
    startFrom("street:preflop pot:3 out:0 opener:robot marker:robot call:2 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1199:7c7h8h9c:in robot:1198:TcTdThJc:bet");
    // clang-format on
    game.check();
    EXPECT_EQ(view.result(), "you win    ");
    EXPECT_EQ(buttons(), "D---");

    // The pot brings the human to the target of 1800 exactly.
    // clang-format off
    startFrom("street:flop pot:10 out:0 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1790:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    game.raise();
    EXPECT_EQ(messageTexts(), (Texts{"You win!"}));
    EXPECT_FALSE(view.enabled(TableButton::Deal));
}

} // namespace
} // namespace omaha::testing
