// The costliest single button press: the human's Raise on the flop at the Genius level, which the
// seven computer players answer before each takes a turn, fourteen strength estimates in all.
#include "ai/simulating_opponents.h"
#include "core/dealing.h"
#include "core/deck.h"
#include "engine/game.h"
#include "tests/game_position.h"

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

// The press writes no settings.
class NoSettings final : public SettingsStore {
public:
    std::int32_t readInt(std::string_view, std::string_view, std::int32_t fallback) const override {
        return fallback;
    }
    void writeInts(std::span<const IntSetting>) override {}
};

void costliestPress(benchmark::State& state) {
    NoView view;
    // The press writes no settings, so the file is never created.
    SimulatingOpponents opponents;
    NoSettings settings;
    Game game(view, settings, opponents, [] { return 5u; });
    TableState& table = GamePosition::table(game);
    table.aiLevel = AiLevel::Genius;
    table.smallBet = 2;
    table.bigBet = 4;
    table.startingCash = 1200;
    table.targetMargin = 600;
    for (Seat& seat : table.seats)
        seat = Seat{1200, {}, false, false};
    // This deal has every computer player answer the raise and then take a turn: fourteen
    // estimates, none of them a fold.
    table.random.seed(5);
    table.deck = freshDeck();
    shuffleDeck(table.deck, table.random);
    dealFromDeck(table);
    table.street = Street::Flop;
    table.opener = kHuman;
    table.pot = 24;
    const TableState flop = table;

    for (auto _ : state) {
        table = flop;
        game.raise();
        benchmark::DoNotOptimize(table.pot);
    }
}
BENCHMARK(costliestPress)->Name("costliest_press")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace omaha
