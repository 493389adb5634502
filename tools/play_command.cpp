#include "engine/game.h"
#include "engine/recording_view.h"
#include "tools/command_failure.h"
#include "tools/commands.h"
#include "tools/event_json.h"
#include "tools/play_options.h"
#include "tools/scratch_folder.h"

#include <exception>
#include <ostream>
#include <stdexcept>
#include <string>

namespace omaha {

namespace {

constexpr int kMostPressesInAHand = 1000;

constexpr std::string_view kPlayUsage =
    "usage: omaha-sim play [--seed N] [--hands N] [--script LETTERS] [--level N]\n"
    "                      [--small N] [--big N] [--cash N] [--until N]\n"
    "  LETTERS: c Check/Call, r Raise, f Fold, used in turn and cycled\n";

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

// Plays until the script's hands are dealt or the game is over; throws when it cannot go on.
void playGame(const PlayOptions& options, std::ostream& out) {
    const ScratchFolder scratch;
    const SettingsFile settings(scratch.path() / "vellum.ini");
    writeFreshSettings(settings, options);

    RecordingView view;
    // The seed stands in for the clock, at the very moment the game would read it.
    Game game(view, settings, [seed = options.seed] { return seed; });
    auto report = [&](std::string_view event) {
        out << eventJson(event, game.table(), view, view.takeMessages()) << '\n';
        requireWritten(out);
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
            return; // the game is over
        if (deal) {
            if (deals >= options.hands)
                return;
            ++deals;
            presses = 0;
            press(view, [&] { game.newgame(); });
            report("deal");
            continue;
        }
        if (++presses > kMostPressesInAHand)
            throw std::runtime_error("hand " + std::to_string(deals) + " did not end within " +
                                     std::to_string(kMostPressesInAHand) + " presses");
        const char action = options.script[letter++ % options.script.size()];
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

} // namespace

int runPlayCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const auto options = parsePlayOptions(args);
    if (!options) {
        err << kPlayUsage;
        return 2;
    }
    return runReportingFailures(out, err, [&] {
        playGame(*options, out);
        return 0;
    });
}

} // namespace omaha
