#include "engine/game.h"
#include "engine/recording_view.h"
#include "tools/commands.h"
#include "tools/event_json.h"
#include "tools/play_options.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <ostream>
#include <string>

namespace omaha {

namespace {

constexpr int kMostPressesInAHand = 1000;

constexpr std::string_view kPlayUsage =
    "usage: omaha-sim play [--seed N] [--hands N] [--script LETTERS] [--level N]\n"
    "                      [--small N] [--big N] [--cash N] [--until N]\n"
    "  LETTERS: c Check/Call, r Raise, f Fold, used in turn and cycled\n";

// A settings file of the tool's own in a fresh temporary folder, removed when the game is over:
// the player's own file is never touched.
class ScratchSettings {
public:
    ScratchSettings() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "omaha-sim-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        folder_ = pattern;
    }
    ~ScratchSettings() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchSettings(const ScratchSettings&) = delete;
    ScratchSettings& operator=(const ScratchSettings&) = delete;

    std::filesystem::path file() const { return folder_ / "vellum.ini"; }

private:
    std::filesystem::path folder_;
};

void writeFreshSettings(const SettingsFile& file, const PlayOptions& options) {
    file.writeInt("Background", "Color", 0);
    for (const char* key :
         {"freak", "player", "geek", "master", "champ", "pinhead", "expert", "robot"})
        file.writeInt("Cash", key, options.cash);
    file.writeInt("Cash", "until", options.until);
    file.writeInt("Cash", "initial", options.cash);
    file.writeInt("Card", "back", kFirstCardBack);
    file.writeInt("Levels", "comp", options.level);
    file.writeInt("Bet", "small", options.small);
    file.writeInt("Bet", "big", options.big);
}

// Runs one press as the window would: an error ends the press and is shown in a box.
template <typename Press>
void press(RecordingView& view, Press action) {
    try {
        action();
    } catch (const std::exception& error) {
        view.showMessage(error.what(), "Error");
    }
}

} // namespace

int runPlayCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const auto options = parsePlayOptions(args);
    if (!options) {
        err << kPlayUsage;
        return 2;
    }
    ScratchSettings scratch;
    const SettingsFile settings(scratch.file());
    writeFreshSettings(settings, *options);

    RecordingView view;
    // The seed stands in for the clock, at the very moment the game would read it.
    Game game(view, settings, [seed = options->seed] { return seed; });
    auto report = [&](std::string_view event) {
        out << eventJson(event, game.table(), view, view.takeMessages()) << '\n';
    };

    game.startup();
    report("startup");

    std::int64_t deals = 0;
    int presses = 0;
    std::size_t letter = 0;
    for (;;) {
        const bool deal = view.enabled(TableButton::Deal);
        if (!deal && !view.enabled(TableButton::Stay) && !view.enabled(TableButton::Raise) &&
            !view.enabled(TableButton::Fold))
            return 0; // the game is over
        if (deal) {
            if (deals >= options->hands)
                return 0;
            ++deals;
            presses = 0;
            press(view, [&] { game.newgame(); });
            report("deal");
            continue;
        }
        if (++presses > kMostPressesInAHand) {
            err << "error: hand " << deals << " did not end within " << kMostPressesInAHand
                << " presses\n";
            return 3;
        }
        const char action = options->script[letter++ % options->script.size()];
        if (action == 'f') {
            press(view, [&] { game.playerpasses(); });
            report("fold");
        } else if (action == 'r' && view.enabled(TableButton::Raise) &&
                   game.table().seats[kHuman].cash > 1) {
            press(view, [&] { game.playerbets(); });
            report("raise");
        } else {
            press(view, [&] { game.playerstays(); });
            report("call");
        }
    }
}

} // namespace omaha
