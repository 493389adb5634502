#include "game_position.h"

namespace omaha::testing {
namespace {

using Blinds = std::pair<SeatCode, SeatCode>;

class DealTest : public TableTest {
protected:
    // Which seats were shown posting the small and the big blind since the log was cleared.
    Blinds blindsPosted() const {
        Blinds blinds{0, 0};
        for (const std::string& entry : view.log()) {
            if (entry.ends_with(" small blind"))
                blinds.first = entry[7] - '0';
            if (entry.ends_with(" big blind"))
                blinds.second = entry[7] - '0';
        }
        return blinds;
    }
    // Presses Deal with the blinds' rotation about to start from `opener`.
    Blinds dealFrom(SeatCode opener) {
        view.clearLog();
        t.blindMarker = seatBefore(opener);
        game.deal();
        return blindsPosted();
    }
};

TEST_F(DealTest, BrokeSeatsAreSkippedByBothSearches) {
    seatEveryone();
    t.seats[kExpert].cash = 0;
    EXPECT_EQ(dealFrom(kRobot), (Blinds{kRobot, kHuman}));
    EXPECT_EQ(t.blindMarker, kHuman);

    seatEveryone();
    t.seats[kRobot].cash = 0;
    EXPECT_EQ(dealFrom(kRobot), (Blinds{kExpert, kHuman}));
    EXPECT_EQ(t.blindMarker, kRobot);
    EXPECT_EQ(t.opener, kHuman);
    EXPECT_EQ(t.seatsOut, 1);

    // With two seats holding cash, those two post, whatever the marker says.
    for (SeatCode opener = 1; opener <= kSeatCount; ++opener) {
        seatEveryone(0);
        t.seats[kHuman].cash = 50;
        t.seats[kGeek].cash = 50;
        const Blinds blinds = dealFrom(opener);
        EXPECT_TRUE((blinds == Blinds{kHuman, kGeek} || blinds == Blinds{kGeek, kHuman})) << opener;
    }
}

TEST_F(DealTest, SeatsWithoutCashHaveTheirCardsWiped) {
    seatEveryone();
    game.startNewGame("1200");
    game.fold();
    t.seats[kPinhead].cash = 0; // went broke in the last hand
    t.seats[kRobot].cash = 1;   // pays its last chip as the next small blind
    view.clearLog();
    game.deal();
    EXPECT_TRUE(logged("wipe 3"));
    EXPECT_TRUE(logged("wipe 1"));
    EXPECT_FALSE(logged("wipe 6"));
}

} // namespace
} // namespace omaha::testing
