#include "eval/hand_rank.h"
#include "eval/rank_table.h"

namespace omaha {

HandRank rankFive(const FiveCards& cards) noexcept {
    return RankTable::instance().rankOf(cards);
}

} // namespace omaha
