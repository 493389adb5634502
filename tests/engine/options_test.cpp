#include "core/seat_facts.h"
#include "table_test.h"

namespace omaha::testing {
namespace {

class NewGameTest : public TableTest {
protected:
    void SetUp() override {
        game.startup();
        view.takeMessages();
    }
};

// Only the cash that the options panel takes, saved first in one write as every seat's cash,
// so that a restart carries on with the new game.
TEST_F(NewGameTest, TakesTheCashTheOptionsPanelTakesAndSavesItAsEverySeatsCash) {
    for (const auto& [text, accepted] : {std::pair{"99", false},
                                         {"100", true},
                                         {"1000000", true},
                                         {"1000001", false},
                                         {"-5", false}}) {
        const int writesBefore = settings.writes;
        game.startNewGame(text);
        const std::int32_t expected = accepted ? std::stoi(text) : t.startingCash;
        const Texts expectedMessages = accepted ? Texts{} : Texts{"the value is off limits"};
        EXPECT_EQ(messageTexts(), expectedMessages) << text;
        EXPECT_EQ(settings.writes, writesBefore + (accepted ? 1 : 0)) << text;
        EXPECT_EQ(settings.readInt("Cash", "initial", -1), expected) << text;
        for (const SeatCode seat : kTableOrder)
            EXPECT_EQ(settings.readInt("Cash", seatFacts(seat).cashKey, -1), expected) << seat;
        // Robot has paid the big blind of the new game's first hand.
        EXPECT_EQ(std::pair(t.seats[kHuman].cash, t.seats[kRobot].cash),
                  std::pair(expected, expected - 2))
            << text;
    }
}

TEST_F(TableTest, NewInitialCashInMidHandBringsBrokeSeatsBack) {
    // clang-format off
    startFrom("street:flop pot:40 out:1 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:0:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    game.enterInitialCash("500");
    for (const SeatCode seat : kTableOrder)
        EXPECT_EQ(lastLogged("cash " + std::to_string(seat) + " "),
                  "cash " + std::to_string(seat) + " 500");
    EXPECT_EQ(t.pot, 40);
    EXPECT_EQ(settings.readInt("Cash", "initial", -1), 500);
    EXPECT_EQ(settings.readInt("Cash", "pinhead", -1), 500);
}

// The four backs are items 0 to 3, pictures 52 to 55; any other item changes nothing.
TEST_F(NewGameTest, ACardBackIsOneOfTheFour) {
    for (const int item : {3, 4, -1}) {
        game.chooseCardBack(item);
        EXPECT_EQ(t.cardBack, 55) << item;
        EXPECT_EQ(settings.readInt("Card", "back", -1), 55) << item;
    }
}

} // namespace
} // namespace omaha::testing
