#include "eval/omaha_table.h"

namespace omaha {

const OmahaTable& OmahaTable::build() noexcept {
    static const OmahaTable table;
    built_.store(&table, std::memory_order_release);
    return table;
}

OmahaTable::OmahaTable() noexcept {
    const RankTable& fiveCards = RankTable::instance();
    for (int a = 0; a < 13; ++a) {
        for (int b = a; b < 13; ++b) {
            const auto pairRow =
                static_cast<std::size_t>(row(Card{0, a}, Card{0, b}) - entries_.data());
            const std::int32_t pairKeySum = RankTable::kRankKey[static_cast<std::size_t>(a)] +
                                            RankTable::kRankKey[static_cast<std::size_t>(b)];
            for (int c = 0; c < 13; ++c)
                for (int d = c; d < 13; ++d)
                    for (int e = d; e < 13; ++e) {
                        const Card cc{0, c}, cd{0, d}, ce{0, e};
                        const std::size_t at =
                            pairRow + column(tripleKey(cc) + tripleKey(cd) + tripleKey(ce));
                        const std::int32_t keySum = pairKeySum + RankTable::key(cc) +
                                                    RankTable::key(cd) + RankTable::key(ce);
                        entries_[at] = pack(fiveCards.rank(keySum, false));
                        entries_[at + kFlushColumns] = pack(fiveCards.rank(keySum, true));
                    }
        }
    }
}

} // namespace omaha
