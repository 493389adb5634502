#include "table_fixture.h"

namespace omaha::testing {
namespace {

using Messages = std::vector<std::string>;

class NewGameTest : public TableTest {
protected:
    void SetUp() override {
        game.startup();
        view.takeMessages();
    }
};

TEST_F(NewGameTest, TakesTheTypedCashWithoutRangeCheckOrSaving) {
    game.newGameCommand("50");
    EXPECT_EQ(messageTexts(), (Messages{"Are you sure?"}));
    EXPECT_EQ(t.initialcash, 50);
    EXPECT_EQ(t.seats[kHuman].cash, 50);
    EXPECT_EQ(t.seats[kExpert].cash, 49);
    EXPECT_EQ(t.seats[kRobot].cash, 48);
    EXPECT_EQ(game.settings().readInt("Cash", "initial", -1), 1200);
    EXPECT_EQ(view.status(kRobot), "big blind");
}

TEST_F(NewGameTest, AnsweredNoChangesNothing) {
    view.answerQuestionsWith(false);
    const TableState before = t;
    game.newGameCommand("700");
    EXPECT_EQ(t.initialcash, before.initialcash);
    EXPECT_EQ(t.seats[kHuman].hole, before.seats[kHuman].hole);
}

TEST_F(NewGameTest, RefusesNonNumbersAndEmptyPurses) {
    try {
        game.newGameCommand("12x");
        ADD_FAILURE() << "a word was taken for a number";
    } catch (const GameError& error) {
        EXPECT_STREQ(error.what(), "'12x' is not a valid integer value");
    }
    game.newGameCommand("0");
    EXPECT_EQ(messageTexts(),
              (Messages{"Are you sure?", "Are you sure?", "the value is off limits"}));
    EXPECT_EQ(t.initialcash, 1200);
}

TEST_F(NewGameTest, NewInitialCashInMidHandBringsBrokeSeatsBack) {
    t.seats[kPinhead].cash = 0;
    const std::int32_t pot = t.pot;
    game.enterInitialCash("500");
    for (const SeatCode seat : kTableOrder)
        EXPECT_EQ(view.cashText(seat), "500");
    EXPECT_EQ(t.pot, pot);
    EXPECT_EQ(game.settings().readInt("Cash", "pinhead", -1), 1200); // saved at the next Deal
}

} // namespace
} // namespace omaha::testing
