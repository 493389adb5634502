#pragma once

#include "core/card.h"
#include "eval/rank_table.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace omaha {

// The rank patterns of two and of three cards, numbered.
namespace rank_patterns {

inline constexpr int kTriplePatterns = 455;
inline constexpr std::uint32_t kRowSize = 2 * kTriplePatterns;

// Each rank has a key such that the sums of any three keys, repeats allowed, all differ.
inline constexpr std::array<std::uint32_t, kRankCount> kTripleKey = {
    0, 1, 4, 13, 32, 71, 124, 218, 375, 572, 744, 1208, 1556};
inline constexpr std::uint32_t kMaxTripleKeySum = 3 * kTripleKey.back();

// The rank patterns of three cards numbered in ascending order, found by their key sums.
consteval std::array<std::uint16_t, kMaxTripleKeySum + 1> columnsOfKeySums() {
    std::array<std::uint16_t, kMaxTripleKeySum + 1> columns{};
    std::uint16_t n = 0;
    for (std::size_t a = 0; a < kRankCount; ++a)
        for (std::size_t b = a; b < kRankCount; ++b)
            for (std::size_t c = b; c < kRankCount; ++c)
                columns[static_cast<std::size_t>(kTripleKey[a] + kTripleKey[b] + kTripleKey[c])] =
                    n++;
    return columns;
}

// The rank patterns of two cards numbered in ascending order, by 13 * rank + rank in either
// order, as the offsets of their rows.
consteval std::array<std::uint32_t, kRankCount * kRankCount> rowsOfRanks() {
    std::array<std::uint32_t, kRankCount * kRankCount> rows{};
    std::uint32_t n = 0;
    for (std::size_t a = 0; a < kRankCount; ++a)
        for (std::size_t b = a; b < kRankCount; ++b) {
            rows[kRankCount * a + b] = rows[kRankCount * b + a] = n * kRowSize;
            ++n;
        }
    return rows;
}

inline constexpr auto kColumnOfKeySum = columnsOfKeySums();
inline constexpr auto kRowOfRanks = rowsOfRanks();

} // namespace rank_patterns

// The value of every two-plus-three combination, read with one addition and one load: a row for
// each rank pattern of the two private cards (91), and in it a column for each rank pattern of
// the three community cards (455), first for cards of mixed suits, then again for five cards of
// one suit.
class OmahaTable {
public:
    // An entry packs the selection score above the kicker, score << 14 | kicker, so that entries
    // compare as their scores do. Bits 8 to 13 stay zero: a search may note there a combination's
    // place in the search order and take a plain maximum, so that among equal scores the place
    // decides.
    using Entry = std::uint32_t;
    static constexpr int kPlaceShift = 8;

    static constexpr Entry pack(HandRank rank) noexcept {
        return static_cast<Entry>(rank.selectionScore()) << 14 | static_cast<Entry>(rank.kicker);
    }

    // Reads an entry back; any place bits a search put into it are ignored.
    static constexpr HandRank unpack(Entry entry) noexcept {
        const Entry kicker = entry & 0xFFu;
        const Entry score = entry >> 14;
        return {static_cast<std::int32_t>((score - kicker) / 40),
                static_cast<std::int32_t>(kicker)};
    }

    static constexpr int kTriplePatterns = rank_patterns::kTriplePatterns;
    static constexpr int kPairPatterns = 91;
    // Where the columns of five cards of one suit begin in a row.
    static constexpr std::uint32_t kFlushColumns = kTriplePatterns;
    static constexpr std::uint32_t kRowSize = rank_patterns::kRowSize;

    static constexpr std::uint32_t tripleKey(Rank rank) noexcept {
        return rank_patterns::kTripleKey[static_cast<std::size_t>(number(rank))];
    }

    // The column of the three cards whose keys add up to `keySum`, for mixed suits.
    static constexpr std::uint32_t column(std::uint32_t tripleKeySum) noexcept {
        return rank_patterns::kColumnOfKeySum[tripleKeySum];
    }

    // The table, built on the first call. Later calls cost one load and a well-predicted test,
    // and leave the one-time build out of the caller's way.
    static const OmahaTable& instance() noexcept {
        const OmahaTable* table = built_.load(std::memory_order_acquire);
        return table != nullptr ? *table : build();
    }

    // The row of two private cards of ranks r1 and r2, to be indexed by column.
    const Entry* row(Rank r1, Rank r2) const noexcept {
        const auto ranks = static_cast<std::size_t>(kRankCount * number(r1) + number(r2));
        return entries_.data() + rank_patterns::kRowOfRanks[ranks];
    }

private:
    OmahaTable() noexcept;
    static const OmahaTable& build() noexcept;

    static inline std::atomic<const OmahaTable*> built_{nullptr};

    std::array<Entry, kPairPatterns * kRowSize> entries_{};
};

} // namespace omaha
