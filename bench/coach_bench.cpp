// One update of the coach's line: the advice for the table as it stands and its text, as the
// window asks for it after every change of the table. The player must not notice it, so the worst
// position, seven opponents before the flop, should stay well under 10 ms on one core.
#include "core/dealing.h"
#include "core/deck.h"
#include "engine/coach.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace omaha {
namespace {

// A hand on `street` with the human and `opponents` computer seats still in, a bet to call.
TableState positionWith(Street street, int opponents) {
    TableState table;
    for (Seat& seat : table.seats)
        seat.cash = 1200;
    table.smallBet = 2;
    table.bigBet = 4;
    table.deck = freshDeck();
    shuffleDeck(table.deck, table.random);
    dealFromDeck(table);
    table.phase = HandPhase::Betting;
    table.street = street;
    table.pot = 21;
    table.amountToCall = 2;
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        table.seats[seat].folded = kFreak - seat >= opponents;
    table.seats[kFreak].raised = true;
    return table;
}

void coachUpdate(benchmark::State& state) {
    const auto street = static_cast<Street>(state.range(0));
    const TableState table = positionWith(street, static_cast<int>(state.range(1)));
    Random31 coachRandom(coachSeed(1));
    for (auto _ : state) {
        const std::string line = coachLine(adviceFor(table, coachRandom));
        benchmark::DoNotOptimize(line.data());
    }
}

double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK(coachUpdate)
    ->Name("coach")
    ->ArgNames({"street", "opponents"})
    ->Args({streetNumber(Street::Preflop), 7})
    ->Args({streetNumber(Street::Preflop), 3})
    ->Args({streetNumber(Street::Preflop), 1})
    ->Args({streetNumber(Street::Flop), 7})
    ->Args({streetNumber(Street::Turn), 3})
    ->Args({streetNumber(Street::River), 1})
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", fastest);

} // namespace
} // namespace omaha
