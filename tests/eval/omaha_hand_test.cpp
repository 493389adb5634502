#include "card_literals.h"
#include "eval/omaha_hand.h"
#include "reference_rules.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string_view>
#include <vector>

namespace omaha {
namespace {

using test::board;
using test::card;
using test::hole;
using testing::PrintToString;

TEST(Besthand, PlaysExactlyTwoPrivateAndThreeCommunityCards) {
    EXPECT_EQ(besthand(hole("2c Ah 3d Kh"), board("Qh 9s 7h Tc 4h")), (HandRank{462, 118}));
    // Four private hearts and two on the board, or one private and four on the board: no flush.
    EXPECT_LT(besthand(hole("Ah Kh Qh Jh"), board("2h 3h 9c Tc 4d")).category, 450);
    EXPECT_LT(besthand(hole("Ah Kc Qd Js"), board("2h 3h 9h Th 4c")).category, 450);
    // The community straight cannot be played, and four private aces are but a pair.
    EXPECT_EQ(besthand(hole("Ac Ad Kc Kd"), board("5h 6s 7h 8s 9h")), (HandRank{112, 58}));
    EXPECT_EQ(besthand(hole("Ac Ad Ah As"), board("2c 7d 9h Js Kc")), (HandRank{112, 89}));
    EXPECT_EQ(besthand(hole("5c 5d Ah Kd"), board("9c 9d 9h 2s 3c")), (HandRank{507, 15}));
    EXPECT_EQ(besthand(hole("9s Ah Kd 2c"), board("9c 9d 9h 4s 3c")), (HandRank{807, 0}));
    // Threes full of aces scores 20100 and is chosen over fours full of threes, 20085, though
    // those would win a showdown.
    EXPECT_EQ(besthand(hole("4s 3s 4c Ah"), board("As 4h 3h 3d Qc")), (HandRank{501, 60}));
    EXPECT_EQ(bestpair(card("Kh"), card("Ah"), board("Th Jh 2c Qh 3d")), (HandRank{1000, 0}));
    // Repeated cards: five hearts are a flush, though their ranks would make a full house.
    EXPECT_EQ(bestpair(card("Ah"), card("Ah"), board("Ah Kh 5s Kh 6d")), (HandRank{462, 136}));
}

// Deals in which two pairs of private cards, with no card in common, reach the best selection
// score with different values. Every order of the private cards puts the two pairs in other places
// of the search order, and the one met first must win each time.
TEST(Besthand, OnAnEqualSelectionScoreTheEarlierPairStays) {
    // Aces and twos from the fourth pair, kings and queens from the sixth: both score 8491.
    EXPECT_EQ(besthand(hole("Ac Qc Ad Kh"), board("Qd 2s 3d Ks 2c")), (HandRank{212, 11}));
    EXPECT_EQ(besthand(hole("Qc Kh Ac Ad"), board("Qd 2s 3d Ks 2c")), (HandRank{211, 51}));
    for (std::string_view deal : {"Ac Qc Ad Kh / Qd 2s 3d Ks 2c", "4c 4d Ad 5c / Qs 4h 5h Qd 5s",
                                  "Tc Qc Kh Kc / Ah 2d Qh 2c Ts", "7s 6h 7h Ad / As 6s 6c 4d 7d",
                                  "4c 3s Js 4s / Jd 3c 3h Kc 4d", "Tc Js Qc Qh / Kc Jh Td 2s 2c"}) {
        const Hole dealt = hole(deal.substr(0, 11));
        const Board b = board(deal.substr(14));
        std::array<std::size_t, 4> order = {0, 1, 2, 3};
        std::vector<HandRank> seen;
        do {
            const Hole h = {dealt[order[0]], dealt[order[1]], dealt[order[2]], dealt[order[3]]};
            const HandRank rank = besthand(h, b);
            EXPECT_EQ(rank, reference::bestHand(h, b)) << PrintToString(h) << " / " << deal;
            if (std::find(seen.begin(), seen.end(), rank) == seen.end())
                seen.push_back(rank);
        } while (std::next_permutation(order.begin(), order.end()));
        EXPECT_EQ(seen.size(), 2u) << deal;
    }
}

// Nine-card deals of three kinds, in turn: distinct cards; cards from few ranks and suits, which
// make many pairs, full houses, flushes, repeated cards and equal scores; any cards with repeats.
TEST(Besthand, AgreesWithAPlainEnumerationOfEveryCombination) {
    std::mt19937 random(977);
    std::array<std::int32_t, kDeckSize> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::uniform_int_distribution<std::int32_t> anyCard(0, kDeckSize - 1);
    for (int n = 0; n < 15000; ++n) {
        const int lowest = std::uniform_int_distribution<int>(0, 8)(random);
        std::uniform_int_distribution<std::int32_t> rank(lowest, lowest + 4);
        std::uniform_int_distribution<std::int32_t> suit(0, n % 2 == 0 ? 1 : 3);
        std::shuffle(deck.begin(), deck.end(), random);
        std::array<Card, 9> deal{};
        for (std::size_t i = 0; i < deal.size(); ++i)
            deal[i] = n % 3 == 0   ? Card::fromIndex(deck[i])
                      : n % 3 == 1 ? Card{suit(random), rank(random)}
                                   : Card::fromIndex(anyCard(random));
        const Hole h = {deal[0], deal[1], deal[2], deal[3]};
        const Board b = {deal[4], deal[5], deal[6], deal[7], deal[8]};
        ASSERT_EQ(besthand(h, b), reference::bestHand(h, b)) << PrintToString(deal);
        ASSERT_EQ(bestpair(h[0], h[1], b), reference::bestPair(h[0], h[1], b))
            << PrintToString(deal);
    }
}

} // namespace
} // namespace omaha
