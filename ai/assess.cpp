#include "ai/assess.h"

#include "core/deck.h"
#include "eval/omaha_hand.h"

#include <cstddef>

namespace omaha {

namespace {

constexpr int kSimOpponents = 6;
// Each simulated opponent takes seven consecutive cards of the simulation deck: two hole cards,
// then five community cards of its own.
constexpr std::size_t kOpponentSpan = 7;
// The player's own unseen community cards come from the end of the simulation deck.
constexpr std::size_t kSimFlop = 48;
constexpr std::size_t kSimTurn = 50;
constexpr std::size_t kSimRiver = 51;

// Won samples count this much at each level, so that every level ends near 100 at most. Zero
// marks a level the estimate does not know.
constexpr std::int32_t wonSampleScale(AiLevel aiLevel) {
    switch (aiLevel) {
    case AiLevel::Amateur:
        return 5;
    case AiLevel::Expert:
        return 4;
    case AiLevel::Master:
        return 3;
    case AiLevel::Genius:
        return 2;
    default:
        return 0;
    }
}

// How many of the real community cards are face up, and so shared by every simulated opponent.
constexpr std::size_t knownBoardCards(Street street) {
    if (street <= Street::Preflop) {
        return 0;
    }
    if (street == Street::Flop) {
        return 3;
    }
    if (street == Street::Turn) {
        return 4;
    }
    return kBoardCards;
}

// The player's own board in this sample: the hand's real cards, with those not yet shown replaced
// from the simulation deck. Pre-flop only the flop is replaced: the real turn and river stay.
Board ownBoard(const Board& board, Street street, const Deck& simulationDeck) {
    Board own = board;
    if (street <= Street::Preflop) {
        own[0] = simulationDeck[kSimFlop];
        own[1] = simulationDeck[kSimFlop + 1];
        own[2] = simulationDeck[kSimFlop + 2];
    } else if (street == Street::Flop) {
        own[3] = simulationDeck[kSimTurn];
        own[4] = simulationDeck[kSimRiver];
    } else if (street == Street::Turn) {
        own[4] = simulationDeck[kSimRiver];
    }
    return own;
}

// Whether the player's hand, of value `own`, beats every simulated opponent of this sample. Only
// categories count, and a tie goes to the player. The first opponent that wins decides the sample,
// so the rest need no evaluation.
bool beatsSixOpponents(std::int32_t own, const Board& board, std::size_t known,
                       const Deck& simulationDeck) {
    for (int opponent = 0; opponent < kSimOpponents; ++opponent) {
        const std::size_t base = kOpponentSpan * static_cast<std::size_t>(opponent);
        Board theirs{};
        for (std::size_t k = 0; k < kBoardCards; ++k) {
            theirs[k] = k < known ? board[k] : simulationDeck[base + 2 + k];
        }
        if (bestPairRank(simulationDeck[base], simulationDeck[base + 1], theirs).category > own) {
            return false;
        }
    }
    return true;
}

} // namespace

std::int32_t assess(const Hole& hand, const Board& board, Street street, AiLevel aiLevel,
                    std::int32_t previous, Random31& random) noexcept {
    // An unknown level, which only a hand-edited settings file can give, would otherwise run an
    // arbitrary number of samples for nothing, and a large one would freeze the game.
    const std::int32_t scale = wonSampleScale(aiLevel);
    if (scale == 0) {
        return previous;
    }

    const std::size_t known = knownBoardCards(street);
    // Every estimate starts from a deck in card-index order, so that one random sequence always
    // gives the same samples.
    Deck simulationDeck = freshDeck();
    std::int32_t won = 0;
    for (std::int32_t sample = 0; sample <= levelValue(aiLevel); ++sample) {
        shuffleDeck<kSimulationSwaps>(simulationDeck, random);
        const std::int32_t own =
            bestOmahaRank(hand, ownBoard(board, street, simulationDeck)).category;
        if (beatsSixOpponents(own, board, known, simulationDeck)) {
            ++won;
        }
    }
    return won * scale;
}

} // namespace omaha
