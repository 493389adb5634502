#include "card_literals.h"
#include "core/game_text.h"
#include "eval/best_five.h"
#include "eval/hand_rank.h"
#include "eval/omaha_hand.h"
#include "reference_rules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <tuple>

namespace omaha {
namespace {

using testing::PrintToString;

// Every ordered choice of five ranks, repeats allowed, in one suit and in two alternating suits:
// this covers every value the evaluator can give, in every order.
TEST(Rankfive, AgreesWithTheRulesOnEveryRankSequence) {
    for (int n = 0; n < 13 * 13 * 13 * 13 * 13; ++n) {
        FiveCards oneSuit{}, mixed{};
        for (int i = 0, rest = n; i < 5; ++i, rest /= 13) {
            const auto rank = static_cast<Rank>(rest % kRankCount);
            oneSuit[i] = Card{Suit::Hearts, rank};
            mixed[i] = Card{i % 2 == 0 ? Suit::Clubs : Suit::Diamonds, rank};
        }
        ASSERT_EQ(rankFive(oneSuit), reference::rankFive(oneSuit)) << PrintToString(oneSuit);
        ASSERT_EQ(rankFive(mixed), reference::rankFive(mixed)) << PrintToString(mixed);
    }
}

// Among one player's own hands a pair of twos with high kickers is chosen over a pair of threes,
// but at the showdown the threes win: there no kicker crosses a category.
TEST(HandRank, KickersCrossCategoriesInTheSelectionButNotAtTheShowdown) {
    const HandRank twos = rankFive(test::board("2c 2d Ah Ks Qc"));
    const HandRank threes = rankFive(test::board("3c 3d 6h 4s 2c"));
    EXPECT_GT(twos.selectionScore(), threes.selectionScore());
    EXPECT_LT(twos.showdownValue(), threes.showdownValue());
}

TEST(Handname, NinetyFiveCategoriesNamedAfterTheirClass) {
    const std::string ranks[] = {"Two",  "Three", "Four", "Five",  "Six",  "Seven", "Eight",
                                 "Nine", "Ten",   "Jack", "Queen", "King", "Ace"};
    // Each class by its lowest category, its lowest named rank and its pattern, in which "#"
    // stands for the rank; "#s" is the plural, and a six takes "es".
    // clang-format off
    const std::tuple<std::int32_t, int, std::string> classes[] = {
        {0, 2, "#"}, {100, 0, "One pair #s"}, {200, 1, "Two pairs #s"}, {300, 0, "Three #s"},
        {400, 3, "Straight # High"}, {450, 4, "Flush # High"}, {500, 0, "Full house #s"},
        {800, 0, "Four #s"}};
    // clang-format on
    int named = 0;
    for (std::int32_t category = -2000; category <= 2000; ++category) {
        std::string name = category == 1000 ? "Straight flush" : "";
        for (const auto& [base, lowest, pattern] : classes)
            if (const std::int32_t r = category - base; r >= lowest && r <= 12)
                name = std::string(pattern).replace(
                    pattern.find('#'), 1, r == 4 && pattern.ends_with('s') ? "Sixe" : ranks[r]);
        EXPECT_EQ(handName(category), name);
        // Without a translator the table's name is the same English, made from its sentence.
        EXPECT_EQ(handNameText(category), name);
        named += name.empty() ? 0 : 1;
    }
    EXPECT_EQ(named, 95);
}

// Every piece of a name, marked with the context it was asked for in.
std::string markedText(const char* context, const char* text) {
    return std::string("[") + context + ":" + text + "]";
}

TEST(Handname, TranslatesTheSentenceAndTheRankWithOneCardOrSeveral) {
    installGameTextTranslator(markedText);
    EXPECT_EQ(handNameText(112), "[Hand:One pair [Ranks:Aces]]");
    EXPECT_EQ(handNameText(12), "[Hand:[Rank:Ace]]");
    EXPECT_EQ(handNameText(403), "[Hand:Straight [Rank:Five] High]");
    EXPECT_EQ(handNameText(1000), "[Hand:Straight flush]");
    EXPECT_EQ(handNameText(99), "");
    installGameTextTranslator(nullptr);
}

// Nine-card deals of three kinds, in turn: distinct cards; cards from few ranks and suits, which
// make many pairs, full houses, flushes, repeated cards and equal selection scores of different
// hands, where the search order decides; any cards with repeats. The hand found, and the cards
// shown for it, are those of a plain enumeration of every combination.
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
            deal[i] = n % 3 == 0 ? Card::fromIndex(deck[i])
                      : n % 3 == 1
                          ? Card{static_cast<Suit>(suit(random)), static_cast<Rank>(rank(random))}
                          : Card::fromIndex(anyCard(random));
        const Hole h = {deal[0], deal[1], deal[2], deal[3]};
        const Board b = {deal[4], deal[5], deal[6], deal[7], deal[8]};
        const BestFive expected = reference::bestOf(h, b, 6);
        ASSERT_EQ(bestOmahaRank(h, b), expected.rank) << PrintToString(deal);
        ASSERT_EQ(bestPairRank(h[0], h[1], b), reference::bestOf(h, b, 1).rank)
            << PrintToString(deal);
        const BestFive shown = bestFive(h, b);
        ASSERT_EQ(std::tuple(shown.rank, shown.own, shown.shared),
                  std::tuple(expected.rank, expected.own, expected.shared))
            << PrintToString(deal);
    }
}

} // namespace
} // namespace omaha
