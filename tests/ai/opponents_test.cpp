#include "ai/assess.h"
#include "ai/decisions.h"
#include "core/random31.h"
#include "core/table_state.h"
#include "tests/eval/card_literals.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>

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

// A decision estimates the seat's own cards with the table's level and draws once after the
// estimate; the strength it leaves stands for a later level the estimate does not know, whatever
// cards the seat then holds: even the largest level a hand-edited settings file can give, which
// must not run samples for ever.
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

    table.aiLevel = AiLevel{INT_MAX};
    table.seats[kFreak].hole = hole("2c 3d 4h 6s");
    const std::uint32_t seed = seedWhoseFirstDrawEndsIn(1);
    table.random.seed(seed);
    EXPECT_TRUE(decideCall(mind, table, kFreak));
    EXPECT_EQ(mind.strength, 102);
}

} // namespace
} // namespace omaha
