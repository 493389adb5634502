#include "eval/best_five.h"

#include "eval/omaha_orders.h"

namespace omaha {

BestFive bestFive(const Hole& hole, const Board& board, std::size_t shownCards) {
    BestFive best{};
    bool first = true;
    for (const auto& pair : kPrivatePairs)
        for (const auto& triple : kCommunityTriples) {
            // Each triple lists its positions in ascending order.
            if (triple[2] >= shownCards)
                continue;
            const BestFive candidate{{},
                                     {hole[pair[0]], hole[pair[1]]},
                                     {board[triple[0]], board[triple[1]], board[triple[2]]}};
            const HandRank rank = rankFive({candidate.own[0], candidate.own[1], candidate.shared[0],
                                            candidate.shared[1], candidate.shared[2]});
            // Only a strictly better score replaces the earlier combination.
            if (first || rank.selectionScore() > best.rank.selectionScore()) {
                best = candidate;
                best.rank = rank;
                first = false;
            }
        }
    return best;
}

} // namespace omaha
