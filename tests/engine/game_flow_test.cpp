#include "core/seat_facts.h"
#include "engine/visible_cards.h"
#include "game_position.h"

namespace omaha::testing {
namespace {

using Messages = std::vector<std::string>;

class GameFlowTest : public TableTest {
protected:
    // The human with `human`, every computer player with `computers`.
    static std::vector<IntSetting> everyoneCash(std::int32_t human, std::int32_t computers) {
        std::vector<IntSetting> cash;
        for (const SeatCode seat : kCashKeyOrder)
            cash.push_back({"Cash", seatFacts(seat).cashKey, seat == kHuman ? human : computers});
        return cash;
    }
    void startupWith(const std::vector<IntSetting>& saved) {
        settings.values.clear();
        settings.writeInts(saved);
        game.startup();
    }
    using TableTest::startupWith;
    std::int32_t saved(const char* key) const { return settings.readInt("Cash", key, -1); }
};

TEST_F(GameFlowTest, DealSavesTheCashBeforeTheBlindsAndMovesThemOn) {
    game.startup();
    game.fold();
    const std::int32_t expertBefore = t.seats[kExpert].cash;
    game.deal();
    EXPECT_EQ(saved("expert"), expertBefore);
    EXPECT_EQ(settings.readInt("Background", "Color", -1), 0);
    EXPECT_EQ(t.blindMarker, kHuman);
    // Robot posted the small blind, then answered the human's big one.
    EXPECT_EQ(view.status(kRobot), "Calls");
    EXPECT_EQ(t.seats[kHuman].cash, saved("player") - 2);
    EXPECT_EQ(view.result(), "");
    EXPECT_EQ(buttons(), "-CRF");
}

TEST_F(GameFlowTest, DealEndsTheGameWhenTheHumanOrEveryComputerIsBroke) {
    game.startup();
    game.fold();
    t.seats[kHuman].cash = 0;
    game.deal();
    EXPECT_EQ(messageTexts(), (Messages{"You lose!"}));
    EXPECT_EQ(saved("player"), 0); // the cash is saved before the test
    EXPECT_EQ(buttons(), "----");

    t.seats[kHuman].cash = 10;
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        t.seats[seat].cash = seat == kGeek ? -4 : 0;
    game.deal();
    EXPECT_EQ(messageTexts(), (Messages{"You win!"}));
    EXPECT_EQ(buttons(), "----");
}

TEST_F(GameFlowTest, AGameSavedAfterItEndedSaysSoAtStartUpAndDealsNothing) {
    for (const auto& [human, computers, message] :
         {std::tuple{0, 1200, "You lose!"}, std::tuple{INT32_MIN, 5, "You lose!"},
          std::tuple{500, 0, "You win!"}, std::tuple{1, -3, "You win!"}}) {
        view.clearLog();
        startupWith(everyoneCash(human, computers));
        EXPECT_EQ(messageTexts(), (Messages{message})) << human << " " << computers;
        EXPECT_EQ(buttons(), "----");
        EXPECT_EQ(view.cashText(kHuman), std::to_string(human));
        EXPECT_EQ(view.cashText(kRobot), std::to_string(computers));
        EXPECT_TRUE(std::ranges::none_of(
            view.log(), [](const std::string& entry) { return entry.starts_with("paint"); }));
        EXPECT_EQ(t.seats[kHuman].cash, human); // no blind was taken
        // A repaint shows no cards: none were dealt.
        for (const SeatCode seat : kTableOrder)
            EXPECT_EQ(visibleCards(t).seats[seat], SeatCards::None) << seat;
    }
    // Only a new game goes on.
    game.startNewGame("1200");
    EXPECT_EQ(buttons(), "-CRF");
}

TEST_F(GameFlowTest, TheBackgroundColourIsCarriedThroughEveryDeal) {
    startupWith({{"Background", "Color", 7}});
    game.fold();
    game.deal();
    EXPECT_EQ(settings.readInt("Background", "Color", -1), 7);
}

} // namespace
} // namespace omaha::testing
