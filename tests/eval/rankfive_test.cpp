#include "card_literals.h"
#include "eval/hand_rank.h"
#include "reference_rules.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace omaha {
namespace {

using test::five;
using test::text;

TEST(Rankfive, ChoosingAndComparingWeighTheKickerDifferently) {
    const HandRank twosAceKingQueen = rankfive(five("2c 2d Ah Ks Qc"));
    const HandRank threesSixFourTwo = rankfive(five("3c 3d 6h 4s 2c"));
    const HandRank foursFiveThreeTwo = rankfive(five("4h 4s 5d 3c 2h"));
    EXPECT_EQ(twosAceKingQueen, (HandRank{100, 103}));
    EXPECT_EQ(threesSixFourTwo, (HandRank{101, 26}));
    EXPECT_EQ(foursFiveThreeTwo, (HandRank{102, 18}));

    // Among one player's combinations the pair of twos is preferred...
    EXPECT_EQ(twosAceKingQueen.selectionScore(), 4103);
    EXPECT_EQ(threesSixFourTwo.selectionScore(), 4066);
    EXPECT_EQ(foursFiveThreeTwo.selectionScore(), 4098);
    // ...but at the showdown the higher pair wins.
    EXPECT_EQ(twosAceKingQueen.showdownValue(), 14103);
    EXPECT_EQ(threesSixFourTwo.showdownValue(), 14166);
}

TEST(Rankfive, StraightsAndStraightFlushes) {
    EXPECT_EQ(rankfive(five("Ah 2c 3d 4s 5h")), (HandRank{403, 0}));
    EXPECT_EQ(rankfive(five("Ah Kc Qd Js Th")), (HandRank{412, 0}));
    EXPECT_EQ(rankfive(five("6c 5d 4h 3s 2c")), (HandRank{404, 0}));
    // The ace plays low only below the two; there is no wrap-around.
    EXPECT_EQ(rankfive(five("Qh Kd Ac 2s 3c")), (HandRank{12, 65}));

    EXPECT_EQ(rankfive(five("Ah 2h 3h 4h 5h")), (HandRank{1000, 0}));
    EXPECT_EQ(rankfive(five("5h 4h 3h 2h Ah")), (HandRank{1000, 0}));
    EXPECT_EQ(rankfive(five("2h 3h 4h 5h As")), (HandRank{403, 0}));
    EXPECT_EQ(rankfive(five("As 2h 3h 4h 5h")), (HandRank{403, 0}));
    EXPECT_EQ(rankfive(five("9s Ts Js Qs Ks")), (HandRank{1000, 0}));
    EXPECT_EQ(rankfive(five("Tc Ac Qc Jc Kc")), (HandRank{1000, 0}));
    EXPECT_EQ(rankfive(five("2d 3d 4d 5d 6d")), (HandRank{1000, 0}));
}

TEST(Rankfive, FlushKickerAddsTheOtherFourRanks) {
    const HandRank aceQueenJack = rankfive(five("Ah Qh Jh 6h 5h"));
    const HandRank aceKingFour = rankfive(five("Ad Kd 4d 3d 2d"));
    EXPECT_EQ(aceQueenJack, (HandRank{462, 116}));
    EXPECT_EQ(aceKingFour, (HandRank{462, 104}));
    EXPECT_GT(aceQueenJack.showdownValue(), aceKingFour.showdownValue());

    const HandRank lowestFlush = rankfive(five("7c 5c 4c 3c 2c"));
    EXPECT_EQ(lowestFlush, (HandRank{455, 96}));
    EXPECT_GT(lowestFlush.showdownValue(), rankfive(five("Ah Kc Qd Js Th")).showdownValue());
}

TEST(Rankfive, OnlyTheListedCardsCount) {
    EXPECT_EQ(rankfive(five("9c 9d 9h 9s 2c")), (HandRank{807, 0}));
    EXPECT_EQ(rankfive(five("9c 9d Ac 9h 9s")), (HandRank{807, 0}));
    EXPECT_EQ(rankfive(five("Kc 4s Kd 4c Kh")), (HandRank{511, 10}));
    EXPECT_EQ(rankfive(five("7c 7d 7h As 2d")), (HandRank{305, 60}));
    EXPECT_EQ(rankfive(five("Jc 4h Jd 9c 4s")), (HandRank{209, 17}));
    EXPECT_EQ(rankfive(five("8c Kd 8h 5s 3d")), (HandRank{106, 5 * 11 + 3 * 3 + 1}));
    EXPECT_EQ(rankfive(five("Ah 9c 7d 4s 3h")), (HandRank{12, 40}));
    EXPECT_EQ(rankfive(five("Ah 9c 7d 6s 5h")), (HandRank{12, 40}));
    EXPECT_EQ(rankfive(five("9c 7d 5h 3s 2c")), (HandRank{7, 28}));
}

TEST(Rankfive, RepeatedCardsCountAsOrdinaryCards) {
    EXPECT_EQ(rankfive(five("Ah Ah Kd Kd 2c")), (HandRank{212, 55}));
    EXPECT_EQ(rankfive(five("4c 5c 5c 6d 7h")), (HandRank{103, 39}));
    // Five of a rank in more than one suit is four of a kind.
    EXPECT_EQ(rankfive(five("7s 7s 7s 7d 7d")), (HandRank{805, 0}));
    EXPECT_EQ(rankfive(five("7s 7d 7h 7c 7c")), (HandRank{805, 0}));
    // One suit throughout is a flush before anything else, repeats included in the kicker.
    EXPECT_EQ(rankfive(five("7s 7s 7s 7s 7s")), (HandRank{455, 110}));
    EXPECT_EQ(rankfive(five("Ah Ah Ah Ah Kh")), (HandRank{462, 137}));
    EXPECT_EQ(rankfive(five("Qh Qh Qh 3h 3h")), (HandRank{460, 112}));
    EXPECT_EQ(rankfive(five("Ah 2h 3h 4h 4h")), (HandRank{462, 95}));
}

TEST(Rankfive, CardOrderNeverMatters) {
    for (const char* written :
         {"Ah 2h 3h 4h 5h", "2h 3h 4h 5h As", "Kc 4s Kd 4c Kh", "Ad Kd 4d 3d 2d", "Jc 4h Jd 9c 4s",
          "Ah Ah Kd Kd 2c", "Qh Qh Qh 3h 3h"}) {
        const FiveCards hand = five(written);
        const HandRank expected = rankfive(hand);
        std::array<std::size_t, 5> order = {0, 1, 2, 3, 4};
        do {
            const FiveCards shuffled = {hand[order[0]], hand[order[1]], hand[order[2]],
                                        hand[order[3]], hand[order[4]]};
            ASSERT_EQ(rankfive(shuffled), expected) << text(shuffled);
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

// Every ordered choice of five ranks, repeats allowed, in one suit and in mixed suits: this
// covers every value the evaluator can give, in every order.
TEST(Rankfive, AgreesWithTheRulesOnEveryRankSequence) {
    for (int n = 0; n < 13 * 13 * 13 * 13 * 13; ++n) {
        FiveCards oneSuit{};
        FiveCards mixed{};
        int rest = n;
        for (std::size_t i = 0; i < 5; ++i) {
            oneSuit[i] = Card{2, rest % 13};
            mixed[i] = Card{static_cast<std::int32_t>((n + i * i) % 4), rest % 13};
            rest /= 13;
        }
        if (std::all_of(mixed.begin(), mixed.end(),
                        [&](Card c) { return c.suit == mixed[0].suit; }))
            mixed[4].suit = (mixed[4].suit + 1) % 4;
        ASSERT_EQ(rankfive(oneSuit), reference::rankFive(oneSuit)) << text(oneSuit);
        ASSERT_EQ(rankfive(mixed), reference::rankFive(mixed)) << text(mixed);
    }
}

TEST(Rankfive, AgreesWithTheRulesOnCardsDrawnWithRepeats) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::int32_t> anyCard(0, kDeckSize - 1);
    for (int n = 0; n < 100000; ++n) {
        FiveCards hand{};
        for (Card& c : hand)
            c = Card::fromIndex(anyCard(random));
        ASSERT_EQ(rankfive(hand), reference::rankFive(hand)) << text(hand);
    }
}

// The hand classes in ascending order, told apart by category.
enum HandClass {
    HighCard,
    OnePair,
    TwoPairs,
    Three,
    Straight,
    Flush,
    FullHouse,
    Four,
    StraightFlush
};

std::size_t classOf(std::int32_t category) {
    constexpr std::array<std::int32_t, 9> kLowest = {0, 100, 200, 300, 400, 450, 500, 800, 1000};
    return static_cast<std::size_t>(std::upper_bound(kLowest.begin(), kLowest.end(), category) -
                                    kLowest.begin() - 1);
}

// Every one of the 2,598,960 hands of five distinct cards, once.
TEST(Rankfive, EveryDistinctHandLiesInsideItsClass) {
    using Range = std::pair<std::int32_t, std::int32_t>;
    std::array<int, 9> handsOfClass{};
    std::array<Range, 9> categoryRange;
    categoryRange.fill({10000, -1});
    int suitedBelowFlush = 0;
    int unnamed = 0;
    int kickerOutOfRange = 0;
    std::int32_t highestKicker = 0;
    for (int a = 0; a < kDeckSize; ++a)
        for (int b = a + 1; b < kDeckSize; ++b)
            for (int c = b + 1; c < kDeckSize; ++c)
                for (int d = c + 1; d < kDeckSize; ++d)
                    for (int e = d + 1; e < kDeckSize; ++e) {
                        const HandRank rank =
                            rankfive({Card::fromIndex(a), Card::fromIndex(b), Card::fromIndex(c),
                                      Card::fromIndex(d), Card::fromIndex(e)});
                        const std::size_t handClass = classOf(rank.category);
                        ++handsOfClass[handClass];
                        Range& range = categoryRange[handClass];
                        range.first = std::min(range.first, rank.category);
                        range.second = std::max(range.second, rank.category);
                        // Cards come in index order, so one suit means the first and last agree.
                        const bool oneSuit = a / 13 == e / 13;
                        if (oneSuit && rank.category < 455)
                            ++suitedBelowFlush;
                        if (handname(rank.category).empty())
                            ++unnamed;
                        const bool kickerless = handClass == Straight || handClass == Four ||
                                                handClass == StraightFlush;
                        if (rank.kicker < 0 || (kickerless && rank.kicker != 0))
                            ++kickerOutOfRange;
                        highestKicker = std::max(highestKicker, rank.kicker);
                    }
    EXPECT_EQ(suitedBelowFlush, 0);
    EXPECT_EQ(unnamed, 0);
    EXPECT_EQ(kickerOutOfRange, 0);
    EXPECT_EQ(highestKicker, 127);

    // The well-known number of hands of each class.
    EXPECT_EQ(handsOfClass[StraightFlush], 40);
    EXPECT_EQ(handsOfClass[Four], 624);
    EXPECT_EQ(handsOfClass[FullHouse], 3744);
    EXPECT_EQ(handsOfClass[Flush], 5108);
    EXPECT_EQ(handsOfClass[Straight], 10200);
    EXPECT_EQ(handsOfClass[Three], 54912);
    EXPECT_EQ(handsOfClass[TwoPairs], 123552);
    EXPECT_EQ(handsOfClass[OnePair], 1098240);
    EXPECT_EQ(handsOfClass[HighCard], 1302540);

    // Gaps between the classes: no class ever reaches into another's values.
    EXPECT_EQ(categoryRange[HighCard], (Range{5, 12}));
    EXPECT_EQ(categoryRange[OnePair], (Range{100, 112}));
    EXPECT_EQ(categoryRange[TwoPairs], (Range{201, 212}));
    EXPECT_EQ(categoryRange[Three], (Range{300, 312}));
    EXPECT_EQ(categoryRange[Straight], (Range{403, 412}));
    EXPECT_EQ(categoryRange[Flush], (Range{455, 462}));
    EXPECT_EQ(categoryRange[FullHouse], (Range{500, 512}));
    EXPECT_EQ(categoryRange[Four], (Range{800, 812}));
    EXPECT_EQ(categoryRange[StraightFlush], (Range{1000, 1000}));
}

} // namespace
} // namespace omaha
