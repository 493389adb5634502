#include "core/random31.h"
#include "engine/card.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace omaha {
namespace {

// One strength estimate at Genius mixes its simulation deck for 51 samples with 1001 random
// transpositions each: 102,102 draws. These benchmarks time those draws and swaps alone, the floor
// under the estimate, with the standard twister and with Random31, in one run.
constexpr int kSimSwaps = 1001;
constexpr std::uint32_t kSeed = 20240601;

Deck orderedDeck() {
    Deck deck{};
    for (int position = 0; position < kDeckSize; ++position) {
        deck[static_cast<std::size_t>(position)] = Card::fromIndex(position);
    }
    return deck;
}

void stdDrawsFloor(benchmark::State& state) {
    const auto level = state.range(0);
    std::mt19937 standard(kSeed);
    for (auto _ : state) {
        Deck deck = orderedDeck();
        for (std::int64_t sample = 0; sample <= level; ++sample) {
            for (int swap = 0; swap < kSimSwaps; ++swap) {
                const std::uint32_t i = (standard() >> 1) % kDeckSize;
                const std::uint32_t j = (standard() >> 1) % kDeckSize;
                std::swap(deck[i], deck[j]);
            }
            benchmark::DoNotOptimize(deck);
        }
    }
}

// The same with Random31 on `path`, each sample's card positions taken in one batch.
void simdDrawsFloor(benchmark::State& state, TwistPath path) {
    const auto level = state.range(0);
    Random31 random(kSeed, path);
    std::array<std::uint8_t, 2 * kSimSwaps> positions{};
    for (auto _ : state) {
        Deck deck = orderedDeck();
        for (std::int64_t sample = 0; sample <= level; ++sample) {
            random.takeModulo52(positions);
            for (std::size_t k = 0; k < positions.size(); k += 2) {
                std::swap(deck[positions[k]], deck[positions[k + 1]]);
            }
            benchmark::DoNotOptimize(deck);
        }
    }
    state.SetLabel(std::string(pathName(path)));
}

// The draws alone, without the swaps.
void simdTakesOnly(benchmark::State& state) {
    const auto level = state.range(0);
    Random31 random(kSeed);
    std::array<std::uint8_t, 2 * kSimSwaps> positions{};
    for (auto _ : state) {
        for (std::int64_t sample = 0; sample <= level; ++sample) {
            random.takeModulo52(positions);
            benchmark::DoNotOptimize(positions);
        }
    }
    state.SetLabel(std::string(pathName(random.path())));
}

// On a busy machine the fastest repetition is the fairest figure.
double fastestTime(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

constexpr std::int64_t kGeniusLevel = 50;

BENCHMARK(stdDrawsFloor)
    ->Name("std_draws_floor")
    ->Arg(kGeniusLevel)
    ->ComputeStatistics("min", fastestTime);
BENCHMARK_CAPTURE(simdDrawsFloor, fastest, fastestPath())
    ->Name("simd_draws_floor")
    ->Arg(kGeniusLevel)
    ->ComputeStatistics("min", fastestTime);
BENCHMARK(simdTakesOnly)
    ->Name("simd_takes_only")
    ->Arg(kGeniusLevel)
    ->ComputeStatistics("min", fastestTime);

// The floor on each path this processor can run, narrowest first.
const bool kEveryPathRegistered = [] {
    for (const TwistPath path : availablePaths()) {
        benchmark::RegisterBenchmark(("simd_draws_floor_" + std::string(pathName(path))).c_str(),
                                     simdDrawsFloor, path)
            ->Arg(kGeniusLevel)
            ->ComputeStatistics("min", fastestTime);
    }
    return true;
}();

} // namespace
} // namespace omaha
