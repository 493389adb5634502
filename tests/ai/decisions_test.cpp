#include "ai/assess.h"
#include "ai/decision_tables.h"
#include "ai/decisions.h"
#include "engine/table_state.h"
#include "tests/ai/test_cards.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace omaha {
namespace {

using testcards::board;
using testcards::hole;

// A level only a hand-edited settings file gives: the estimate leaves the strength as it was,
// which lets a test decide on any strength it likes.
constexpr std::int32_t kEditedLevel = 7;
constexpr std::int32_t kTopStrength = 105;

// One cell of a decision table: strengths `low` to `high` on `street` give `chance`.
struct Band {
    std::int32_t street;
    std::int32_t low;
    std::int32_t high;
    std::int32_t chance;
};

// The tables as ranges of strength, the way the players' rules are written down: one street a
// line.
// clang-format off
const std::vector<Band> kCallBands = {
    {1, 0, 15, 0}, {1, 16, 20, 30}, {1, 21, 25, 80}, {1, 26, kTopStrength, 100},
    {2, 0, 10, 0}, {2, 11, 15, 30}, {2, 16, 20, 70}, {2, 21, 25, 90}, {2, 26, kTopStrength, 100},
    {3, 0, 10, 0}, {3, 11, 15, 60}, {3, 16, 20, 80}, {3, 21, 25, 90}, {3, 26, kTopStrength, 100},
    {4, 0, 5, 0},  {4, 6, 7, 70},   {4, 8, 10, 80},  {4, 11, 15, 90}, {4, 16, kTopStrength, 100},
};
const std::vector<Band> kRaiseBands = {
    {1, 0, 10, 0}, {1, 11, 20, 10}, {1, 21, 25, 30}, {1, 26, kTopStrength, 60},
    {2, 0, 10, 0}, {2, 11, 20, 10}, {2, 21, 25, 30}, {2, 26, 30, 40}, {2, 31, kTopStrength, 80},
    {3, 0, 10, 0}, {3, 11, 20, 5},  {3, 21, 25, 30}, {3, 26, 50, 40}, {3, 51, kTopStrength, 90},
    {4, 0, 10, 0}, {4, 11, 20, 10}, {4, 21, 25, 30}, {4, 26, 50, 40}, {4, 51, kTopStrength, 90},
};
// clang-format on

TEST(DecisionTables, CallChanceForEveryStreetAndStrength) {
    for (const Band& band : kCallBands) {
        for (std::int32_t strength = band.low; strength <= band.high; ++strength) {
            EXPECT_EQ(callchance(band.street, strength), band.chance)
                << "street " << band.street << " strength " << strength;
        }
    }
}

TEST(DecisionTables, RaiseChanceForEveryStreetAndStrength) {
    for (const Band& band : kRaiseBands) {
        for (std::int32_t strength = band.low; strength <= band.high; ++strength) {
            EXPECT_EQ(raisechance(band.street, strength), band.chance)
                << "street " << band.street << " strength " << strength;
        }
    }
}

TEST(DecisionTables, RandomTestSucceedsOneTimeInHundredLessThanTheChance) {
    // Every residue once, at the bottom and at the top of the draws' range.
    for (std::int32_t first : {0, 2147483548}) {
        for (std::int32_t chance = 0; chance <= 100; ++chance) {
            int successes = 0;
            for (std::int32_t residue = 0; residue < 100; ++residue) {
                successes += randomtest(chance, first + residue) ? 1 : 0;
            }
            EXPECT_EQ(successes, chance == 0 ? 0 : chance - 1) << "chance " << chance;
        }
    }
}

TableState tablewith(std::int32_t level, std::int32_t street) {
    TableState table;
    table.complevel = level;
    table.street = street;
    table.smallbet = 3;
    table.bigbet = 8;
    table.board = board("Th 9h 2s 5c Kd");
    table.seats[kFreak].hole = hole("Ah Kh Qd Jc");
    table.seats[kPinhead].hole = hole("8s 8d 7c 6h");
    table.seats[kRobot].hole = hole("3c 4d Js Qh");
    table.random.seed(11);
    return table;
}

TEST(Decisions, StrengthZeroNeverRaisesAndAlwaysFolds) {
    for (std::int32_t street = 1; street <= 4; ++street) {
        TableState table = tablewith(kEditedLevel, street);
        OpponentMind mind;
        for (int decision = 0; decision < 500; ++decision) {
            mind.strength = 0;
            mind.willcall = true;
            EXPECT_FALSE(decidecall(mind, table, kPinhead));
            EXPECT_FALSE(mind.willcall);
            EXPECT_EQ(decideraise(mind, table, kPinhead), 0);
        }
    }
}

TEST(Decisions, RaiseIsTheSmallBetOnTheFirstTwoStreetsAndTheBigBetAfter) {
    for (std::int32_t street = 1; street <= 4; ++street) {
        TableState table = tablewith(kEditedLevel, street);
        OpponentMind mind;
        mind.strength = kTopStrength;
        const std::int32_t bet = street <= 2 ? table.smallbet : table.bigbet;
        int raises = 0;
        for (int decision = 0; decision < 200; ++decision) {
            const std::int32_t raiseby = decideraise(mind, table, kFreak);
            EXPECT_TRUE(raiseby == 0 || raiseby == bet) << "street " << street;
            raises += raiseby == bet ? 1 : 0;
        }
        EXPECT_GT(raises, 100) << "street " << street;
    }
}

TEST(Decisions, UnknownLevelDecidesOnTheStrengthItHadWithOneDraw) {
    for (std::int32_t street = 1; street <= 4; ++street) {
        TableState table = tablewith(kEditedLevel, street);
        OpponentMind mind;
        for (std::int32_t strength = 0; strength <= kTopStrength; ++strength) {
            mind.strength = strength;
            Random31 expected = table.random;
            const bool calls = decidecall(mind, table, kRobot);
            EXPECT_EQ(mind.strength, strength);
            EXPECT_EQ(calls, randomtest(callchance(street, strength), expected()));

            Random31 raising = table.random;
            const std::int32_t raiseby = decideraise(mind, table, kRobot);
            EXPECT_EQ(raiseby != 0, randomtest(raisechance(street, strength), raising()));
            EXPECT_EQ(table.random(), raising());
        }
    }
}

TEST(Decisions, DecideOnAFreshEstimateOfTheSeatsCardsThenOneDraw) {
    for (std::int32_t street = 1; street <= 4; ++street) {
        TableState table = tablewith(kAmateur, street);
        OpponentMind mind;
        for (int decision = 0; decision < 10; ++decision) {
            Random31 expected = table.random;
            const std::int32_t strength =
                assess(table.seats[kPinhead].hole, table.board, street, kAmateur, 0, expected);
            const bool calls = randomtest(callchance(street, strength), expected());

            EXPECT_EQ(decidecall(mind, table, kPinhead), calls);
            EXPECT_EQ(mind.willcall, calls);
            EXPECT_EQ(mind.workhand, table.seats[kPinhead].hole);
            EXPECT_EQ(mind.strength, strength);
            EXPECT_EQ(mind.chance, callchance(street, strength));
            EXPECT_EQ(table.random(), expected());

            const std::int32_t raisestrength =
                assess(table.seats[kFreak].hole, table.board, street, kAmateur, 0, expected);
            const bool raises = randomtest(raisechance(street, raisestrength), expected());

            EXPECT_EQ(decideraise(mind, table, kFreak) != 0, raises);
            EXPECT_EQ(mind.workhand, table.seats[kFreak].hole);
            EXPECT_EQ(mind.strength, raisestrength);
            EXPECT_EQ(mind.chance, raisechance(street, raisestrength));
            EXPECT_EQ(table.random(), expected());
        }
    }
}

} // namespace
} // namespace omaha
