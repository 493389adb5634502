#include "ai/assess.h"
#include "ai/simdeck.h"
#include "core/card.h"
#include "core/random31.h"
#include "core/table_state.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace omaha {
namespace {

// A flop on which the hand is strong enough that most samples are played out against all six
// opponents (the estimate stops at the first opponent that beats it): top two pair.
constexpr Hole kHand = {Card{3, 12}, Card{2, 11}, Card{1, 10}, Card{0, 4}}; // As Kh Qd 6c
constexpr Board kFlopBoard = {Card{1, 12}, Card{0, 11}, Card{2, 7},         // Ad Kc 9h
                              Card{3, 2}, Card{0, 0}};                      // unseen: 4s 2c

// One strength estimate on the flop at the level given as the argument.
void assessAtLevel(benchmark::State& state) {
    const auto level = static_cast<std::int32_t>(state.range(0));
    Random31 random(20240601);
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

// What no estimate at the level can do without: its samples' random draws and transpositions.
// The estimate is measured against this.
void drawsFloor(benchmark::State& state) {
    const auto level = static_cast<std::int32_t>(state.range(0));
    Random31 random(20240601);
    for (auto _ : state) {
        Deck simdeck = freshsimdeck();
        for (std::int32_t sample = 0; sample <= level; ++sample) {
            shufflesimdeck(simdeck, random);
            benchmark::DoNotOptimize(simdeck);
        }
    }
}

// The estimate is compared with its floor in one run; on a busy machine the fastest repetition
// of each is the fairest figure.
double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK(assessAtLevel)
    ->Name("assess")
    ->Arg(AiLevel::Amateur)
    ->Arg(AiLevel::Expert)
    ->Arg(AiLevel::Master)
    ->Arg(AiLevel::Genius)
    ->ComputeStatistics("min", fastest);
BENCHMARK(drawsFloor)->Name("draws_floor")->Arg(AiLevel::Genius)->ComputeStatistics("min", fastest);

} // namespace
} // namespace omaha
