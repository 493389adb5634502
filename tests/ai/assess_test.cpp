#include "ai/assess.h"
#include "core/random31.h"
#include "eval/omaha_hand.h"
#include "tests/eval/card_literals.h"

#include <array>
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <utility>

namespace omaha {
namespace {

using test::board;
using test::hole;

// Each level with what one won sample is worth there; every sample won gives (level + 1) * that.
constexpr std::array<std::pair<std::int32_t, std::int32_t>, 4> kLevels = {
    {{20, 5}, {25, 4}, {33, 3}, {50, 2}}};

// The estimate written out plainly from the rules of the game, with none of the care for speed
// the real one takes; the two must agree to the last sample.
std::int32_t plainAssess(const Hole& hand, const Board& real, std::int32_t street,
                         std::int32_t level, std::int32_t scale, Random31& random) {
    Deck deck{};
    for (int p = 0; p < 52; ++p)
        deck[p] = Card::fromIndex(p);
    int won = 0;
    for (int sample = 0; sample <= level; ++sample) {
        for (int t = 0; t < 1001; ++t) {
            const int i = random() % 52;
            std::swap(deck[i], deck[random() % 52]);
        }
        // The player's unseen cards come from the end of the deck; pre-flop only the flop is.
        Board mine = real;
        if (street == 1)
            mine = {deck[48], deck[49], deck[50], real[3], real[4]};
        if (street == 2)
            mine = {real[0], real[1], real[2], deck[50], deck[51]};
        if (street == 3)
            mine[4] = deck[51];
        const int own = besthand(hand, mine).category;
        // Six opponents of seven cards each, sharing the community cards already shown.
        const int shown = street == 1 ? 0 : street + 1;
        bool beatsAll = true;
        for (int o = 0; o < 42; o += 7) {
            Board theirs = {deck[o + 2], deck[o + 3], deck[o + 4], deck[o + 5], deck[o + 6]};
            for (int k = 0; k < shown; ++k)
                theirs[k] = real[k];
            beatsAll = beatsAll && own >= bestpair(deck[o], deck[o + 1], theirs).category;
        }
        won += beatsAll ? 1 : 0;
    }
    return won * scale;
}

// A drawing hand and a made hand: between them every street gives results that are neither 0
// nor the maximum, so that a slip in any deck position or replaced card shows.
TEST(Assess, MatchesThePlainSimulationAndReplaysItsSeed) {
    for (const auto& [hand, cards] : {std::pair{hole("Ah Kh Qd Jc"), board("Th 9h 2s 5c Kd")},
                                      std::pair{hole("8s 8d 7c 6h"), board("8c 5d Qs 9s 2h")}})
        for (std::int32_t street = 1; street <= 4; ++street)
            for (const auto& [level, scale] : kLevels) {
                Random31 random(7), again(7), plain(7), counted(7);
                const std::int32_t strength =
                    assess(hand, cards, Street(street), AiLevel(level), -1, random);
                EXPECT_EQ(strength, plainAssess(hand, cards, street, level, scale, plain))
                    << "street " << street << " level " << level;
                EXPECT_EQ(assess(hand, cards, Street(street), AiLevel(level), -1, again), strength);
                // Two draws for each of the 1001 transpositions of each sample.
                for (long k = 0; k < (level + 1L) * 1001 * 2; ++k)
                    counted();
                EXPECT_EQ(random(), counted());
            }
}

TEST(Assess, FourAcesOnTheRiverReachTheLevelMaximum) {
    // Nothing beats four aces here: the board cannot make a straight flush, and an opponent with
    // two aces ties, which the player wins.
    for (const auto& [level, scale] : kLevels)
        for (std::uint32_t seed : {1u, 31337u}) {
            Random31 random(seed);
            EXPECT_EQ(assess(hole("Ac Ad 9s 4h"), board("Ah As Kd 7c 2h"), Street::River,
                             AiLevel(level), 0, random),
                      (level + 1) * scale);
        }
}

TEST(Assess, PreflopPlaysTheRealTurnAndRiverButSimulatesTheFlop) {
    const auto preflop = [](const Board& cards) {
        Random31 random(77);
        return assess(hole("Ac Ad Kc Kd"), cards, Street::Preflop, AiLevel::Genius, 0, random);
    };
    // Aces on the turn and river give four aces whatever the flop; blanks leave a mere pair.
    const std::int32_t aces = preflop(board("5h 6h 9c Ah As"));
    const std::int32_t blanks = preflop(board("5h 6h 9c 7s 2h"));
    EXPECT_GE(aces, 90);
    EXPECT_LT(blanks, aces - 30);
    // The real flop is not yet seen, so it must not count.
    EXPECT_EQ(preflop(board("Kh Ks Qs Ah As")), aces);
    EXPECT_EQ(preflop(board("2c 3d 4s 7s 2h")), blanks);
}

TEST(Assess, UnknownLevelKeepsThePreviousStrengthAndDrawsNothing) {
    for (std::int32_t level : {0, 19, 21, 24, 26, 32, 34, 49, 51, -1, INT_MAX, INT_MIN})
        for (std::int32_t street = 1; street <= 4; ++street) {
            Random31 random(3);
            EXPECT_EQ(assess(hole("Ah Kh Qd Jc"), board("Th 9h 2s 5c Kd"), Street(street),
                             AiLevel(level), 37, random),
                      37)
                << "level " << level;
            EXPECT_EQ(random(), Random31(3)());
        }
}

} // namespace
} // namespace omaha
