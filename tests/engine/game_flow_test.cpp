#include "core/seat_facts.h"
#include "engine/visible_cards.h"
#include "table_test.h"

namespace omaha::testing {
namespace {

class GameFlowTest : public TableTest {
protected:
    // Starts up from a settings file holding the human's cash and every computer player's.
    void startupWith(std::int32_t human, std::int32_t computers) {
        settings.values.clear();
        for (const SeatCode seat : kCashKeyOrder)
            settings.values[{"Cash", std::string(seatFacts(seat).cashKey)}] =
                seat == kHuman ? human : computers;
        game.startup();
    }
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

TEST_F(GameFlowTest, AGameSavedAfterItEndedSaysSoAtStartUpAndDealsNothing) {
    for (const auto& [human, computers, message] :
         {std::tuple{0, 1200, "You lose!"}, std::tuple{INT32_MIN, 5, "You lose!"},
          std::tuple{500, 0, "You win!"}, std::tuple{1, -3, "You win!"}}) {
        startupWith(human, computers);
        EXPECT_EQ(messageTexts(), (Texts{message})) << human << " " << computers;
        EXPECT_EQ(buttons(), "----");
        EXPECT_EQ(lastLogged("cash 8 "), "cash 8 " + std::to_string(human));
        EXPECT_EQ(lastLogged("cash 1 "), "cash 1 " + std::to_string(computers));
        EXPECT_EQ(t.seats[kHuman].cash, human); // no blind was taken
        // No cards show, and a repaint shows none either: none were dealt.
        EXPECT_EQ(lastLogged("paint"), "");
        for (const SeatCode seat : kTableOrder)
            EXPECT_EQ(visibleCards(t).seats[seat], SeatCards::None) << seat;
    }
    // Only a new game goes on.
    game.startNewGame("1200");
    EXPECT_EQ(buttons(), "-CRF");
}

TEST_F(GameFlowTest, TheBackgroundColourIsCarriedThroughEveryDeal) {
    settings.values[{"Background", "Color"}] = 7;
    game.startup();
    game.fold();
    game.deal();
    EXPECT_EQ(settings.readInt("Background", "Color", -1), 7);
}

} // namespace
} // namespace omaha::testing
