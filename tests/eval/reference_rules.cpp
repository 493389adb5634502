#include "reference_rules.h"

#include <array>

namespace omaha::reference {

namespace {

constexpr int kAnySuit = -1;

bool holds(const FiveCards& cards, int rank, int suit) {
    for (const Card& c : cards)
        if (c.rank == rank && (suit == kAnySuit || c.suit == suit))
            return true;
    return false;
}

// The top rank of a straight from `start`, walking up one rank at a time at most five times and
// counting the steps that find a card of the next rank (of `suit` unless kAnySuit); -1 if none.
int straightTop(const FiveCards& cards, int start, int suit) {
    int steps = 0;
    int current = start;
    for (int i = 0; i < 5; ++i) {
        if (holds(cards, current + 1, suit)) {
            ++steps;
            ++current;
        }
    }
    if (steps == 4)
        return current;
    if (steps == 3 && current == 3 && holds(cards, 12, suit))
        return 3;
    return -1;
}

} // namespace

HandRank rankFive(const FiveCards& cards) {
    int start = -1;
    for (int r = 0; r < 12 && start < 0; ++r)
        if (holds(cards, r, kAnySuit) && holds(cards, r + 1, kAnySuit))
            start = r;

    if (start >= 0) {
        int startSuit = 0;
        for (int i = 4; i >= 0; --i)
            if (cards[static_cast<std::size_t>(i)].rank == start)
                startSuit = cards[static_cast<std::size_t>(i)].suit;
        if (straightTop(cards, start, startSuit) >= 0)
            return {1000, 0};
    }

    // Ranks from high to low, repeats kept.
    std::array<int, 5> ranks{};
    for (std::size_t i = 0; i < 5; ++i) {
        std::size_t j = i;
        for (; j > 0 && ranks[j - 1] < cards[i].rank; --j)
            ranks[j] = ranks[j - 1];
        ranks[j] = cards[i].rank;
    }

    bool oneSuit = true;
    for (const Card& c : cards)
        oneSuit = oneSuit && c.suit == cards[0].suit;
    if (oneSuit)
        return {450 + ranks[0], 90 + ranks[1] + ranks[2] + ranks[3] + ranks[4]};

    if (start >= 0) {
        const int top = straightTop(cards, start, kAnySuit);
        if (top >= 0)
            return {400 + top, 0};
    }

    // The ranks present, the biggest groups first, higher ranks first among groups of a size.
    std::array<int, 13> count{};
    for (int r : ranks)
        ++count[static_cast<std::size_t>(r)];
    std::array<int, 5> groupRank{};
    std::array<int, 5> groupSize{};
    std::size_t groups = 0;
    for (int size = 5; size >= 1; --size)
        for (int r = 12; r >= 0; --r)
            if (count[static_cast<std::size_t>(r)] == size) {
                groupRank[groups] = r;
                groupSize[groups] = size;
                ++groups;
            }

    if (groupSize[0] >= 4)
        return {800 + groupRank[0], 0};
    if (groupSize[0] == 3 && groupSize[1] == 2)
        return {500 + groupRank[0], 5 * groupRank[1]};
    if (groupSize[0] == 3)
        return {300 + groupRank[0], 5 * groupRank[1] + groupRank[2]};
    if (groupSize[0] == 2 && groupSize[1] == 2)
        return {200 + groupRank[0], 5 * groupRank[1] + groupRank[2]};
    if (groupSize[0] == 2)
        return {100 + groupRank[0], 5 * groupRank[1] + 3 * groupRank[2] + groupRank[3]};
    return {ranks[0], 5 * ranks[1] + ranks[2]};
}

HandRank bestPair(Card p1, Card p2, const Board& board) {
    constexpr std::size_t kTriples[10][3] = {{0, 1, 2}, {1, 2, 3}, {2, 3, 4}, {0, 2, 3}, {0, 3, 4},
                                             {0, 1, 3}, {0, 1, 4}, {1, 2, 4}, {1, 3, 4}, {0, 2, 4}};
    HandRank best;
    for (int t = 0; t < 10; ++t) {
        const auto& k = kTriples[t];
        const HandRank rank = rankFive({p1, p2, board[k[0]], board[k[1]], board[k[2]]});
        if (t == 0 || rank.selectionScore() > best.selectionScore())
            best = rank;
    }
    return best;
}

HandRank bestHand(const Hole& hole, const Board& board) {
    constexpr std::size_t kPairs[6][2] = {{0, 1}, {1, 2}, {2, 3}, {0, 2}, {0, 3}, {1, 3}};
    HandRank best;
    for (int p = 0; p < 6; ++p) {
        const HandRank rank = bestPair(hole[kPairs[p][0]], hole[kPairs[p][1]], board);
        if (p == 0 || rank.selectionScore() > best.selectionScore())
            best = rank;
    }
    return best;
}

} // namespace omaha::reference
