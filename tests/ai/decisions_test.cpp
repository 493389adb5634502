#include "ai/assess.h"
#include "ai/decision_tables.h"
#include "ai/decisions.h"
#include "core/table_state.h"
#include "tests/eval/card_literals.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace omaha {
namespace {

// A level only a hand-edited settings file gives: the estimate leaves the strength as it was,
// which lets a test decide on any strength it likes.
constexpr AiLevel kEditedLevel{7};

// Bands of {street, lowest strength, highest strength, chance}, as the players' rules set them out.
using Bands = std::vector<std::array<std::int32_t, 4>>;
// clang-format off
const Bands kCallBands = {
    {1, 0, 15, 0}, {1, 16, 20, 30}, {1, 21, 25, 80}, {1, 26, 105, 100},
    {2, 0, 10, 0}, {2, 11, 15, 30}, {2, 16, 20, 70}, {2, 21, 25, 90}, {2, 26, 105, 100},
    {3, 0, 10, 0}, {3, 11, 15, 60}, {3, 16, 20, 80}, {3, 21, 25, 90}, {3, 26, 105, 100},
    {4, 0, 5, 0},  {4, 6, 7, 70},   {4, 8, 10, 80},  {4, 11, 15, 90}, {4, 16, 105, 100}};
const Bands kRaiseBands = {
    {1, 0, 10, 0}, {1, 11, 20, 10}, {1, 21, 25, 30}, {1, 26, 105, 60},
    {2, 0, 10, 0}, {2, 11, 20, 10}, {2, 21, 25, 30}, {2, 26, 30, 40}, {2, 31, 105, 80},
    {3, 0, 10, 0}, {3, 11, 20, 5},  {3, 21, 25, 30}, {3, 26, 50, 40}, {3, 51, 105, 90},
    {4, 0, 10, 0}, {4, 11, 20, 10}, {4, 21, 25, 30}, {4, 26, 50, 40}, {4, 51, 105, 90}};
// clang-format on

TEST(DecisionTables, CallAndRaiseChanceForEveryStreetAndStrength) {
    for (const auto& [bands, chanceOf] :
         {std::pair{&kCallBands, &callchance}, std::pair{&kRaiseBands, &raisechance}})
        for (const auto& [street, low, high, chance] : *bands)
            for (std::int32_t strength = low; strength <= high; ++strength)
                EXPECT_EQ(chanceOf(Street(street), strength), chance) << street << " " << strength;
}

TEST(DecisionTables, RandomTestSucceedsOneTimeInHundredLessThanTheChance) {
    // Every residue once, at the bottom and at the top of the draws' range.
    for (std::int32_t first : {0, 2147483548})
        for (std::int32_t chance = 0; chance <= 100; ++chance) {
            int successes = 0;
            for (std::int32_t residue = 0; residue < 100; ++residue)
                successes += randomtest(chance, first + residue) ? 1 : 0;
            EXPECT_EQ(successes, chance == 0 ? 0 : chance - 1) << "chance " << chance;
        }
}

TableState tableAt(AiLevel level, Street street) {
    TableState table;
    table.complevel = level;
    table.street = street;
    table.smallbet = 3;
    table.bigbet = 8;
    table.board = test::board("Th 9h 2s 5c Kd");
    table.seats[kFreak].hole = test::hole("Ah Kh Qd Jc");
    table.seats[kPinhead].hole = test::hole("8s 8d 7c 6h");
    table.random.seed(11);
    return table;
}

// Strength 0 always folds and the top strength raises by the street's bet; any other decision
// estimates the seat's own cards afresh, then settles the matter with one more draw.
TEST(Decisions, FoldOrRaiseByTheStreetsBetOnAFreshEstimateThenOneDraw) {
    for (const Street street : {Street::Preflop, Street::Flop, Street::Turn, Street::River}) {
        TableState edited = tableAt(kEditedLevel, street);
        OpponentMind mind;
        const std::int32_t bet = betsSmall(street) ? edited.smallbet : edited.bigbet;
        int raises = 0;
        for (int decision = 0; decision < 200; ++decision) {
            mind.strength = 0;
            mind.willcall = true;
            EXPECT_FALSE(decidecall(mind, edited, kPinhead));
            EXPECT_FALSE(mind.willcall);
            EXPECT_EQ(decideraise(mind, edited, kPinhead), 0);
            mind.strength = 105;
            const std::int32_t raiseby = decideraise(mind, edited, kFreak);
            EXPECT_TRUE(raiseby == 0 || raiseby == bet) << "street " << streetNumber(street);
            raises += raiseby == bet ? 1 : 0;
        }
        EXPECT_GT(raises, 100) << "street " << streetNumber(street);
        TableState table = tableAt(AiLevel::Amateur, street);
        for (SeatCode seat : {kPinhead, kFreak})
            for (bool raising : {false, true}) {
                Random31 expected = table.random;
                const Hole& hand = table.seats[seat].hole;
                const std::int32_t strength =
                    assess(hand, table.board, street, AiLevel::Amateur, 0, expected);
                const std::int32_t chance =
                    raising ? raisechance(street, strength) : callchance(street, strength);
                const bool yes = randomtest(chance, expected());
                EXPECT_EQ(raising ? decideraise(mind, table, seat) != 0
                                  : decidecall(mind, table, seat) && mind.willcall,
                          yes);
                EXPECT_EQ(mind.workhand, hand);
                EXPECT_EQ(mind.strength, strength);
                EXPECT_EQ(mind.chance, chance);
                EXPECT_EQ(table.random(), expected());
            }
    }
}

} // namespace
} // namespace omaha
