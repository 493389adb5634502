#include "eval/rank_rules.h"

#include <array>
#include <utility>

namespace omaha {

namespace {

// A run of successive ranks: the steps taken from its start (-1 if no rank of the five has a
// successor), the rank reached, and the suit it was held to.
struct Chain {
    int steps = -1;
    int top = 0;
    Suit suit = Suit::Clubs;
};

// Follows successive ranks, up to five times, from the lowest rank whose successor is present.
// With `suitMatters` only cards of one suit count: that of the first card, in the given order,
// with the start rank.
Chain followChain(const FiveCards& cards, bool suitMatters) {
    std::array<bool, kRankCount> present{};
    for (const Card& c : cards)
        present[number(c.rank)] = true;
    int start = -1;
    for (int r = 0; r < 12; ++r) {
        if (present[r] && present[r + 1]) {
            start = r;
            break;
        }
    }
    Chain chain;
    if (start < 0)
        return chain;
    for (const Card& c : cards) {
        if (number(c.rank) == start) {
            chain.suit = c.suit;
            break;
        }
    }
    chain.steps = 0;
    chain.top = start;
    for (int step = 0; step < 5; ++step) {
        for (const Card& c : cards) {
            if (number(c.rank) == chain.top + 1 && (!suitMatters || c.suit == chain.suit)) {
                ++chain.steps;
                chain.top = number(c.rank);
                break;
            }
        }
    }
    return chain;
}

bool hasAce(const FiveCards& cards, bool suitMatters, Suit suit) {
    for (const Card& c : cards)
        if (c.rank == Rank::Ace && (!suitMatters || c.suit == suit))
            return true;
    return false;
}

} // namespace

HandRank rankByRules(const FiveCards& cards) noexcept {
    const Chain flushChain = followChain(cards, true);
    if (flushChain.steps == 4 ||
        (flushChain.steps == 3 && flushChain.top == 3 && hasAce(cards, true, flushChain.suit)))
        return {1000, 0};

    // Ranks sorted from high to low, repeats kept.
    std::array<int, 5> sorted{};
    for (int i = 0; i < 5; ++i)
        sorted[i] = number(cards[i].rank);
    for (int i = 1; i < 5; ++i)
        for (int j = i; j > 0 && sorted[j - 1] < sorted[j]; --j)
            std::swap(sorted[j - 1], sorted[j]);

    bool flush = true;
    for (const Card& c : cards)
        flush = flush && c.suit == cards[0].suit;
    if (flush)
        return {450 + sorted[0], 90 + sorted[1] + sorted[2] + sorted[3] + sorted[4]};

    const Chain chain = followChain(cards, false);
    if (chain.steps == 4)
        return {400 + chain.top, 0};
    if (chain.steps == 3 && chain.top == 3 && hasAce(cards, false, Suit::Clubs))
        return {403, 0};

    std::array<int, kRankCount> count{};
    for (const Card& c : cards)
        ++count[number(c.rank)];
    int four = -1, three = -1, highPair = -1, lowPair = -1;
    for (int r = 12; r >= 0; --r) {
        if (count[r] >= 4)
            four = r;
        else if (count[r] == 3)
            three = r;
        else if (count[r] == 2) {
            if (highPair < 0)
                highPair = r;
            else
                lowPair = r;
        }
    }
    // The single cards, highest first.
    std::array<int, 5> singles{};
    int singleCount = 0;
    for (int r = 12; r >= 0; --r)
        if (count[r] == 1)
            singles[singleCount++] = r;

    if (four >= 0)
        return {800 + four, 0};
    if (three >= 0 && highPair >= 0)
        return {500 + three, 5 * highPair};
    if (three >= 0)
        return {300 + three, 5 * singles[0] + singles[1]};
    if (lowPair >= 0)
        return {200 + highPair, 5 * lowPair + singles[0]};
    if (highPair >= 0)
        return {100 + highPair, 5 * singles[0] + 3 * singles[1] + singles[2]};
    return {sorted[0], 5 * sorted[1] + sorted[2]};
}

} // namespace omaha
