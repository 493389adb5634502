#include "ai/assess.h"
#include "ai/decision_tables.h"
#include "ai/decisions.h"
#include "core/random31.h"
#include "core/table_state.h"
#include "tests/eval/card_literals.h"

#include <array>
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

namespace omaha {
namespace {

using test::board;
using test::hole;

// Draw number `n` (from 0) of the table's source seeded with `seed`, counted with the standard
// twister: where a decision's draws must have got to.
std::int32_t standardDraw(std::uint32_t seed, unsigned long long n) {
    std::mt19937 standard(seed);
    standard.discard(n);
    return static_cast<std::int32_t>(standard() >> 1);
}

// A seed whose first draw ends in the two digits given.
std::uint32_t seedWhoseFirstDrawEndsIn(int digits) {
    std::uint32_t seed = 1;
    while (standardDraw(seed, 0) % 100 != digits)
        ++seed;
    return seed;
}

// On this river nobody can make more than a king-high straight (no pair on the board, only two
// hearts), which these cards hold: every sample is won, and the estimate reaches its top, the
// samples (the level plus one) times the weight of a sample at that level. Each sample shuffles
// with 2002 draws. A level the options do not offer runs no samples and draws nothing.
TEST(Assess, TheBestHandWinsEverySampleWithTwoThousandAndTwoDrawsEach) {
    const Hole nuts = hole("Ah Kh Qd Jc");
    const Board river = board("Th 9h 2s 5c Kd");
    for (const auto& [level, top] : {std::pair{20, 105}, {25, 104}, {33, 102}, {50, 102}}) {
        Random31 random(11);
        EXPECT_EQ(assess(nuts, river, Street::River, AiLevel(level), 0, random), top);
        EXPECT_EQ(random(), standardDraw(11, 2002ull * static_cast<unsigned>(level + 1)));
    }
    for (const std::int32_t level : {0, 7, 19, 21, 24, 26, 32, 34, 49, 51, -1, INT_MAX, INT_MIN}) {
        Random31 random(11);
        EXPECT_EQ(assess(nuts, river, Street::River, AiLevel(level), 37, random), 37);
        EXPECT_EQ(random(), standardDraw(11, 0));
    }
}

// Estimates from seed 7 at Genius of a drawing hand and of a made hand, street by street: a slip
// in any card a sample deals, or in which community cards are known, moves them.
TEST(Assess, EstimatesFromAFixedSeedOnEveryStreet) {
    const std::array cases = {
        std::pair{hole("Ah Kh Qd Jc"), std::array{54, 52, 36, 102}},
        std::pair{hole("8s 8d 7c 6h"), std::array{42, 76, 74, 90}},
    };
    const std::array boards = {board("Th 9h 2s 5c Kd"), board("8c 5d Qs 9s 2h")};
    for (std::size_t c = 0; c < cases.size(); ++c)
        for (int street = 1; street <= 4; ++street) {
            Random31 random(7);
            EXPECT_EQ(assess(cases[c].first, boards[c], Street(street), AiLevel::Genius, 0, random),
                      cases[c].second[static_cast<std::size_t>(street - 1)])
                << "hand " << c << " street " << street;
        }
}

// The chances by street and band of strength, {street, lowest, highest, chance}. The golden games
// meet only the strengths that their levels give, so every band is checked here whole.
TEST(DecisionTables, CallAndRaiseChanceForEveryStreetAndStrength) {
    using Bands = std::vector<std::array<std::int32_t, 4>>;
    // clang-format off
    const Bands calls = {
        {1, 0, 15, 0}, {1, 16, 20, 30}, {1, 21, 25, 80}, {1, 26, 105, 100},
        {2, 0, 10, 0}, {2, 11, 15, 30}, {2, 16, 20, 70}, {2, 21, 25, 90}, {2, 26, 105, 100},
        {3, 0, 10, 0}, {3, 11, 15, 60}, {3, 16, 20, 80}, {3, 21, 25, 90}, {3, 26, 105, 100},
        {4, 0, 5, 0},  {4, 6, 7, 70},   {4, 8, 10, 80},  {4, 11, 15, 90}, {4, 16, 105, 100},
        {5, 0, 105, 0}};
    const Bands raises = {
        {1, 0, 10, 0}, {1, 11, 20, 10}, {1, 21, 25, 30}, {1, 26, 105, 60},
        {2, 0, 10, 0}, {2, 11, 20, 10}, {2, 21, 25, 30}, {2, 26, 30, 40}, {2, 31, 105, 80},
        {3, 0, 10, 0}, {3, 11, 20, 5},  {3, 21, 25, 30}, {3, 26, 50, 40}, {3, 51, 105, 90},
        {4, 0, 10, 0}, {4, 11, 20, 10}, {4, 21, 25, 30}, {4, 26, 50, 40}, {4, 51, 105, 90},
        {5, 0, 105, 0}};
    // clang-format on
    for (const auto& [bands, chanceOf] : {std::pair{&calls, &callChance}, {&raises, &raiseChance}})
        for (const auto& [street, low, high, chance] : *bands)
            for (std::int32_t strength = low; strength <= high; ++strength)
                EXPECT_EQ(chanceOf(Street(street), strength), chance) << street << ' ' << strength;
}

// At a level the estimate does not know, the strength stays as the mind holds it and a decision
// is its one draw: a chance of c percent comes up on the draws whose last two digits exceed
// 100 - c, so that even a certain call fails on a draw ending in 00. A raise is the small bet on
// the first two streets and the big bet on the last two.
TEST(Decisions, OneDrawSettlesEachDecisionAtTheStreetsChance) {
    struct Case {
        Street street;
        std::int32_t strength;
        int lastDigits; // of the draw
        bool call;
        std::int32_t raise; // 0 for a check
    };
    // clang-format off
    const Case cases[] = {
        {Street::Preflop, 16, 70, false, 0}, {Street::Preflop, 16, 71, true, 0},
        {Street::Preflop, 26, 0, false, 0},  {Street::Preflop, 26, 41, true, 3},
        {Street::Flop, 10, 99, false, 0},    {Street::Flop, 31, 21, true, 3},
        {Street::Flop, 31, 20, true, 0},     {Street::Turn, 51, 11, true, 8},
        {Street::River, 5, 99, false, 0},    {Street::River, 6, 31, true, 0},
        {Street::River, 51, 10, true, 0},   {Street::River, 51, 11, true, 8}};
    // clang-format on
    TableState table;
    table.aiLevel = AiLevel{7};
    table.smallBet = 3;
    table.bigBet = 8;
    for (const Case& c : cases) {
        table.street = c.street;
        const std::uint32_t seed = seedWhoseFirstDrawEndsIn(c.lastDigits);
        OpponentMind mind{c.strength};
        table.random.seed(seed);
        EXPECT_EQ(decideCall(mind, table, kGeek), c.call) << c.strength << ' ' << c.lastDigits;
        table.random.seed(seed);
        EXPECT_EQ(decideRaise(mind, table, kGeek), c.raise) << c.strength << ' ' << c.lastDigits;
        EXPECT_EQ(table.random(), standardDraw(seed, 1));
        EXPECT_EQ(mind.strength, c.strength);
    }
}

// A decision estimates the seat's own cards with the table's level and draws once after the
// estimate; the strength it leaves stands for a later level the estimate does not know, whatever
// cards the seat then holds.
TEST(Decisions, TheLastEstimateStandsForALevelTheEstimateDoesNotKnow) {
    TableState table;
    table.street = Street::River;
    table.board = board("Th 9h 2s 5c Kd");
    table.seats[kFreak].hole = hole("Ah Kh Qd Jc");
    table.aiLevel = AiLevel::Genius;
    table.random.seed(3);
    OpponentMind mind;
    decideCall(mind, table, kFreak);
    EXPECT_EQ(mind.strength, 102);
    EXPECT_EQ(table.random(), standardDraw(3, 51 * 2002 + 1));

    table.aiLevel = AiLevel{7};
    table.seats[kFreak].hole = hole("2c 3d 4h 6s");
    const std::uint32_t seed = seedWhoseFirstDrawEndsIn(1);
    table.random.seed(seed);
    EXPECT_TRUE(decideCall(mind, table, kFreak));
    EXPECT_EQ(mind.strength, 102);
}

} // namespace
} // namespace omaha
