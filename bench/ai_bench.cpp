// The strength estimate of the computer players, measured against its floor: the random draws and
// transpositions of its samples, which no estimate can do without. The floor is measured with the
// game's own random source (on each vector path the processor has) and with the plain standard
// Mersenne Twister that the source reproduces, so the gain shows in one run.
#include "ai/assess.h"
#include "core/card.h"
#include "core/deck.h"
#include "core/random31.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace omaha {
namespace {

constexpr std::uint32_t kSeed = 20240601;

// A flop on which the hand is strong enough that most samples are played out against all six
// opponents (the estimate stops at the first opponent that beats it): top two pair.
constexpr Hole kHand = {Card{Suit::Spades, Rank::Ace}, Card{Suit::Hearts, Rank::King},
                        Card{Suit::Diamonds, Rank::Queen}, Card{Suit::Clubs, Rank::Six}};
// The flop Ad Kc 9h; the turn 4s and the river 2c are unseen.
constexpr Board kFlopBoard = {Card{Suit::Diamonds, Rank::Ace}, Card{Suit::Clubs, Rank::King},
                              Card{Suit::Hearts, Rank::Nine}, Card{Suit::Spades, Rank::Four},
                              Card{Suit::Clubs, Rank::Two}};

// One strength estimate on the flop at the level given as the argument.
void assessAtLevel(benchmark::State& state) {
    const auto level = static_cast<AiLevel>(state.range(0));
    Random31 random(kSeed);
    std::int32_t strength = 0;
    std::int64_t total = 0;
    for (auto _ : state) {
        strength = assess(kHand, kFlopBoard, Street::Flop, level, strength, random);
        benchmark::DoNotOptimize(strength);
        total += strength;
    }
    // The mean strength tells how many samples went the whole way through six opponents.
    state.counters["strength"] =
        benchmark::Counter(static_cast<double>(total), benchmark::Counter::kAvgIterations);
}

// The samples' draws and transpositions as the estimate makes them, on the vector path given.
void drawsFloor(benchmark::State& state, TwistPath path) {
    const auto level = state.range(0);
    Random31 random(kSeed, path);
    for (auto _ : state) {
        Deck simulationDeck = freshDeck();
        for (std::int64_t sample = 0; sample <= level; ++sample) {
            shuffleDeck<kSimulationSwaps>(simulationDeck, random);
            benchmark::DoNotOptimize(simulationDeck);
        }
    }
    state.SetLabel(std::string(pathName(path)));
}

// The same draws and transpositions made one draw at a time with std::mt19937.
void stdDrawsFloor(benchmark::State& state) {
    const auto level = state.range(0);
    std::mt19937 standard(kSeed);
    for (auto _ : state) {
        Deck simulationDeck = freshDeck();
        for (std::int64_t sample = 0; sample <= level; ++sample) {
            for (int swap = 0; swap < kSimulationSwaps; ++swap) {
                const std::uint32_t i = (standard() >> 1) % kDeckSize;
                const std::uint32_t j = (standard() >> 1) % kDeckSize;
                std::swap(simulationDeck[i], simulationDeck[j]);
            }
            benchmark::DoNotOptimize(simulationDeck);
        }
    }
}

// The estimate and its floors are compared in one run; on a busy machine the fastest repetition
// of each is the fairest figure.
double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

constexpr std::int64_t kGenius = levelValue(AiLevel::Genius);

// At every level the options panel offers.
BENCHMARK(assessAtLevel)
    ->Name("assess")
    ->Apply([](benchmark::internal::Benchmark* levels) {
        for (const AiLevel level : kAiLevels)
            levels->Arg(levelValue(level));
    })
    ->ComputeStatistics("min", fastest);
BENCHMARK_CAPTURE(drawsFloor, fastest, fastestPath())
    ->Name("draws_floor")
    ->Arg(kGenius)
    ->ComputeStatistics("min", fastest);
BENCHMARK(stdDrawsFloor)->Name("std_draws_floor")->Arg(kGenius)->ComputeStatistics("min", fastest);

// The floor on each path this processor can run, narrowest first.
const bool kEveryPathRegistered = [] {
    for (const TwistPath path : availablePaths())
        benchmark::RegisterBenchmark(("draws_floor_" + std::string(pathName(path))).c_str(),
                                     drawsFloor, path)
            ->Arg(kGenius)
            ->ComputeStatistics("min", fastest);
    return true;
}();

} // namespace
} // namespace omaha
