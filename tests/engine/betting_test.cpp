#include "table_test.h"

namespace omaha::testing {
namespace {

class BettingTest : public TableTest {};

TEST_F(BettingTest, RaiseIsIgnoredWithOneChipLeft) {
    // clang-format off
    startFrom("street:flop pot:40 out:0 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    view.colourStatus(kGeek, StatusColour::Yellow);
    game.raise();
    EXPECT_EQ(t.seats[kHuman].cash, 1);
    EXPECT_EQ(t.pot, 40);
    EXPECT_FALSE(view.yellow(kGeek));
    EXPECT_TRUE(script.turns.empty());
}

TEST_F(BettingTest, ComputerCannotCallMoreThanItHasButCanRaiseIntoDebt) {
    // clang-format off
    startFrom("street:turn pot:100 out:0 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:4:3h4s5d6h:in champ:3:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    game.raise(); // a big bet of 4: Master has exactly that, and is out from then on
    EXPECT_TRUE(t.seats[kChamp].folded);
    EXPECT_EQ(view.status(kChamp), "Folds");
    EXPECT_EQ(t.seats[kChamp].cash, 3);
    EXPECT_EQ(view.status(kMaster), "Calls");
    EXPECT_EQ(t.seats[kMaster].cash, 0);

    // clang-format off
    startFrom("street:turn pot:100 out:0 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    script.raiseOn[kPinhead] = Street::Turn;
    game.check();
    EXPECT_EQ(t.seats[kPinhead].cash, -3);
    EXPECT_EQ(t.amountToCall, 4);
}

TEST_F(BettingTest, OpenerIsHandedOnWhenItFolds) {
    // Each opener folds to the human's bet. Champ went broke at the deal and is passed over.
    // clang-format off
    startFrom("street:flop pot:100 out:1 opener:master marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:0:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    script.folds[kMaster] = true;
    game.raise();
    EXPECT_EQ(t.opener, kPinhead);

    // clang-format off
    startFrom("street:flop pot:100 out:0 opener:robot marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    script.folds[kRobot] = true;
    game.raise();
    EXPECT_EQ(t.opener, kHuman);

    // Robot has folded: no seat after Expert is still in.
    // clang-format off
    startFrom("street:flop pot:100 out:1 opener:expert marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:folded");
    // clang-format on
    script.folds[kExpert] = true;
    game.raise();
    EXPECT_EQ(t.opener, kHuman);
}

} // namespace
} // namespace omaha::testing
