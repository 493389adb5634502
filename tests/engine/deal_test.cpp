#include "table_test.h"

#include <set>

namespace omaha::testing {
namespace {

using Blinds = std::pair<SeatCode, SeatCode>;

class DealTest : public TableTest {
protected:
    // Presses Deal and tells which seats were shown posting the small and the big blind.
    Blinds deal() {
        const std::size_t before = view.log().size();
        game.deal();
        Blinds blinds{0, 0};
        for (auto entry = view.log().begin() + static_cast<std::ptrdiff_t>(before);
             entry != view.log().end(); ++entry) {
            if (entry->ends_with(" small blind"))
                blinds.first = (*entry)[7] - '0';
            if (entry->ends_with(" big blind"))
                blinds.second = (*entry)[7] - '0';
        }
        return blinds;
    }
};

TEST_F(DealTest, BrokeSeatsAreSkippedByBothSearches) {
    // clang-format off
    startFrom("street:showdown pot:24 out:0 opener:robot marker:expert call:0 bets:2/4 turn:deal board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:0:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    EXPECT_EQ(deal(), (Blinds{kRobot, kHuman}));
    EXPECT_EQ(t.blindMarker, kHuman);

    // clang-format off
    startFrom("street:showdown pot:24 out:0 opener:robot marker:expert call:0 bets:2/4 turn:deal board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:0:TcTdThJc:in");
    // clang-format on
    EXPECT_EQ(deal(), (Blinds{kExpert, kHuman}));
    EXPECT_EQ(t.blindMarker, kRobot);
    EXPECT_EQ(t.opener, kHuman);
    EXPECT_EQ(t.seatsOut, 1);

    // With two seats holding cash, those two post, wherever the marker stands.
    // clang-format off
    const std::string twoWithCash = "street:showdown pot:24 out:0 opener:robot marker:robot call:0 bets:2/4 turn:deal board:2c7d9hJsKc you:50:AhAd3c4d:in freak:0:AsAc3d4h:in geek:50:QhQd5c6d:in master:0:3h4s5d6h:in champ:0:8c8d5h6s:in pinhead:0:2d3s4c5s:in expert:0:7c7h8h9c:in robot:0:TcTdThJc:in";
    // clang-format on
    for (const char* marker :
         {"you", "freak", "geek", "master", "champ", "pinhead", "expert", "robot"}) {
        std::string position = twoWithCash;
        position.replace(position.find("marker:robot"), 12, std::string("marker:") + marker);
        startFrom(position);
        const Blinds blinds = deal();
        EXPECT_TRUE((blinds == Blinds{kHuman, kGeek} || blinds == Blinds{kGeek, kHuman})) << marker;
    }
}

TEST_F(DealTest, SeatsWithoutCashHaveTheirCardsWiped) {
    // Pinhead went broke in the last hand; Robot pays its last chip as the next small blind.
    // clang-format off
    startFrom("street:showdown pot:24 out:0 opener:robot marker:expert call:0 bets:2/4 turn:deal board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:0:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1:TcTdThJc:in");
    // clang-format on
    const std::size_t before = view.log().size();
    game.deal();
    EXPECT_TRUE(logged("wipe 3", before));
    EXPECT_TRUE(logged("wipe 1", before));
    EXPECT_FALSE(logged("wipe 6", before));
    // The deck shuffled was the position's: every card dealt is a different one.
    std::set<int> dealt;
    for (const Seat& seat : t.seats)
        for (const Card& card : seat.hole)
            dealt.insert(card.index());
    for (const Card& card : t.board)
        dealt.insert(card.index());
    EXPECT_EQ(dealt.size(), 37u);
}

} // namespace
} // namespace omaha::testing
