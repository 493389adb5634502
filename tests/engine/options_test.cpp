#include "table_fixture.h"

namespace omaha::testing {
namespace {

using Messages = std::vector<std::string>;

class OptionsTest : public TableTest {
protected:
    void SetUp() override {
        game.startup();
        view.takeMessages();
    }
    std::int32_t saved(const char* section, const char* key) const {
        return game.settings().readInt(section, key, -1);
    }
};

TEST_F(OptionsTest, InitialCashFromAHundredToAMillion) {
    game.enterInitialCash("100");
    EXPECT_EQ(messageTexts(), (Messages{"New initial cash value confirmation"}));
    EXPECT_EQ(t.initialcash, 100);
    EXPECT_EQ(saved("Cash", "initial"), 100);
    game.enterInitialCash(" 1000000 ");
    EXPECT_EQ(t.initialcash, 1000000);

    game.enterInitialCash("99");
    game.enterInitialCash("1000001");
    game.enterInitialCash("lots");
    EXPECT_EQ(messageTexts(),
              (Messages{"New initial cash value confirmation", "the value is off limits",
                        "the value is off limits", "Invalid value"}));
    EXPECT_EQ(t.initialcash, 1000000);
    EXPECT_EQ(saved("Cash", "initial"), 1000000);
}

TEST_F(OptionsTest, NewInitialCashInMidHandBringsBrokeSeatsBack) {
    t.seats[kPinhead].cash = 0;
    const std::int32_t pot = t.pot;
    game.enterInitialCash("500");
    for (const SeatCode seat : kTableOrder) {
        EXPECT_EQ(t.seats[seat].cash, 500);
        EXPECT_EQ(view.cashText(seat), "500");
    }
    EXPECT_EQ(t.pot, pot);
    EXPECT_EQ(saved("Cash", "pinhead"), 1200); // cash reaches the file at the next Deal
}

TEST_F(OptionsTest, RefusedTargetKeepsTheOldOneInMemoryAndFile) {
    game.enterTarget("800");
    game.enterTarget("50");
    EXPECT_EQ(messageTexts(),
              (Messages{"New until value confirmation", "the value is off limits"}));
    EXPECT_EQ(t.untilcash, 800);
    EXPECT_EQ(saved("Cash", "until"), 800);
}

TEST_F(OptionsTest, NewGameTakesTheTypedCashWithoutRangeCheckOrSaving) {
    game.newGameCommand("50");
    EXPECT_EQ(messageTexts(), (Messages{"Are you sure?"}));
    EXPECT_EQ(t.initialcash, 50);
    EXPECT_EQ(t.seats[kHuman].cash, 50);
    EXPECT_EQ(t.seats[kExpert].cash, 49);
    EXPECT_EQ(t.seats[kRobot].cash, 48);
    EXPECT_EQ(saved("Cash", "initial"), 1200);
    EXPECT_EQ(view.status(kRobot), "big blind");
    EXPECT_EQ(view.stayCaption(), "Call");
}

TEST_F(OptionsTest, NewGameAnsweredNoChangesNothing) {
    view.answerQuestionsWith(false);
    const TableState before = t;
    game.newGameCommand("700");
    EXPECT_EQ(t.initialcash, before.initialcash);
    EXPECT_EQ(t.seats[kHuman].cash, before.seats[kHuman].cash);
    EXPECT_EQ(t.seats[kHuman].hole, before.seats[kHuman].hole);
}

TEST_F(OptionsTest, NewGameRefusesNonNumbersAndEmptyPurses) {
    EXPECT_THROW(
        {
            try {
                game.newGameCommand("12x");
            } catch (const GameError& error) {
                EXPECT_STREQ(error.what(), "'12x' is not a valid integer value");
                throw;
            }
        },
        GameError);
    game.newGameCommand("0");
    EXPECT_EQ(messageTexts(),
              (Messages{"Are you sure?", "Are you sure?", "the value is off limits"}));
    EXPECT_EQ(t.initialcash, 1200);
}

TEST_F(OptionsTest, BetLevelSetsBothBetsAndSavesThem) {
    game.changeBetLevel(3);
    EXPECT_EQ(t.smallbet, 6);
    EXPECT_EQ(t.bigbet, 12);
    EXPECT_EQ(saved("Bet", "small"), 6);
    EXPECT_EQ(saved("Bet", "big"), 12);
    game.changeBetLevel(9);
    EXPECT_EQ(t.bigbet, 20);
}

TEST_F(OptionsTest, CardBackRepaintsAtOnceAndLevelIsSaved) {
    const int paints = view.paintCount();
    game.chooseCardBack(2);
    EXPECT_EQ(t.cardback, 54);
    EXPECT_EQ(view.paintCount(), paints + 1);
    EXPECT_EQ(saved("Card", "back"), 54);

    game.chooseLevel(3);
    EXPECT_EQ(t.complevel, kGenius);
    EXPECT_EQ(saved("Levels", "comp"), 50);
}

} // namespace
} // namespace omaha::testing
