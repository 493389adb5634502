// What the golden games cannot see or reach: the cash that a deal and a hand won by folds save, a
// game saved after it ended, a raise with a chip or less, which omaha-sim's script never presses,
// and a seat that ends a hand exactly on the target.
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

// The cash as it was before the blinds, and the background colour as it was read.
TEST_F(GameFlowTest, DealSavesTheCashBeforeTheBlindsAndTheBackgroundColour) {
    settings.values[{"Background", "Color"}] = 7;
    game.startup();
    game.fold();
    const std::int32_t expertBefore = t.seats[kExpert].cash;
    game.deal();
    EXPECT_EQ(saved("expert"), expertBefore);
    EXPECT_EQ(t.seats[kHuman].cash, saved("player") - 2); // the human's big blind
    EXPECT_EQ(settings.readInt("Background", "Color", -1), 7);
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

TEST_F(GameFlowTest, RaiseIsIgnoredWithOneChipLeft) {
    // clang-format off
    startFrom("street:flop pot:40 out:0 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    view.colourStatus(kGeek, StatusColour::Yellow);
    game.raise();
    EXPECT_EQ(t.seats[kHuman].cash, 1);
    EXPECT_EQ(t.pot, 40);
    EXPECT_FALSE(view.yellow(kGeek));
    EXPECT_EQ(script.turns, 0);
}

// On the river of 2c 7d 9h Js Kc the human and Freak hold one pair of aces each.
TEST_F(GameFlowTest, EverySeatAtOrPastTheTargetGetsItsOwnBoxInTableOrder) {
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

TEST_F(GameFlowTest, WinByFoldsPaysTheHumanAndSavesTheCash) {
    // Pinhead went broke at the deal, Geek has folded; the rest fold to the human's bet.
    // clang-format off
    startFrom("street:flop pot:40 out:2 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:folded master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:0:2d3s4c5s:in expert:1200:7c7h8h9c:in robot:1200:TcTdThJc:in");
    // clang-format on
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        script.folds[seat] = true;
    game.raise();
    EXPECT_EQ(settings.readInt("Cash", "player", 0), 1240);
    EXPECT_EQ(settings.readInt("Cash", "pinhead", 1200), 0);
    EXPECT_TRUE(messageTexts().empty());

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
