#pragma once

#include "core/card.h"
#include "eval/hand_rank.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace omaha {

// The value of five cards depends only on their ranks, counted with repeats, and on whether all
// five suits are equal, so every value is read from one table built once on first use.
//
// Each rank has a key such that the sums of any five keys, repeats allowed, all differ. The sum
// is turned into a table slot without collisions by a per-row displacement: the sum's high bits
// pick a row, and the row's displacement moves it to where its entries fit between the others.
class RankTable {
public:
    // Greedily chosen: each key is the smallest that keeps all five-key sums distinct.
    static constexpr std::array<std::int32_t, kRankCount> kRankKey = {
        0, 1, 6, 31, 108, 366, 926, 2286, 5733, 12905, 27316, 44676, 94545};
    static constexpr std::int32_t kMaxKeySum = 5 * kRankKey.back();

    static constexpr std::int32_t key(Rank rank) noexcept {
        return kRankKey[static_cast<std::size_t>(number(rank))];
    }

    // The table, built on the first call. Later calls cost one load and a well-predicted test,
    // and leave the one-time build out of the caller's way.
    static const RankTable& instance() noexcept {
        const RankTable* table = built_.load(std::memory_order_acquire);
        return table != nullptr ? *table : build();
    }

    // The value of five cards. Five of one suit are rare enough for a branch that is almost
    // never taken.
    HandRank rankOf(const FiveCards& cards) const noexcept {
        const std::int32_t keySum = key(cards[0].rank) + key(cards[1].rank) + key(cards[2].rank) +
                                    key(cards[3].rank) + key(cards[4].rank);
        const int suit = number(cards[0].suit);
        if (((number(cards[1].suit) ^ suit) | (number(cards[2].suit) ^ suit) |
             (number(cards[3].suit) ^ suit) | (number(cards[4].suit) ^ suit)) == 0) [[unlikely]]
            return rank(keySum, true);
        return rank(keySum, false);
    }

    // The value of the five cards whose keys add up to `keySum`, all of one suit or not.
    HandRank rank(std::int32_t keySum, bool flush) const noexcept {
        const auto slot = keySum + displacement_[static_cast<std::uint32_t>(keySum >> kRowBits)] +
                          (static_cast<std::int32_t>(flush) << kFlushShift);
        return ranks_[static_cast<std::uint32_t>(slot)];
    }

private:
    RankTable() noexcept;
    static const RankTable& build() noexcept;

    static inline std::atomic<const RankTable*> built_{nullptr};

    // 128 key sums a row: with this width the rows pack into fewer than 8192 slots.
    static constexpr int kRowBits = 7;
    static constexpr int kRows = (kMaxKeySum >> kRowBits) + 1;
    // Hands of one suit read the upper half of the values.
    static constexpr int kFlushShift = 13;
    static constexpr int kSlots = 1 << kFlushShift;

    std::array<std::int32_t, kRows> displacement_{};
    std::array<HandRank, 2 * kSlots> ranks_{};
};

} // namespace omaha
