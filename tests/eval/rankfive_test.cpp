#include "card_literals.h"
#include "eval/hand_rank.h"
#include "reference_rules.h"

#include <algorithm>
#include <array>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace omaha {
namespace {

using test::board;
using testing::PrintToString;

TEST(Rankfive, WorkedValuesOfEachClass) {
    // A pair of twos is chosen over the threes among one player's hands but loses the showdown.
    const HandRank twos = rankfive(board("2c 2d Ah Ks Qc"));
    const HandRank threes = rankfive(board("3c 3d 6h 4s 2c"));
    EXPECT_EQ(twos, (HandRank{100, 103}));
    EXPECT_EQ(threes, (HandRank{101, 26}));
    EXPECT_EQ(std::tuple(twos.selectionScore(), threes.selectionScore(), twos.showdownValue(),
                         threes.showdownValue()),
              std::tuple(4103, 4066, 14103, 14166));
    EXPECT_EQ(rankfive(board("Ah 2c 3d 4s 5h")), (HandRank{403, 0}));
    EXPECT_EQ(rankfive(board("Ah Kc Qd Js Th")), (HandRank{412, 0}));
    // The ace plays low only below the two; there is no wrap-around.
    EXPECT_EQ(rankfive(board("Qh Kd Ac 2s 3c")), (HandRank{12, 65}));
    EXPECT_EQ(rankfive(board("5h 4h 3h 2h Ah")), (HandRank{1000, 0}));
    EXPECT_EQ(rankfive(board("2h 3h 4h 5h As")), (HandRank{403, 0}));
    // A flush's kicker adds up the other four ranks, so ace-queen can beat ace-king.
    EXPECT_EQ(rankfive(board("Ah Qh Jh 6h 5h")), (HandRank{462, 116}));
    EXPECT_EQ(rankfive(board("Ad Kd 4d 3d 2d")), (HandRank{462, 104}));
    EXPECT_EQ(rankfive(board("7c 5c 4c 3c 2c")), (HandRank{455, 96}));
    // Repeated cards of one suit are a flush first; five of a rank in mixed suits is four.
    EXPECT_EQ(rankfive(board("Ah Ah Ah Ah Kh")), (HandRank{462, 137}));
    EXPECT_EQ(rankfive(board("7s 7d 7h 7c 7c")), (HandRank{805, 0}));
    // Only the cards each class counts make the kicker.
    EXPECT_EQ(rankfive(board("Kc 4s Kd 4c Kh")), (HandRank{511, 10}));
    EXPECT_EQ(rankfive(board("8c Kd 8h 5s 3d")), (HandRank{106, 5 * 11 + 3 * 3 + 1}));
    EXPECT_EQ(rankfive(board("Ah 9c 7d 6s 5h")), (HandRank{12, 40}));
}

// Every ordered choice of five ranks, repeats allowed, in one suit and in two alternating suits:
// this covers every value the evaluator can give, in every order.
TEST(Rankfive, AgreesWithTheRulesOnEveryRankSequence) {
    for (int n = 0; n < 13 * 13 * 13 * 13 * 13; ++n) {
        FiveCards oneSuit{};
        FiveCards mixed{};
        int rest = n;
        for (std::size_t i = 0; i < 5; ++i) {
            oneSuit[i] = Card{2, rest % 13};
            mixed[i] = Card{static_cast<std::int32_t>(i % 2), rest % 13};
            rest /= 13;
        }
        ASSERT_EQ(rankfive(oneSuit), reference::rankFive(oneSuit)) << PrintToString(oneSuit);
        ASSERT_EQ(rankfive(mixed), reference::rankFive(mixed)) << PrintToString(mixed);
    }
}

// Every one of the 2,598,960 hands of five distinct cards, once, sorted into the nine classes
// from high card to straight flush.
TEST(Rankfive, EveryDistinctHandLiesInsideItsClass) {
    constexpr std::array<std::int32_t, 9> kBase = {0, 100, 200, 300, 400, 450, 500, 800, 1000};
    // Per class: the number of hands, and the lowest and highest categories they reach.
    constexpr std::array<int, 9> kHands = {1302540, 1098240, 123552, 54912, 10200,
                                           5108,    3744,    624,    40};
    constexpr std::array<std::int32_t, 9> kLowest = {5, 100, 201, 300, 403, 455, 500, 800, 1000};
    constexpr std::array<std::int32_t, 9> kHighest = {12, 112, 212, 312, 412, 462, 512, 812, 1000};
    std::array<int, 9> hands{};
    std::array<std::int32_t, 9> lowest, highest; // showdown values
    lowest.fill(INT_MAX);
    highest.fill(INT_MIN);
    int suitedBelowFlush = 0;
    int unnamed = 0;
    for (int a = 0; a < kDeckSize; ++a)
        for (int b = a + 1; b < kDeckSize; ++b)
            for (int c = b + 1; c < kDeckSize; ++c)
                for (int d = c + 1; d < kDeckSize; ++d)
                    for (int e = d + 1; e < kDeckSize; ++e) {
                        const HandRank r =
                            rankfive({Card::fromIndex(a), Card::fromIndex(b), Card::fromIndex(c),
                                      Card::fromIndex(d), Card::fromIndex(e)});
                        const auto k = static_cast<std::size_t>(
                            std::upper_bound(kBase.begin(), kBase.end(), r.category) -
                            kBase.begin() - 1);
                        ++hands[k];
                        lowest[k] = std::min(lowest[k], r.showdownValue());
                        highest[k] = std::max(highest[k], r.showdownValue());
                        // Cards come in index order, so one suit means the first and last agree.
                        suitedBelowFlush += a / 13 == e / 13 && r.category < 455 ? 1 : 0;
                        unnamed += handname(r.category).empty() ? 1 : 0;
                    }
    EXPECT_EQ(suitedBelowFlush, 0);
    EXPECT_EQ(unnamed, 0);
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_EQ(hands[k], kHands[k]) << "class " << k;
        // A kicker never reaches 140, so the showdown values give the categories back; and every
        // hand of a class, a flush say, beats every hand of the class below, a straight.
        EXPECT_EQ(lowest[k] / 140, kLowest[k]) << "class " << k;
        EXPECT_EQ(highest[k] / 140, kHighest[k]) << "class " << k;
        if (k > 0) {
            EXPECT_GT(lowest[k], highest[k - 1]) << "class " << k;
        }
    }
}

TEST(Handname, NinetyFiveCategoriesNamedAfterTheirClass) {
    const std::array<std::string, 13> ranks = {"Two",   "Three", "Four", "Five", "Six",
                                               "Seven", "Eight", "Nine", "Ten",  "Jack",
                                               "Queen", "King",  "Ace"};
    // Each class by its lowest category, its lowest named rank and its pattern, in which "#"
    // stands for the rank; "#s" is the plural, and a six takes "es".
    // clang-format off
    const std::array<std::tuple<std::int32_t, std::size_t, std::string>, 8> classes = {{
        {0, 2, "#"}, {100, 0, "One pair #s"}, {200, 1, "Two pairs #s"}, {300, 0, "Three #s"},
        {400, 3, "Straight # High"}, {450, 4, "Flush # High"}, {500, 0, "Full house #s"},
        {800, 0, "Four #s"}}};
    // clang-format on
    for (const auto& [base, lowest, pattern] : classes)
        for (std::size_t r = 0; r < 13; ++r) {
            std::string name = r < lowest ? "" : pattern;
            if (!name.empty())
                name.replace(name.find('#'), 1, r == 4 && name.ends_with('s') ? "Sixe" : ranks[r]);
            EXPECT_EQ(handname(base + static_cast<std::int32_t>(r)), name);
        }
    EXPECT_EQ(handname(1000), "Straight flush");
    int named = 0;
    for (std::int32_t category = -2000; category <= 2000; ++category)
        named += handname(category).empty() ? 0 : 1;
    EXPECT_EQ(named, 95);
    EXPECT_EQ(handname(INT_MIN), "");
    EXPECT_EQ(handname(INT_MAX), "");
    // A few exact spellings, against a slip in the patterns above.
    EXPECT_EQ(handname(104), "One pair Sixes");
    EXPECT_EQ(handname(201), "Two pairs Threes");
    EXPECT_EQ(handname(454), "Flush Six High");
}

} // namespace
} // namespace omaha
