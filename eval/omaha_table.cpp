#include "eval/omaha_table.h"

namespace omaha {

const OmahaTable& OmahaTable::build() noexcept {
    static const OmahaTable table;
    built_.store(&table, std::memory_order_release);
    return table;
}

OmahaTable::OmahaTable() noexcept {
    const RankTable& fiveCards = RankTable::instance();
    const auto rank = [](int n) { return static_cast<Rank>(n); };
    for (int a = 0; a < kRankCount; ++a) {
        for (int b = a; b < kRankCount; ++b) {
            const auto pairRow = static_cast<std::size_t>(row(rank(a), rank(b)) - entries_.data());
            const std::int32_t pairKeySum = RankTable::key(rank(a)) + RankTable::key(rank(b));
            for (int c = 0; c < kRankCount; ++c)
                for (int d = c; d < kRankCount; ++d)
                    for (int e = d; e < kRankCount; ++e) {
                        const std::size_t at =
                            pairRow +
                            column(tripleKey(rank(c)) + tripleKey(rank(d)) + tripleKey(rank(e)));
                        const std::int32_t keySum = pairKeySum + RankTable::key(rank(c)) +
                                                    RankTable::key(rank(d)) +
                                                    RankTable::key(rank(e));
                        entries_[at] = pack(fiveCards.rank(keySum, false));
                        entries_[at + kFlushColumns] = pack(fiveCards.rank(keySum, true));
                    }
        }
    }
}

} // namespace omaha
