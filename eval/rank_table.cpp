#include "eval/rank_table.h"

#include "eval/rank_rules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <vector>

namespace omaha {

namespace {

// Five ranks in ascending order, repeats allowed: one of the 6188 rank patterns of a hand.
struct RankPattern {
    std::array<Rank, 5> ranks{};
    std::int32_t keySum = 0;
};

std::vector<RankPattern> allPatternsByKeySum() {
    std::vector<RankPattern> patterns;
    const auto rank = [](int n) { return static_cast<Rank>(n); };
    for (int a = 0; a < kRankCount; ++a)
        for (int b = a; b < kRankCount; ++b)
            for (int c = b; c < kRankCount; ++c)
                for (int d = c; d < kRankCount; ++d)
                    for (int e = d; e < kRankCount; ++e) {
                        RankPattern pattern{{rank(a), rank(b), rank(c), rank(d), rank(e)}, 0};
                        for (const Rank r : pattern.ranks)
                            pattern.keySum += RankTable::key(r);
                        patterns.push_back(pattern);
                    }
    std::sort(patterns.begin(), patterns.end(),
              [](const RankPattern& x, const RankPattern& y) { return x.keySum < y.keySum; });
    return patterns;
}

// Cards of the pattern's ranks, all clubs or (for the plain value) not all of one suit.
FiveCards cardsOf(const RankPattern& pattern, bool flush) {
    FiveCards cards{};
    for (std::size_t i = 0; i < 5; ++i)
        cards[i] = Card{flush || i != 1 ? Suit::Clubs : Suit::Diamonds, pattern.ranks[i]};
    return cards;
}

// Which slots are taken, one bit each, read 64 slots at a time from any slot on.
class Occupancy {
public:
    explicit Occupancy(int slots) : words_(static_cast<std::size_t>(slots / 64 + 2)) {}

    int slots() const { return static_cast<int>(64 * (words_.size() - 2)); }

    std::uint64_t from(int slot) const {
        const auto word = static_cast<std::size_t>(slot / 64);
        const int shift = slot % 64;
        return shift == 0 ? words_[word] : words_[word] >> shift | words_[word + 1] << (64 - shift);
    }

    void take(int slot) {
        words_[static_cast<std::size_t>(slot / 64)] |= std::uint64_t{1} << (slot % 64);
    }

private:
    std::vector<std::uint64_t> words_;
};

// The lowest offset at which every one of `columns` lands on a free slot, or -1 if none does
// below the end of the table. Tries 64 offsets at once.
int firstFit(const Occupancy& occupancy, const std::vector<int>& columns, int width) {
    for (int base = 0; base + width <= occupancy.slots(); base += 64) {
        std::uint64_t blocked = 0;
        for (int column : columns)
            blocked |= occupancy.from(base + column);
        if (blocked != ~std::uint64_t{0})
            return base + std::countr_one(blocked);
    }
    return -1;
}

} // namespace

const RankTable& RankTable::build() noexcept {
    static const RankTable table;
    built_.store(&table, std::memory_order_release);
    return table;
}

RankTable::RankTable() noexcept {
    constexpr int kWidth = 1 << kRowBits;
    const std::vector<RankPattern> patterns = allPatternsByKeySum();

    // Each row's patterns lie together, the key sums being sorted.
    std::vector<std::size_t> rowStart(kRows + 1);
    for (const RankPattern& pattern : patterns)
        ++rowStart[static_cast<std::size_t>((pattern.keySum >> kRowBits) + 1)];
    for (std::size_t row = 0; row + 1 < rowStart.size(); ++row)
        rowStart[row + 1] += rowStart[row];

    // Rows with more key sums are placed first, while the table is still empty.
    std::vector<int> rowOrder(kRows);
    for (int row = 0; row < kRows; ++row)
        rowOrder[static_cast<std::size_t>(row)] = row;
    const auto rowSize = [&](int row) {
        return rowStart[static_cast<std::size_t>(row) + 1] -
               rowStart[static_cast<std::size_t>(row)];
    };
    std::stable_sort(rowOrder.begin(), rowOrder.end(),
                     [&](int a, int b) { return rowSize(a) > rowSize(b); });

    Occupancy occupancy(kSlots);
    std::vector<int> columns;
    for (int row : rowOrder) {
        const std::size_t first = rowStart[static_cast<std::size_t>(row)];
        const std::size_t last = rowStart[static_cast<std::size_t>(row) + 1];
        if (first == last)
            break; // the remaining rows are empty
        columns.clear();
        for (std::size_t i = first; i < last; ++i)
            columns.push_back(patterns[i].keySum & (kWidth - 1));
        const int offset = firstFit(occupancy, columns, kWidth);
        if (offset < 0 || offset + columns.back() >= kSlots)
            std::abort(); // the rows no longer fit: the keys or the row width were changed
        displacement_[static_cast<std::size_t>(row)] = offset - (row << kRowBits);
        for (std::size_t i = first; i < last; ++i) {
            const int slot = offset + columns[i - first];
            occupancy.take(slot);
            ranks_[static_cast<std::size_t>(slot)] = rankByRules(cardsOf(patterns[i], false));
            ranks_[static_cast<std::size_t>(slot + kSlots)] =
                rankByRules(cardsOf(patterns[i], true));
        }
    }
}

} // namespace omaha
