#include "table_test.h"

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

TEST_F(DealTest, WithTwoSeatsHoldingCashThoseTwoPostTheBlinds) {
    // Wherever the marker stands.
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

} // namespace
} // namespace omaha::testing
