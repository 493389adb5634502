#include "core/seat_facts.h"
#include "game_position.h"

#include <fstream>
#include <random>

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
    std::int32_t saved(const char* key) const { return game.settings().readInt("Cash", key, -1); }
};

TEST_F(GameFlowTest, DealSavesTheCashBeforeTheBlindsAndMovesThemOn) {
    game.startup();
    game.fold();
    const std::int32_t expertBefore = t.seats[kExpert].cash;
    game.deal();
    EXPECT_EQ(saved("expert"), expertBefore);
    EXPECT_EQ(game.settings().readInt("Background", "Color", -1), 0);
    EXPECT_EQ(t.blindmarker, kHuman);
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

TEST_F(GameFlowTest, HandCanBeWonByFoldsDuringTheDeal) {
    game.startup();
    game.fold();
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        script.folds[seat] = true;
    game.deal(); // the human has the big blind; everyone else folds to it
    EXPECT_EQ(view.result(), "you win    ");
    EXPECT_EQ(t.outcount, 7);
    EXPECT_EQ(buttons(), "D---");
    EXPECT_EQ(saved("player"), t.seats[kHuman].cash);
}

TEST_F(GameFlowTest, StartUpAfterALostGameEndsAndTheNextDealSaysSo) {
    startupWith(everyoneCash(0, 0));
    EXPECT_EQ(t.outcount, 8);
    game.fold();
    game.deal();
    EXPECT_EQ(messageTexts(), (Messages{"You lose!"}));

    startupWith(everyoneCash(500, 0));
    game.fold();
    game.deal();
    EXPECT_EQ(messageTexts(), (Messages{"You win!"}));
}

// Plays many hands with opponents that decide at random and a human who presses at random, and
// checks that no chip is made or lost inside a hand and that every hand comes to an end.
void playManyHands(Game& game, RecordingView& view, std::uint32_t seed, int hands) {
    TableState& t = GamePosition::table(game);
    std::mt19937 dice(seed);
    int handsPlayed = 0;
    auto chips = [&t] {
        std::int64_t sum = 0;
        for (const Seat& seat : t.seats)
            sum += seat.cash;
        return sum;
    };
    while (handsPlayed < hands) {
        if (!view.enabled(TableButton::Deal) && !view.enabled(TableButton::Stay)) {
            game.startNewGame(std::to_string(100 + dice() % 400));
        } else if (view.enabled(TableButton::Deal)) {
            game.deal();
        }
        if (!view.enabled(TableButton::Stay))
            continue;
        ++handsPlayed;
        const std::int64_t total = chips() + t.pot;
        int presses = 0;
        while (view.enabled(TableButton::Stay)) {
            ASSERT_LT(++presses, 1000) << "hand " << handsPlayed << " never ends";
            ASSERT_EQ(chips() + t.pot, total) << "hand " << handsPlayed;
            const auto roll = dice() % 10;
            if (roll < 6)
                game.check();
            else if (roll < 9 && view.enabled(TableButton::Raise))
                game.raise();
            else if (roll == 9)
                game.fold();
        }
        // The pot has gone to the winners; a split loses at most the odd chips.
        ASSERT_LE(chips(), total) << "hand " << handsPlayed;
        ASSERT_GE(chips(), total - 7) << "hand " << handsPlayed;
    }
}

class RandomOpponents final : public Opponents {
public:
    explicit RandomOpponents(std::uint32_t seed) : dice_(seed) {}
    bool callsBet(TableState&, SeatCode) override { return dice_() % 5 != 0; }
    std::int32_t raiseInTurn(TableState& table, SeatCode) override {
        if (dice_() % 4 != 0)
            return 0;
        return betsSmall(table.street) ? table.smallbet : table.bigbet;
    }

private:
    std::mt19937 dice_;
};

TEST_F(GameFlowTest, ChipsAreKeptWithinEveryHandAndEveryHandEnds) {
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        RandomOpponents opponents(seed);
        Game randomGame{view, settings, opponents, [] { return 7u; }};
        startupWith(everyoneCash(300, 300));
        settings.writeInts({{"Cash", "initial", 300},
                            {"Cash", "until", 300},
                            {"Bet", "small", static_cast<std::int32_t>(2 * seed)},
                            {"Bet", "big", static_cast<std::int32_t>(4 * seed)}});
        randomGame.startup();
        playManyHands(randomGame, view, seed, 300);
    }
}

} // namespace
} // namespace omaha::testing
