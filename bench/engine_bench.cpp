// The costliest single button press: the human's Raise on the flop at the Genius level, which the
// seven computer players answer before each takes a turn, fourteen strength estimates in all.
#include "engine/game.h"

#include <benchmark/benchmark.h>
#include <filesystem>

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
    void paintcards(const TableState&) override {}
    void erasearea(Rect) override {}
    void showMessage(std::string_view, std::string_view) override {}
    bool askYesNo(std::string_view, std::string_view) override { return true; }
};

void costliestPress(benchmark::State& state) {
    NoView view;
    // The press writes no settings, so the file is never created.
    Game game(view, SettingsFile(std::filesystem::temp_directory_path() / "omaha-bench-unused.ini"),
              [] { return 5u; });
    TableState& table = game.table();
    table.complevel = kGenius;
    table.smallbet = 2;
    table.bigbet = 4;
    table.initialcash = 1200;
    table.untilcash = 600;
    for (Seat& seat : table.seats)
        seat = Seat{1200, {}, false, false};
    // This deal has every computer player answer the raise and then take a turn: fourteen
    // estimates, none of them a fold.
    table.random.seed(5);
    game.builddeck();
    game.dealhand();
    table.street = kFlop;
    table.opener = kHuman;
    table.pot = 24;
    const TableState flop = table;

    for (auto _ : state) {
        table = flop;
        game.playerbets();
        benchmark::DoNotOptimize(table.pot);
    }
}
BENCHMARK(costliestPress)->Name("costliest_press")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace omaha
