// The costliest single button press: the human's Raise on the flop at the Genius level, which the
// seven computer players answer before each takes a turn, fourteen strength estimates in all.
#include "ai/simulating_opponents.h"
#include "engine/game.h"
#include "engine/position.h"

#include <benchmark/benchmark.h>

namespace omaha {
namespace {

// A window that shows nothing, so that only the game's own work is measured.
class NoView final : public TableView {
public:
    void showStatus(SeatCode, std::string_view) override {}
    void colourStatus(SeatCode, StatusColour) override {}
    void showCash(SeatCode, std::int32_t) override {}
    void showPot(std::int32_t) override {}
    void showResult(std::string_view) override {}
    void enableButton(TableButton, bool) override {}
    void setStayCaption(std::string_view) override {}
    void showCards(const TableState&) override {}
    void wipeSeatCards(SeatCode) override {}
    void wipeBoard() override {}
    void showMessage(std::string_view, std::string_view) override {}
};

// Settings of a first run at the Genius level, and a press that writes none.
class GeniusSettings final : public SettingsStore {
public:
    std::int32_t readInt(std::string_view section, std::string_view,
                         std::int32_t fallback) const override {
        return section == "Levels" ? levelValue(AiLevel::Genius) : fallback;
    }
    void writeInts(std::span<const IntSetting>) override {}
};

void costliestPress(benchmark::State& state) {
    NoView view;
    SimulatingOpponents opponents;
    GeniusSettings settings;
    // From this flop, with the random source seeded by the clock's 88, every computer player
    // answers the raise and then takes a turn: fourteen estimates, none of them a fold.
    Game game(view, settings, opponents, [] { return 88u; });
    // clang-format off
    const Position flop = readPosition("street:flop pot:24 out:0 opener:you marker:robot call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1198:AhAd3c4d:in freak:1198:AsAc3d4h:in geek:1198:QhQd5c6d:in master:1198:3h4s5d6h:in champ:1198:8c8d5h6s:in pinhead:1198:2d3s4c5s:in expert:1198:7c7h8h9c:in robot:1198:TcTdThJc:in").position;
    // clang-format on
    for (auto _ : state) {
        state.PauseTiming();
        game.startFrom(flop);
        state.ResumeTiming();
        game.raise();
        benchmark::DoNotOptimize(game.table().pot);
    }
}
BENCHMARK(costliestPress)->Name("costliest_press")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace omaha
