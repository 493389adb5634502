#include "eval/omaha_hand.h"

#include "eval/omaha_orders.h"
#include "eval/omaha_table.h"

#include <array>
#include <cstdint>

namespace omaha {

namespace {

using Entry = OmahaTable::Entry;

constexpr const auto& kTriples = kCommunityTriples;
constexpr const auto& kPairs = kPrivatePairs;

using Columns = std::array<std::uint32_t, 10>;

// The table column of each community triple, as if its cards were of mixed suits.
inline Columns columnsOf(const Board& board) noexcept {
    std::array<std::uint32_t, 5> key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = OmahaTable::tripleKey(board[i].rank);
    Columns columns{};
    for (std::size_t t = 0; t < kTriples.size(); ++t)
        columns[t] =
            OmahaTable::column(key[kTriples[t][0]] + key[kTriples[t][1]] + key[kTriples[t][2]]);
    return columns;
}

// Cards counted by suit, four bits a suit.
constexpr std::array<std::uint32_t, kSuitCount> kOneOfSuit = {0x1, 0x10, 0x100, 0x1000};

template <std::size_t N>
inline std::uint32_t suitCounts(const std::array<Card, N>& cards) noexcept {
    std::uint32_t counts = 0;
    for (const Card& card : cards)
        counts += kOneOfSuit[static_cast<std::size_t>(number(card.suit))];
    return counts;
}

// Five cards of one suit need two private cards and three community cards of that suit. Adding
// 5 to a count of three or more community cards, and 6 to a count of two or more private cards,
// sets the count's top bit; a suit with both can make a flush. That is rare enough to be dealt
// with apart from the common case.
inline bool flushPossible(std::uint32_t boardCounts, std::uint32_t privateCounts) noexcept {
    return ((boardCounts + 0x5555u) & (privateCounts + 0x6666u) & 0x8888u) != 0;
}

inline bool sameSuit(Card a, Card b, Card c) noexcept {
    return a.suit == b.suit && b.suit == c.suit;
}

// The columns for a pair of `suit` when the board holds three cards of it: its triples of that
// suit move to the columns of five cards of one suit.
Columns flushColumns(const Board& board, Columns columns, Suit suit) noexcept {
    for (std::size_t t = 0; t < kTriples.size(); ++t) {
        const Card a = board[kTriples[t][0]];
        if (a.suit == suit && sameSuit(a, board[kTriples[t][1]], board[kTriples[t][2]]))
            columns[t] += OmahaTable::kFlushColumns;
    }
    return columns;
}

// Written as a select so that it compiles to a conditional move, not a branch that random
// hands would mispredict.
inline Entry larger(Entry a, Entry b) noexcept {
    return a < b ? b : a;
}

// An entry marked with the place of its combination in the search order, earlier places with
// higher bits, so that a plain maximum keeps the earliest of equal scores.
inline Entry placed(const Entry* row, std::uint32_t column, std::uint32_t place) noexcept {
    return row[column] | (63u - place) << OmahaTable::kPlaceShift;
}

// The best of one pair's ten hands, marked with its place; `firstPlace` is the place of the
// pair's first combination. The maximum is taken as a tree rather than a chain of ten.
inline Entry bestOfPair(const Entry* row, const Columns& c, std::uint32_t firstPlace) noexcept {
    const std::uint32_t p = firstPlace;
    const Entry a = larger(larger(placed(row, c[0], p), placed(row, c[1], p + 1)),
                           larger(placed(row, c[2], p + 2), placed(row, c[3], p + 3)));
    const Entry b = larger(larger(placed(row, c[4], p + 4), placed(row, c[5], p + 5)),
                           larger(placed(row, c[6], p + 6), placed(row, c[7], p + 7)));
    return larger(larger(a, b), larger(placed(row, c[8], p + 8), placed(row, c[9], p + 9)));
}

// A pair completes a flush only with a triple of its own suit. Kept out of line: rare, and it
// would crowd the registers of the common case.
[[gnu::noinline]] Entry bestOfFlushPair(const OmahaTable& table, Card p1, Card p2,
                                        const Board& board, std::uint32_t firstPlace) noexcept {
    return bestOfPair(table.row(p1.rank, p2.rank), flushColumns(board, columnsOf(board), p1.suit),
                      firstPlace);
}

// Redoes the pairs whose two cards share the suit of which the board holds three or more.
[[gnu::noinline]] void redoFlushPairs(const OmahaTable& table, const Hole& hole, const Board& board,
                                      std::array<Entry, 6>& best) noexcept {
    const std::uint32_t boardCounts = suitCounts(board);
    for (std::size_t p = 0; p < kPairs.size(); ++p) {
        const std::array<Card, 2> pair = {hole[kPairs[p][0]], hole[kPairs[p][1]]};
        if (flushPossible(boardCounts, suitCounts(pair)))
            best[p] =
                bestOfFlushPair(table, pair[0], pair[1], board, static_cast<std::uint32_t>(10 * p));
    }
}

} // namespace

HandRank bestPairRank(Card p1, Card p2, const Board& board) noexcept {
    const OmahaTable& table = OmahaTable::instance();
    if (flushPossible(suitCounts(board), suitCounts(std::array<Card, 2>{p1, p2})))
        return OmahaTable::unpack(bestOfFlushPair(table, p1, p2, board, 0));
    return OmahaTable::unpack(bestOfPair(table.row(p1.rank, p2.rank), columnsOf(board), 0));
}

HandRank bestOmahaRank(const Hole& hole, const Board& board) noexcept {
    const OmahaTable& table = OmahaTable::instance();
    const Columns columns = columnsOf(board);
    std::array<Entry, 6> best{};
    for (std::size_t p = 0; p < kPairs.size(); ++p)
        best[p] = bestOfPair(table.row(hole[kPairs[p][0]].rank, hole[kPairs[p][1]].rank), columns,
                             static_cast<std::uint32_t>(10 * p));
    if (flushPossible(suitCounts(board), suitCounts(hole)))
        redoFlushPairs(table, hole, board, best);
    return OmahaTable::unpack(larger(larger(larger(best[0], best[1]), best[2]),
                                     larger(larger(best[3], best[4]), best[5])));
}

} // namespace omaha
