// Start-up and the Deal button with a 50 MB settings file (a player's notes kept in it, or a file
// that some other program filled up): the game must still open and deal without a wait.
#include "engine/saved_game.h"
#include "settings/settings_file.h"

#include <benchmark/benchmark.h>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace omaha {
namespace {

// A folder of its own under the temporary folder, with a settings file of about 50 MB: the
// game's keys first, then either two million keys of a section that the game does not know or
// four million small sections.
class LargeSettingsFile {
public:
    explicit LargeSettingsFile(bool manySections)
        : folder_((std::filesystem::temp_directory_path() / "vellum-bench-XXXXXX").string()) {
        if (::mkdtemp(folder_.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        std::string text = "[Background]\nColor=0\n[Cash]\nplayer=1200\n[Notes]\n";
        for (int line = 0; text.size() < 50'000'000; ++line)
            text += manySections ? "[S" + std::to_string(line) + "]\nk=v\n"
                                 : "note" + std::to_string(line) + "=kept as it stands\n";
        std::ofstream(path()) << text;
    }
    ~LargeSettingsFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    LargeSettingsFile(const LargeSettingsFile&) = delete;
    LargeSettingsFile& operator=(const LargeSettingsFile&) = delete;

    std::filesystem::path path() const { return std::filesystem::path(folder_) / "vellum.ini"; }

private:
    std::string folder_;
};

// Each run takes seconds of writing; two give a fair figure.
void bothShapes(benchmark::internal::Benchmark* run) {
    run->ArgName("sections")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(2);
}

void startUp(benchmark::State& state) {
    const LargeSettingsFile large(state.range(0) != 0);
    for (auto _ : state) {
        TableState table;
        SettingsFile file(large.path());
        loadSavedGame(table, file);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(startUp)->Apply(bothShapes);

// What the Deal button writes: the background colour and every seat's cash.
void deal(benchmark::State& state) {
    const LargeSettingsFile large(state.range(0) != 0);
    SettingsFile file(large.path());
    TableState table;
    loadSavedGame(table, file);
    for (auto _ : state) {
        ++table.seats[kHuman].cash;
        saveDealSettings(table, file);
    }
}
BENCHMARK(deal)->Apply(bothShapes);

} // namespace
} // namespace omaha
