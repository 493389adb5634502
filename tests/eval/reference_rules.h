#pragma once

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
    std::array<int, 5> ranks{};
    bool oneSuit = true;
    for (std::size_t i = 0; i < 5; ++i) {
        ++count[cards[i].rank];
        ranks[i] = cards[i].rank;
        oneSuit = oneSuit && cards[i].suit == cards[0].suit;
    }
    std::ranges::sort(ranks, std::greater<>());
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
        return {450 + ranks[0], 90 + ranks[1] + ranks[2] + ranks[3] + ranks[4]};
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
    return {ranks[0], 5 * ranks[1] + ranks[2]};
}

// Every combination in the game's own search order; on an equal selection score the earlier stays.
inline HandRank bestPair(Card p1, Card p2, const Board& board) {
    constexpr std::size_t kTriples[10][3] = {{0, 1, 2}, {1, 2, 3}, {2, 3, 4}, {0, 2, 3}, {0, 3, 4},
                                             {0, 1, 3}, {0, 1, 4}, {1, 2, 4}, {1, 3, 4}, {0, 2, 4}};
    HandRank best = rankFive({p1, p2, board[0], board[1], board[2]});
    for (const auto& t : kTriples) {
        const HandRank rank = rankFive({p1, p2, board[t[0]], board[t[1]], board[t[2]]});
        if (rank.selectionScore() > best.selectionScore())
            best = rank;
    }
    return best;
}

inline HandRank bestHand(const Hole& hole, const Board& board) {
    constexpr std::size_t kPairs[6][2] = {{0, 1}, {1, 2}, {2, 3}, {0, 2}, {0, 3}, {1, 3}};
    HandRank best = bestPair(hole[0], hole[1], board);
    for (const auto& p : kPairs) {
        const HandRank rank = bestPair(hole[p[0]], hole[p[1]], board);
        if (rank.selectionScore() > best.selectionScore())
            best = rank;
    }
    return best;
}

} // namespace omaha::reference
