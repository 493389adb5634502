#include "game_position.h"

namespace omaha::testing {
namespace {

using Seats = std::vector<SeatCode>;
const Seats kAllComputers = {kFreak, kGeek, kMaster, kChamp, kPinhead, kExpert, kRobot};

class BettingTest : public TableTest {};

TEST_F(BettingTest, PreflopWithMasterOnTheBigBlind) {
    seatEveryone();
    t.blindMarker = kGeek; // moves on to Master at the Deal
    game.deal();
    EXPECT_EQ(view.status(kGeek), "small blind");
    EXPECT_TRUE(t.seats[kMaster].raised);
    EXPECT_EQ(script.asked, (Seats{kChamp, kPinhead, kExpert, kRobot}));
    EXPECT_EQ(script.turns, (Seats{kChamp, kPinhead, kExpert, kRobot}));

    script.forget();
    game.check();
    // The human's call charges the big blind; Freak, Geek and Master answer it, the rest take
    // their pre-flop turns, and then the flop shows.
    EXPECT_EQ(t.seats[kHuman].cash, 1198);
    EXPECT_EQ(script.asked, (Seats{kFreak, kGeek, kMaster}));
    EXPECT_EQ(script.turns, (Seats{kChamp, kPinhead, kExpert, kRobot}));
    EXPECT_EQ(t.street, Street::Flop);
    EXPECT_EQ(t.pot, 3 + 4 * 2 + 4 * 2);

    script.turns.clear();
    game.check();
    EXPECT_EQ(script.turns, kAllComputers);
    EXPECT_EQ(t.street, Street::Turn);
}

TEST_F(BettingTest, RaiseAfterTheHumansCheckWaitsWhileTheNextCardShows) {
    handOn(Street::Flop, 100, kHuman);
    script.raiseOn[kGeek] = Street::Flop;
    game.check();
    EXPECT_EQ(t.street, Street::Turn);
    EXPECT_TRUE(t.seats[kGeek].raised);
    EXPECT_EQ(t.amountToCall, 2);
    EXPECT_EQ(script.asked, (Seats{kMaster, kChamp, kPinhead, kExpert, kRobot}));
    EXPECT_EQ(script.turns, (Seats{kFreak, kGeek}));
    EXPECT_EQ(view.stayCaption(), "Call");
    EXPECT_EQ(buttons(), "-C-F");
    EXPECT_EQ(view.status(kGeek), "Raises");
    EXPECT_TRUE(view.yellow(kGeek));
    EXPECT_EQ(view.status(kFreak), "");

    // Calling it makes Freak answer, then the pass goes on from Master on the turn.
    script.forget();
    game.check();
    EXPECT_EQ(t.seats[kHuman].cash, 1198);
    EXPECT_EQ(script.asked, (Seats{kFreak}));
    EXPECT_EQ(script.turns, (Seats{kMaster, kChamp, kPinhead, kExpert, kRobot}));
    EXPECT_EQ(buttons(), "-CRF");
    EXPECT_FALSE(view.yellow(kGeek));
    EXPECT_EQ(t.street, Street::River);
}

TEST_F(BettingTest, RaiseIsIgnoredWithOneChipLeftOrEveryoneOut) {
    handOn(Street::Flop, 40);
    t.seats[kHuman].cash = 1;
    view.colourStatus(kGeek, StatusColour::Yellow);
    game.raise();
    EXPECT_EQ(t.seats[kHuman].cash, 1);
    EXPECT_EQ(t.pot, 40);
    EXPECT_FALSE(view.yellow(kGeek));
    EXPECT_TRUE(script.turns.empty());
}

TEST_F(BettingTest, ComputerCannotCallMoreThanItHasButCanRaiseIntoDebt) {
    handOn(Street::Turn, 100, kHuman);
    t.seats[kChamp].cash = 3;
    t.seats[kMaster].cash = 4; // exactly the bet: calls, and is out from then on
    game.raise();              // a big bet of 4
    EXPECT_TRUE(t.seats[kChamp].folded);
    EXPECT_EQ(view.status(kChamp), "Folds");
    EXPECT_EQ(t.seats[kChamp].cash, 3);
    EXPECT_EQ(view.status(kMaster), "Calls");
    EXPECT_EQ(t.seats[kMaster].cash, 0);

    handOn(Street::Turn, 100, kHuman);
    t.seats[kPinhead].cash = 1;
    script.raiseOn[kPinhead] = Street::Turn;
    game.check();
    EXPECT_EQ(t.seats[kPinhead].cash, -3);
    EXPECT_EQ(t.amountToCall, 4);
}

TEST_F(BettingTest, OpenerIsHandedOnWhenItFolds) {
    // Each opener folds to the human's bet.
    handOn(Street::Flop, 100, kMaster);
    t.seats[kChamp].cash = 0;
    script.folds[kMaster] = true;
    game.raise();
    EXPECT_EQ(t.opener, kPinhead); // Champ has no cash and is passed over

    handOn(Street::Flop, 100, kRobot);
    script.folds[kRobot] = true;
    game.raise();
    EXPECT_EQ(t.opener, kHuman);

    handOn(Street::Flop, 100, kExpert);
    t.seats[kRobot].folded = true;
    script.folds[kExpert] = true;
    game.raise();
    EXPECT_EQ(t.opener, kHuman); // Robot has folded: no seat after Expert is still in
}

} // namespace
} // namespace omaha::testing
