#include "card_literals.h"
#include "eval/hand_rank.h"
#include "eval/omaha_hand.h"
#include "reference_rules.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace omaha {
namespace {

using test::board;
using test::card;
using test::hole;
using test::text;

TEST(Besthand, TwoPrivateAndThreeCommunityCardsMakeEveryHand) {
    // Two private and three community hearts: a flush.
    EXPECT_EQ(besthand(hole("2c Ah 3d Kh"), board("Qh 9s 7h Tc 4h")), (HandRank{462, 118}));
    // Four private hearts but only two on the board: no flush.
    EXPECT_LT(besthand(hole("Ah Kh Qh Jh"), board("2h 3h 9c Tc 4d")).category, 450);
    // Four community hearts but one in private: no flush.
    EXPECT_LT(besthand(hole("Ah Kc Qd Js"), board("2h 3h 9h Th 4c")).category, 450);
    // The community straight cannot be played.
    const HandRank aces = besthand(hole("Ac Ad Kc Kd"), board("5h 6s 7h 8s 9h"));
    EXPECT_EQ(aces, (HandRank{112, 58}));
    EXPECT_EQ(handname(aces.category), "One pair Aces");
    // Four private aces are one pair of aces unless the board pairs.
    EXPECT_EQ(besthand(hole("Ac Ad Ah As"), board("2c 7d 9h Js Kc")), (HandRank{112, 89}));
    EXPECT_EQ(besthand(hole("Ac Ad Ah As"), board("Kc Kd 9h 5s 2c")), (HandRank{212, 62}));
    // A private pair with a community pair, three of a kind, or a community three with a fourth.
    EXPECT_EQ(besthand(hole("8c 8d 3h 2s"), board("Jc Jd 5h 6s Kc")), (HandRank{209, 41}));
    EXPECT_EQ(besthand(hole("5c 5d Ah Kd"), board("9c 9d 9h 2s 3c")), (HandRank{507, 15}));
    EXPECT_EQ(besthand(hole("9s Ah Kd 2c"), board("9c 9d 9h 4s 3c")), (HandRank{807, 0}));
    // Two private pairs play as one.
    EXPECT_EQ(besthand(hole("Kc Kd 7h 7s"), board("2c 5d 9h Js 3c")), (HandRank{111, 69}));
}

TEST(Besthand, OnAnEqualSelectionScoreTheEarlierPairStays) {
    // Aces and twos (212, 11) from the fourth pair, kings and queens (211, 51) from the sixth:
    // both score 8491.
    EXPECT_EQ(besthand(hole("Ac Qc Ad Kh"), board("Qd 2s 3d Ks 2c")), (HandRank{212, 11}));
    EXPECT_EQ(besthand(hole("Qc Kh Ac Ad"), board("Qd 2s 3d Ks 2c")), (HandRank{211, 51}));
    // Here the first pair holds the lower category and keeps its place.
    EXPECT_EQ(besthand(hole("4c 4d Ad 5c"), board("Qs 4h 5h Qd 5s")), (HandRank{502, 50}));
    EXPECT_EQ(besthand(hole("Tc Qc Kh Kc"), board("Ah 2d Qh 2c Ts")), (HandRank{210, 52}));
}

// Deals in which exactly two pairs, with no card in common, reach the best score with
// different values. Every order of the four private cards puts the two pairs in other places of
// the search order, and the earlier one must win each time.
TEST(Besthand, KeepsTheEarlierOfTwoEqualPairsInEveryOrderOfThePrivateCards) {
    const std::array<std::array<const char*, 2>, 6> deals = {{{"Ac Qc Ad Kh", "Qd 2s 3d Ks 2c"},
                                                              {"4c 4d Ad 5c", "Qs 4h 5h Qd 5s"},
                                                              {"Tc Qc Kh Kc", "Ah 2d Qh 2c Ts"},
                                                              {"7s 6h 7h Ad", "As 6s 6c 4d 7d"},
                                                              {"4c 3s Js 4s", "Jd 3c 3h Kc 4d"},
                                                              {"Tc Js Qc Qh", "Kc Jh Td 2s 2c"}}};
    for (const auto& [privateCards, communityCards] : deals) {
        const Hole dealt = hole(privateCards);
        const Board b = board(communityCards);
        std::array<std::size_t, 4> order = {0, 1, 2, 3};
        std::vector<HandRank> seen;
        do {
            const Hole h = {dealt[order[0]], dealt[order[1]], dealt[order[2]], dealt[order[3]]};
            const HandRank rank = besthand(h, b);
            EXPECT_EQ(rank, reference::bestHand(h, b)) << text(h) << "| " << communityCards;
            if (std::find(seen.begin(), seen.end(), rank) == seen.end())
                seen.push_back(rank);
        } while (std::next_permutation(order.begin(), order.end()));
        EXPECT_EQ(seen.size(), 2u) << privateCards << " | " << communityCards;
    }
}

TEST(Besthand, TheChosenCombinationMayLoseAShowdownToAnotherOfTheSameHand) {
    // Threes full of aces (501, 60) scores 20100 and is chosen over fours full of threes (502, 5),
    // 20085, which would be worth more at a showdown.
    const HandRank chosen = besthand(hole("4s 3s 4c Ah"), board("As 4h 3h 3d Qc"));
    EXPECT_EQ(chosen, (HandRank{501, 60}));
    EXPECT_LT(chosen.showdownValue(), (HandRank{502, 5}).showdownValue());
}

TEST(Bestpair, PlaysThePairWithEveryCommunityTriple) {
    EXPECT_EQ(bestpair(card("Ah"), card("Kh"), board("2c Qh 3d Jh Th")), (HandRank{1000, 0}));
    EXPECT_EQ(bestpair(card("Kh"), card("Ah"), board("Th Jh 2c Qh 3d")), (HandRank{1000, 0}));
    EXPECT_EQ(bestpair(card("7c"), card("7d"), board("7h Ks 2c Kd 9s")), (HandRank{505, 55}));
    EXPECT_EQ(bestpair(card("2s"), card("3s"), board("4s 5s As Kd Kc")), (HandRank{1000, 0}));
    EXPECT_EQ(bestpair(card("Kc"), card("Kd"), board("Ks 5s 2s 8s Kh")), (HandRank{811, 0}));
    // Repeated cards: five hearts are a flush, though their ranks would make a full house.
    EXPECT_EQ(bestpair(card("Ah"), card("Ah"), board("Ah Kh 5s Kh 6d")), (HandRank{462, 136}));
}

// Deals of nine cards compared with a plain enumeration of every combination.
class AgainstTheRules : public ::testing::Test {
protected:
    void expectAgreement(const std::array<Card, 9>& deal) {
        const Hole h = {deal[0], deal[1], deal[2], deal[3]};
        const Board b = {deal[4], deal[5], deal[6], deal[7], deal[8]};
        ASSERT_EQ(besthand(h, b), reference::bestHand(h, b)) << text(deal);
        ASSERT_EQ(bestpair(h[0], h[1], b), reference::bestPair(h[0], h[1], b)) << text(deal);
    }

    std::mt19937 random{977};
};

TEST_F(AgainstTheRules, DealsOfDistinctCards) {
    std::array<std::int32_t, kDeckSize> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    for (int n = 0; n < 5000; ++n) {
        std::array<Card, 9> deal{};
        for (std::size_t i = 0; i < deal.size(); ++i) {
            std::uniform_int_distribution<std::size_t> pick(i, deck.size() - 1);
            std::swap(deck[i], deck[pick(random)]);
            deal[i] = Card::fromIndex(deck[i]);
        }
        expectAgreement(deal);
    }
}

// Cards drawn with repeats from few ranks and suits: many pairs, full houses, flushes, repeated
// cards and equal selection scores.
TEST_F(AgainstTheRules, CrowdedDealsWithRepeatedCards) {
    for (int n = 0; n < 5000; ++n) {
        const int lowest = std::uniform_int_distribution<int>(0, 8)(random);
        std::uniform_int_distribution<std::int32_t> rank(lowest, lowest + 4);
        std::uniform_int_distribution<std::int32_t> suit(0, n % 2 == 0 ? 1 : 3);
        std::array<Card, 9> deal{};
        for (Card& c : deal)
            c = Card{suit(random), rank(random)};
        expectAgreement(deal);
    }
}

TEST_F(AgainstTheRules, DealsOfAnyCardsWithRepeats) {
    std::uniform_int_distribution<std::int32_t> anyCard(0, kDeckSize - 1);
    for (int n = 0; n < 5000; ++n) {
        std::array<Card, 9> deal{};
        for (Card& c : deal)
            c = Card::fromIndex(anyCard(random));
        expectAgreement(deal);
    }
}

} // namespace
} // namespace omaha
