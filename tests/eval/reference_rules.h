#pragma once

#include "eval/best_five.h"
#include "eval/hand_rank.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

// A second, deliberately plain reading of the hand rules, written apart from the evaluator so
// that the tests can compare the two on any cards.
namespace omaha::reference {

inline HandRank rankFive(const FiveCards& cards) {
    std::array<int, 13> count{};
    int sum = 0, highest = 0;
    bool oneSuit = true;
    for (const Card& card : cards) {
        const int rank = number(card.rank);
        ++count[rank];
        sum += rank;
        highest = std::max(highest, rank);
        oneSuit = oneSuit && card.suit == cards[0].suit;
    }
    // The groups of equal rank as (size, rank): the biggest first, the higher first among equals.
    std::array<std::pair<int, int>, 5> groups{};
    std::size_t found = 0;
    for (int r = 0; r < 13; ++r)
        if (count[r] > 0)
            groups[found++] = {count[r], r};
    std::ranges::sort(groups, std::greater<>());
    const auto [size0, rank0] = groups[0];
    const auto [size1, rank1] = groups[1];
    const int rank2 = groups[2].second;
    // Five different ranks in a row; the ace also plays below the two, and only there.
    int straight = -1;
    for (int top = 3; top <= 12; ++top) {
        bool run = true;
        for (int k = 0; k < 5; ++k)
            run = run && count[(top - k + 13) % 13] == 1;
        if (run)
            straight = top;
    }

    if (straight >= 0 && oneSuit)
        return {1000, 0};
    if (oneSuit)
        return {450 + highest, 90 + sum - highest};
    if (straight >= 0)
        return {400 + straight, 0};
    if (size0 >= 4)
        return {800 + rank0, 0};
    if (size0 == 3)
        return size1 == 2 ? HandRank{500 + rank0, 5 * rank1}
                          : HandRank{300 + rank0, 5 * rank1 + rank2};
    if (size0 == 2 && size1 == 2)
        return {200 + rank0, 5 * rank1 + rank2};
    if (size0 == 2)
        return {100 + rank0, 5 * rank1 + 3 * rank2 + groups[3].second};
    return {rank0, 5 * rank1 + rank2}; // five groups of one, highest first
}

// The best of the combinations of two private cards, those of the first `pairs` pairs, with three
// community cards, in the game's own search order: on an equal selection score the earlier stays.
inline BestFive bestOf(const Hole& hole, const Board& board, std::size_t pairs) {
    constexpr std::size_t kPairs[6][2] = {{0, 1}, {1, 2}, {2, 3}, {0, 2}, {0, 3}, {1, 3}};
    constexpr std::size_t kTriples[10][3] = {{0, 1, 2}, {1, 2, 3}, {2, 3, 4}, {0, 2, 3}, {0, 3, 4},
                                             {0, 1, 3}, {0, 1, 4}, {1, 2, 4}, {1, 3, 4}, {0, 2, 4}};
    BestFive best{{-1, 0}, {}, {}}; // below every hand
    for (std::size_t p = 0; p < pairs; ++p)
        for (const auto& t : kTriples) {
            const std::array<Card, 2> own = {hole[kPairs[p][0]], hole[kPairs[p][1]]};
            const std::array<Card, 3> shared = {board[t[0]], board[t[1]], board[t[2]]};
            const HandRank rank = rankFive({own[0], own[1], shared[0], shared[1], shared[2]});
            if (rank.selectionScore() > best.rank.selectionScore())
                best = {rank, own, shared};
        }
    return best;
}

} // namespace omaha::reference
