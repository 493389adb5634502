#include "ai/winning_chance.h"

#include "eval/omaha_hand.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace omaha {

namespace {

// A deal's share of the pot in whole units: every split among one to eight winners is exact.
constexpr std::int64_t kWholePot = 840;

// The cards the player cannot see, in card-index order, so that the same visible cards and the same
// random numbers always give the same deals whatever lies hidden.
struct UnseenCards {
    std::array<Card, kDeckSize> cards{};
    std::size_t count = 0;
};

UnseenCards unseenCards(const Hole& hole, std::span<const Card> shownBoard) noexcept {
    std::array<bool, kDeckSize> seen{};
    for (const Card& card : hole)
        seen[static_cast<std::size_t>(card.index())] = true;
    for (const Card& card : shownBoard)
        seen[static_cast<std::size_t>(card.index())] = true;
    UnseenCards unseen;
    for (std::int32_t index = 0; index < kDeckSize; ++index)
        if (!seen[static_cast<std::size_t>(index)])
            unseen.cards[unseen.count++] = Card::fromIndex(index);
    return unseen;
}

// A position from 0 to `count` - 1 by multiplying instead of dividing: draws are below 2^31, and
// the bias, under count / 2^31, is far below what the estimate can tell.
inline std::size_t randomBelow(std::size_t count, Random31& random) noexcept {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(random()) * count) >> 31);
}

} // namespace

double winningChance(const Hole& hole, std::span<const Card> shownBoard, int opponents,
                     Random31& random, int deals) noexcept {
    if (opponents <= 0 || deals <= 0)
        return 1.0;
    opponents = std::min(opponents, kMostOpponents);
    shownBoard = shownBoard.first(std::min<std::size_t>(shownBoard.size(), kBoardCards));

    UnseenCards unseen = unseenCards(hole, shownBoard);
    const std::size_t shown = shownBoard.size();
    const std::size_t missing = kBoardCards - shown;
    const std::size_t dealt = missing + kHoleCards * static_cast<std::size_t>(opponents);

    Board board{};
    std::copy(shownBoard.begin(), shownBoard.end(), board.begin());
    // On the river the player's hand is the same in every deal.
    const std::int32_t riverValue = missing == 0 ? bestOmahaRank(hole, board).showdownValue() : 0;

    std::int64_t won = 0;
    for (int deal = 0; deal < deals; ++deal) {
        // The first `dealt` unseen cards become a uniform random draw, whatever order the last deal
        // left: the missing community cards, then four cards for each opponent.
        for (std::size_t i = 0; i < dealt; ++i)
            std::swap(unseen.cards[i], unseen.cards[i + randomBelow(unseen.count - i, random)]);
        for (std::size_t k = 0; k < missing; ++k)
            board[shown + k] = unseen.cards[k];

        const std::int32_t own =
            missing == 0 ? riverValue : bestOmahaRank(hole, board).showdownValue();
        std::int64_t winners = 1;
        for (std::size_t first = missing; first < dealt; first += kHoleCards) {
            const Hole theirs = {unseen.cards[first], unseen.cards[first + 1],
                                 unseen.cards[first + 2], unseen.cards[first + 3]};
            const std::int32_t value = bestOmahaRank(theirs, board).showdownValue();
            if (value > own) {
                // Beaten: the rest of the opponents cannot change that.
                winners = 0;
                break;
            }
            if (value == own)
                ++winners;
        }
        if (winners > 0)
            won += kWholePot / winners;
    }
    return static_cast<double>(won) / (static_cast<double>(kWholePot) * deals);
}

} // namespace omaha
