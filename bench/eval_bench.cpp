#include "core/card.h"
#include "eval/hand_rank.h"
#include "eval/omaha_hand.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <numeric>
#include <random>
#include <vector>

namespace omaha {
namespace {

// Enough deals that the branch predictor cannot learn them, few enough to stay in memory near
// the processor, as one game's hands would.
constexpr std::size_t kDeals = 1 << 12;

// A deal as the table holds it: one seat's private cards and the community cards.
struct Deal {
    Hole hole;
    Board board;
};

// Deals of nine distinct cards from a shuffled deck.
std::vector<Deal> randomDeals() {
    std::mt19937 random(20240611);
    std::array<std::int32_t, kDeckSize> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::vector<Deal> deals(kDeals);
    for (Deal& deal : deals) {
        std::shuffle(deck.begin(), deck.end(), random);
        for (std::size_t i = 0; i < kHoleCards; ++i)
            deal.hole[i] = Card::fromIndex(deck[i]);
        for (std::size_t i = 0; i < kBoardCards; ++i)
            deal.board[i] = Card::fromIndex(deck[kHoleCards + i]);
    }
    return deals;
}

// The tables are built on first use; that one-time cost stays out of the measurement.
void buildTables() {
    benchmark::DoNotOptimize(bestOmahaRank(Hole{}, Board{}));
    benchmark::DoNotOptimize(rankFive(FiveCards{}));
}

// Time per call over random hands of five distinct cards.
void rankFiveBench(benchmark::State& state) {
    std::vector<FiveCards> hands;
    for (const Deal& deal : randomDeals())
        hands.push_back({deal.hole[0], deal.hole[1], deal.board[0], deal.board[1], deal.board[2]});
    buildTables();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rankFive(hands[i]));
        i = (i + 1) % kDeals;
    }
}
BENCHMARK(rankFiveBench)->Name("rank_five");

// Time per call over random deals, for the first two private cards.
void bestPairRankBench(benchmark::State& state) {
    const std::vector<Deal> deals = randomDeals();
    buildTables();
    std::size_t i = 0;
    for (auto _ : state) {
        const Deal& deal = deals[i];
        benchmark::DoNotOptimize(bestPairRank(deal.hole[0], deal.hole[1], deal.board));
        i = (i + 1) % kDeals;
    }
}
BENCHMARK(bestPairRankBench)->Name("best_pair_rank");

// Time per call over random deals of four private and five community cards.
void bestOmahaRankBench(benchmark::State& state) {
    const std::vector<Deal> deals = randomDeals();
    buildTables();
    std::size_t i = 0;
    for (auto _ : state) {
        const Deal& deal = deals[i];
        benchmark::DoNotOptimize(bestOmahaRank(deal.hole, deal.board));
        i = (i + 1) % kDeals;
    }
}
BENCHMARK(bestOmahaRankBench)->Name("best_omaha_rank");

} // namespace
} // namespace omaha
