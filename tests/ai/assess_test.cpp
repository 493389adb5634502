#include "ai/assess.h"
#include "engine/random31.h"
#include "eval/omaha_hand.h"
#include "tests/ai/test_cards.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <utility>
#include <vector>

namespace omaha {
namespace {

using testcards::board;
using testcards::hole;

constexpr std::array<std::int32_t, 4> kLevels = {20, 25, 33, 50};

// What one won sample is worth at each level.
std::int32_t levelscale(std::int32_t level) {
    return level == 20 ? 5 : level == 25 ? 4 : level == 33 ? 3 : 2;
}

// The most a level can score: every sample won.
std::int32_t levelmaximum(std::int32_t level) {
    return (level + 1) * levelscale(level);
}

// A fresh source that has already made `draws` draws.
Random31 afterdraws(std::uint32_t seed, long draws) {
    Random31 random(seed);
    for (long k = 0; k < draws; ++k) {
        random();
    }
    return random;
}

// Two sources are in the same state when they go on with the same draws.
void expectsamestate(Random31 actual, Random31 expected) {
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(actual(), expected());
    }
}

// The estimate written out plainly, straight from the rules of the game, with none of the care
// for speed the real one takes; the two must agree to the last sample.
std::int32_t plainassess(const Hole& hand, const Board& real, std::int32_t street,
                         std::int32_t level, Random31& random) {
    std::vector<Card> deck;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            deck.push_back(Card{suit, rank});
        }
    }
    int won = 0;
    for (int sample = 0; sample < level + 1; ++sample) {
        for (int t = 0; t < 1001; ++t) {
            const int i = random() % 52;
            const int j = random() % 52;
            std::swap(deck.at(i), deck.at(j));
        }
        Board mine = real;
        if (street == 1) {
            mine = {deck.at(48), deck.at(49), deck.at(50), real[3], real[4]};
        } else if (street == 2) {
            mine = {real[0], real[1], real[2], deck.at(50), deck.at(51)};
        } else if (street == 3) {
            mine = {real[0], real[1], real[2], real[3], deck.at(51)};
        }
        const int own = besthand(hand, mine).category;
        const int shown = street == 1 ? 0 : street == 2 ? 3 : street == 3 ? 4 : 5;
        int beaten = 0;
        for (int o : {0, 7, 14, 21, 28, 35}) {
            Board theirs = {deck.at(o + 2), deck.at(o + 3), deck.at(o + 4), deck.at(o + 5),
                            deck.at(o + 6)};
            for (int k = 0; k < shown; ++k) {
                theirs.at(k) = real.at(k);
            }
            if (own >= bestpair(deck.at(o), deck.at(o + 1), theirs).category) {
                ++beaten;
            }
        }
        if (beaten == 6) {
            ++won;
        }
    }
    return won * levelscale(level);
}

TEST(Assess, MatchesThePlainSimulationAtEveryStreetAndLevel) {
    struct Position {
        Hole hand;
        Board cards;
    };
    // A drawing hand and a made hand: between them every street gives results that are neither 0
    // nor the maximum, so that a slip in any deck position or replaced card shows.
    const std::array<Position, 2> positions = {
        Position{hole("Ah Kh Qd Jc"), board("Th 9h 2s 5c Kd")},
        Position{hole("8s 8d 7c 6h"), board("8c 5d Qs 9s 2h")},
    };
    for (const Position& position : positions) {
        for (std::int32_t street = 1; street <= 4; ++street) {
            for (std::int32_t level : kLevels) {
                for (std::uint32_t seed : {7u, 2024u}) {
                    Random31 random(seed);
                    Random31 plain(seed);
                    EXPECT_EQ(assess(position.hand, position.cards, street, level, -1, random),
                              plainassess(position.hand, position.cards, street, level, plain))
                        << "street " << street << " level " << level << " seed " << seed;
                    expectsamestate(random, plain);
                }
            }
        }
    }
}

TEST(Assess, SameSeedGivesSameStrengthAfterTwoDrawsPerTransposition) {
    const Hole hand = hole("Ah Kh Qd Jc");
    const Board cards = board("Th 9h 2s 5c Kd");
    for (std::int32_t level : kLevels) {
        Random31 first(99);
        Random31 second(99);
        const std::int32_t strength = assess(hand, cards, 2, level, 0, first);
        EXPECT_EQ(assess(hand, cards, 2, level, 0, second), strength) << "level " << level;
        EXPECT_GE(strength, 0);
        EXPECT_LE(strength, levelmaximum(level));
        expectsamestate(first, afterdraws(99, (level + 1L) * 1001L * 2L));
    }
}

TEST(Assess, FourAcesOnTheRiverReachTheLevelMaximum) {
    // Nothing beats four aces here: the board cannot make a straight flush, and an opponent with
    // two aces ties, which the player wins.
    const Hole hand = hole("Ac Ad 9s 4h");
    const Board cards = board("Ah As Kd 7c 2h");
    for (std::int32_t level : kLevels) {
        for (std::uint32_t seed : {1u, 5u, 31337u}) {
            Random31 random(seed);
            EXPECT_EQ(assess(hand, cards, 4, level, 0, random), levelmaximum(level))
                << "level " << level << " seed " << seed;
        }
    }
}

TEST(Assess, FourTwosOnTheRiverLoseExactlyTheSamplesWithTwoKingsAgainst) {
    // With two kings on the board, only an opponent dealt two kings makes better four of a kind.
    // Replaying the shuffle alone tells which samples those are.
    const Hole hand = hole("2c 2d 9s 4h");
    const Board cards = board("2h 2s Kd Kc 7h");
    int lost = 0;
    for (std::int32_t level : kLevels) {
        for (std::uint32_t seed : {1u, 2u, 3u}) {
            Random31 replay(seed);
            Deck deck{};
            for (int p = 0; p < 52; ++p) {
                deck[static_cast<std::size_t>(p)] = Card::fromIndex(p);
            }
            int won = 0;
            for (int sample = 0; sample <= level; ++sample) {
                for (int t = 0; t < 1001; ++t) {
                    const auto i = static_cast<std::size_t>(replay() % 52);
                    const auto j = static_cast<std::size_t>(replay() % 52);
                    std::swap(deck[i], deck[j]);
                }
                bool kings = false;
                for (std::size_t o = 0; o <= 35; o += 7) {
                    kings = kings || (deck[o].rank == 11 && deck[o + 1].rank == 11);
                }
                won += kings ? 0 : 1;
                lost += kings ? 1 : 0;
            }
            Random31 random(seed);
            EXPECT_EQ(assess(hand, cards, 4, level, 0, random), won * levelscale(level))
                << "level " << level << " seed " << seed;
        }
    }
    EXPECT_GT(lost, 0) << "no sample dealt two kings; choose other seeds";
}

TEST(Assess, PreflopPlaysTheRealTurnAndRiverButSimulatesTheFlop) {
    const Hole hand = hole("Ac Ad Kc Kd");
    const auto preflop = [&](const Board& cards) {
        Random31 random(77);
        return assess(hand, cards, 1, 50, 0, random);
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
    const Hole hand = hole("Ah Kh Qd Jc");
    const Board cards = board("Th 9h 2s 5c Kd");
    constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
    for (std::int32_t level : {0, 1, 19, 21, 24, 26, 32, 34, 49, 51, 100, -1, kMost, kLeast}) {
        for (std::int32_t street = 1; street <= 4; ++street) {
            Random31 random(3);
            EXPECT_EQ(assess(hand, cards, street, level, 37, random), 37) << "level " << level;
            expectsamestate(random, Random31(3));
        }
    }
}

} // namespace
} // namespace omaha
