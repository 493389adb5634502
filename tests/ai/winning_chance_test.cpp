#include "ai/winning_chance.h"
#include "core/deck.h"
#include "eval/omaha_hand.h"
#include "tests/eval/card_literals.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <span>
#include <tuple>
#include <vector>

#ifndef WINNING_CHANCE_SANITIZED
#define WINNING_CHANCE_SANITIZED 0
#endif

namespace omaha {
namespace {

// The exact share of the pot against one opponent: over every hand the opponent can hold and,
// from the turn, every river card.
double exactShare(const Hole& yours, Board cards, std::size_t shown) {
    const Deck deck = freshDeck();
    std::vector<Card> unseen(deck.begin(), deck.end());
    std::erase_if(unseen, [&](Card card) {
        return std::ranges::count(yours, card) +
               std::count(cards.begin(), cards.begin() + shown, card);
    });
    const auto n = unseen.size();
    double total = 0;
    if (shown == 4) {
        for (const Card& river : unseen) {
            cards[4] = river;
            total += exactShare(yours, cards, 5) / static_cast<double>(n);
        }
        return total;
    }
    const std::int32_t own = bestOmahaRank(yours, cards).showdownValue();
    long hands = 0;
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = a + 1; b < n; ++b)
            for (std::size_t c = b + 1; c < n; ++c)
                for (std::size_t d = c + 1; d < n; ++d, ++hands) {
                    const std::int32_t theirs =
                        bestOmahaRank({unseen[a], unseen[b], unseen[c], unseen[d]}, cards)
                            .showdownValue();
                    total += theirs < own ? 1 : theirs == own ? 0.5 : 0;
                }
    return total / static_cast<double>(hands);
}

// Against one opponent the estimate agrees with the exact count within a percentage point: on a
// river where ace-king ties the player's straight, so a tie must count as half the pot, and on a
// turn (five million showdowns: too slow under the sanitizers). With no opponent the pot is the
// player's without a draw.
TEST(WinningChance, AgreesWithTheExactCount) {
    const std::tuple<Hole, Board, std::size_t> positions[] = {
        {test::hole("As Kd 7c 3h"), test::board("Th Jc Qd 2s 8h"), 5},
        {test::hole("Ah Kh 9c 9d"), test::board("9h 5h 2c Jd 4s"), 4}};
    for (const auto& [yours, cards, shown] :
         std::span(positions).first(WINNING_CHANCE_SANITIZED ? 1 : 2)) {
        Random31 random(7);
        EXPECT_NEAR(winningChance(yours, std::span(cards).first(shown), 1, random),
                    exactShare(yours, cards, shown), 0.01);
    }
    Random31 random(5), untouched(5);
    EXPECT_EQ(winningChance(test::hole("2c 7d 9h Js"), {}, 0, random), 1.0);
    EXPECT_EQ(random(), untouched());
}

// The pot always goes to someone, so over hands dealt at random the player's share is one part in
// as many as there are players, for any number of opponents and on any street.
TEST(WinningChance, RandomHandsShareThePotEqually) {
    std::mt19937 shuffler(2024);
    Random31 random(11);
    for (const auto& [shown, opponents] : {std::pair{0, 7}, {3, 3}, {5, 2}}) {
        double total = 0;
        constexpr int kHands = 10000;
        for (int hand = 0; hand < kHands; ++hand) {
            Deck deck = freshDeck();
            std::shuffle(deck.begin(), deck.end(), shuffler);
            const Hole yours = {deck[0], deck[1], deck[2], deck[3]};
            total += winningChance(yours, std::span(deck).subspan(4, shown), opponents, random, 2);
        }
        EXPECT_NEAR(total / kHands, 1.0 / (opponents + 1), 0.015) << opponents << " opponents";
    }
}

} // namespace
} // namespace omaha
