#include "table_fixture.h"

namespace omaha::testing {
namespace {

using Seats = std::vector<SeatCode>;
const Seats kAllComputers = {kFreak, kGeek, kMaster, kChamp, kPinhead, kExpert, kRobot};

class BettingTest : public TableTest {};

TEST_F(BettingTest, StreetMovesOnWhenTheTurnComesBackToTheOpener) {
    handOn(kPreflop, 100, kChamp);
    game.computerpass(kChamp); // street 2 begins at Champ's turn
    EXPECT_EQ(t.street, kFlop);
    EXPECT_EQ(script.turns, (Seats{kChamp, kPinhead, kExpert, kRobot}));

    script.turns.clear();
    game.playerstays();
    // Freak, Geek and Master check on the flop; Champ's turn opens the turn card and the four
    // seats from Champ to Robot act on it within the same click.
    EXPECT_EQ(script.turns, kAllComputers);
    EXPECT_EQ(t.street, kTurn);
    EXPECT_EQ(view.status(kRobot), "Check");
    EXPECT_EQ(t.pot, 100);
}

TEST_F(BettingTest, PreflopWithMasterOnTheBigBlind) {
    handOn(kPreflop, 3, kMaster);
    t.seats[kMaster].raised = true;
    t.tocall = 2;
    game.openbetting();
    EXPECT_EQ(script.asked, (Seats{kChamp, kPinhead, kExpert, kRobot}));
    EXPECT_EQ(script.turns, (Seats{kChamp, kPinhead, kExpert, kRobot}));

    script.forget();
    game.playerstays();
    // The human's call charges the big blind; Freak, Geek and Master answer it, the rest take
    // their pre-flop turns, and then the flop shows.
    EXPECT_EQ(t.seats[kHuman].cash, 1198);
    EXPECT_EQ(script.asked, (Seats{kFreak, kGeek, kMaster}));
    EXPECT_EQ(script.turns, (Seats{kChamp, kPinhead, kExpert, kRobot}));
    EXPECT_EQ(t.street, kFlop);
    EXPECT_EQ(t.pot, 3 + 4 * 2 + 4 * 2);

    script.turns.clear();
    game.playerstays();
    EXPECT_EQ(script.turns, kAllComputers);
    EXPECT_EQ(t.street, kTurn);
}

TEST_F(BettingTest, CheckWithNoBetPendingCostsNothing) {
    handOn(kPreflop, 3, kHuman);
    t.tocall = 2;
    game.playerstays();
    EXPECT_EQ(t.seats[kHuman].cash, 1200);
    EXPECT_EQ(script.turns, kAllComputers);
    EXPECT_TRUE(script.asked.empty());
    // The human as opener: the flop comes after the pass, and the first Check/Call of the hand
    // moves a pre-flop hand on in any case.
    EXPECT_EQ(t.street, kFlop);
}

TEST_F(BettingTest, RaiseAfterTheHumansCheckWaitsWhileTheNextCardShows) {
    handOn(kFlop, 100, kHuman);
    script.raiseOn[kGeek] = kFlop;
    game.playerstays();
    EXPECT_EQ(t.street, kTurn);
    EXPECT_TRUE(t.seats[kGeek].raised);
    EXPECT_EQ(t.tocall, 2);
    EXPECT_EQ(script.asked, (Seats{kMaster, kChamp, kPinhead, kExpert, kRobot}));
    EXPECT_EQ(script.turns, (Seats{kFreak, kGeek}));
    EXPECT_EQ(view.stayCaption(), "Call");
    EXPECT_EQ(buttons(), "-C-F");
    EXPECT_EQ(view.status(kGeek), "Raises");
    EXPECT_TRUE(view.yellow(kGeek));
    EXPECT_EQ(view.status(kFreak), "");

    // Calling it makes Freak answer, then the pass goes on from Master on the turn.
    script.forget();
    game.playerstays();
    EXPECT_EQ(t.seats[kHuman].cash, 1198);
    EXPECT_EQ(script.asked, (Seats{kFreak}));
    EXPECT_EQ(script.turns, (Seats{kMaster, kChamp, kPinhead, kExpert, kRobot}));
    EXPECT_EQ(buttons(), "-CRF");
    EXPECT_FALSE(view.yellow(kGeek));
    EXPECT_EQ(t.street, kRiver);
}

TEST_F(BettingTest, RaiseInThePassAfterTheHumansRaiseDoesNotMoveTheStreet) {
    handOn(kFlop, 100, kHuman);
    script.raiseOn[kGeek] = kTurn;
    game.playerbets();
    EXPECT_EQ(t.seats[kHuman].cash, 1198);
    // Everyone answers the human's bet; the turn shows; Geek's raise there is answered by the
    // seats after it.
    EXPECT_EQ(script.asked, (Seats{kFreak, kGeek, kMaster, kChamp, kPinhead, kExpert, kRobot,
                                   kMaster, kChamp, kPinhead, kExpert, kRobot}));
    EXPECT_TRUE(t.seats[kGeek].raised);
    EXPECT_EQ(t.seats[kGeek].cash, 1200 - 2 - 4);
    EXPECT_EQ(t.tocall, 4);
    EXPECT_EQ(t.street, kTurn);
}

TEST_F(BettingTest, HumanRaiseCostsTwoSmallBetsPreflopAndOneBigBetLater) {
    handOn(kPreflop, 3, kMaster);
    t.seats[kMaster].raised = true;
    game.playerbets();
    EXPECT_EQ(t.seats[kHuman].cash, 1196);
    EXPECT_EQ(t.tocall, 0); // the pass that follows starts with nothing to call
    // The big blind and the seats before it answer the human's bet; the seats behind do not.
    EXPECT_EQ(script.asked, (Seats{kFreak, kGeek, kMaster}));
    EXPECT_EQ(t.seats[kMaster].cash, 1200 - 4);
    EXPECT_EQ(t.seats[kChamp].cash, 1200);

    handOn(kTurn, 0, kFreak);
    game.playerbets();
    EXPECT_EQ(t.seats[kHuman].cash, 1196);
    EXPECT_EQ(t.seats[kRobot].cash, 1196);
}

TEST_F(BettingTest, PreflopRaiseWithNoBigBlindBetPendingIsAnsweredByNobody) {
    handOn(kPreflop, 3, kGeek);
    game.playerbets();
    EXPECT_TRUE(script.asked.empty());
    for (SeatCode seat : kAllComputers)
        EXPECT_EQ(t.seats[seat].cash, 1200) << seat;
    EXPECT_EQ(t.pot, 7);
}

TEST_F(BettingTest, RaiseIsIgnoredWithOneChipLeftOrEveryoneOut) {
    handOn(kFlop, 40);
    t.seats[kHuman].cash = 1;
    view.colourStatus(kGeek, StatusColour::Yellow);
    game.playerbets();
    EXPECT_EQ(t.seats[kHuman].cash, 1);
    EXPECT_EQ(t.pot, 40);
    EXPECT_FALSE(view.yellow(kGeek));
    EXPECT_TRUE(script.turns.empty());
}

TEST_F(BettingTest, RobotsRaiseLeavesOnlyTheHumanToAnswer) {
    handOn(kFlop, 100, kHuman);
    script.raiseOn[kRobot] = kFlop;
    game.playerstays();
    EXPECT_TRUE(script.asked.empty());
    for (SeatCode seat : {kFreak, kGeek, kMaster, kChamp, kPinhead, kExpert})
        EXPECT_EQ(view.status(seat), "") << seat;
    EXPECT_EQ(view.status(kRobot), "Raises");
    EXPECT_FALSE(view.enabled(TableButton::Raise));

    // Calling it brings in every seat before Robot; nobody sits after Robot to take a turn.
    script.turns.clear();
    game.playerstays();
    EXPECT_EQ(script.asked, (Seats{kFreak, kGeek, kMaster, kChamp, kPinhead, kExpert}));
    EXPECT_TRUE(script.turns.empty());
    EXPECT_EQ(t.street, kRiver);
}

TEST_F(BettingTest, ComputerCannotCallMoreThanItHasButCanRaiseIntoDebt) {
    handOn(kTurn, 100, kHuman);
    t.seats[kChamp].cash = 3;
    game.playerbets(); // a big bet of 4
    EXPECT_TRUE(t.seats[kChamp].folded);
    EXPECT_EQ(view.status(kChamp), "Folds");
    EXPECT_EQ(t.seats[kChamp].cash, 3);

    handOn(kTurn, 100, kFreak);
    t.seats[kPinhead].cash = 1;
    script.raiseOn[kPinhead] = kTurn;
    game.computerpass(kPinhead);
    EXPECT_EQ(t.seats[kPinhead].cash, -3);
    EXPECT_EQ(t.tocall, 4);
}

TEST_F(BettingTest, OpenerIsHandedOnWhenItFolds) {
    handOn(kFlop, 100, kMaster);
    t.tocall = 2;
    script.folds[kMaster] = true;
    t.seats[kChamp].cash = 0;
    game.callorfold(kMaster);
    EXPECT_EQ(t.opener, kPinhead); // Champ has no cash and is passed over

    t.opener = kRobot;
    script.folds[kRobot] = true;
    game.callorfold(kRobot);
    EXPECT_EQ(t.opener, kHuman);

    t.opener = kExpert;
    script.folds[kExpert] = true;
    game.callorfold(kExpert);
    EXPECT_EQ(t.opener, kHuman); // Robot has folded: no seat after Expert is still in
}

TEST_F(BettingTest, HumanFoldsWhileChampsRaiseIsPending) {
    handOn(kFlop, 100, kFreak);
    t.seats[kChamp].raised = true;
    t.tocall = 2;
    script.folds[kGeek] = true;
    game.playerpasses();
    EXPECT_EQ(script.asked, (Seats{kFreak, kGeek, kMaster}));
    EXPECT_TRUE(t.seats[kHuman].folded);
    EXPECT_FALSE(t.seats[kChamp].raised);
    EXPECT_EQ(t.street, kShowdown);
    EXPECT_EQ(view.status(kHuman), "you fold");
    EXPECT_EQ(buttons(), "D---");
    EXPECT_EQ(view.erased(), (std::vector<Rect>{fanOf(kGeek).erase, fanOf(kHuman).erase}));
    EXPECT_NE(view.result(), "");
}

TEST_F(BettingTest, EveryoneFoldingToTheHumansCallEndsTheHandWithOnlyDealLeft) {
    handOn(kPreflop, 3, kMaster);
    t.seats[kMaster].raised = true;
    for (SeatCode seat : kAllComputers)
        t.seats[seat].folded = seat != kFreak && seat != kGeek && seat != kMaster;
    t.outcount = 4;
    script.folds = {{kFreak, true}, {kGeek, true}, {kMaster, true}};
    game.playerstays();
    EXPECT_EQ(view.result(), "you win    ");
    EXPECT_EQ(t.seats[kHuman].cash, 1200 - 2 + 5);
    EXPECT_EQ(buttons(), "D---");
}

} // namespace
} // namespace omaha::testing
