#include "ai/simulating_opponents.h"
#include "engine/game.h"
#include "engine/recording_view.h"
#include "settings/atomic_file.h"
#include "settings/settings_file.h"
#include "tools/command_failure.h"
#include "tools/commands.h"
#include "tools/event_json.h"
#include "tools/fresh_settings.h"
#include "tools/play_options.h"
#include "tools/scratch_folder.h"

#include <exception>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace omaha {

namespace {

constexpr int kMostPressesInAHand = 1000;

constexpr std::string_view kPlayUsage =
    "usage: omaha-sim play [--seed N] [--hands N] [--script LETTERS] [--level N]\n"
    "                      [--small N] [--big N] [--cash N] [--until N]\n"
    "  LETTERS: c Check/Call, r Raise, f Fold, used in turn and cycled\n";

// Runs one press as the window would: an error ends the press and is shown in a box. The
// message keeps the reason that the window's box gives among its details.
template <typename Press>
void press(RecordingView& view, Press action) {
    try {
        action();
    } catch (const std::exception& error) {
        view.showMessage(failureText(error), "Error");
    }
}

// The tool's own first write of the settings file fails as the game's writes do, naming the file
// and the system's reason.
void writeFreshSettings(const SettingsFile& settings, const PlayOptions& options) {
    try {
        replaceFileAtomically(settings.path(), freshSettingsText(options), std::nullopt);
    } catch (const std::system_error& error) { // filesystem_error too
        throw SettingsWriteError(settings.path(), error.code().message());
    }
}

// Plays until the script's hands are dealt or the game is over; throws when it cannot go on.
void playGame(const PlayOptions& options, std::ostream& out) {
    const ScratchFolder scratch;
    SettingsFile settings(scratch.path() / "vellum.ini");
    writeFreshSettings(settings, options);

    RecordingView view;
    // The seed stands in for the clock, at the very moment the game would read it.
    SimulatingOpponents opponents;
    Game game(view, settings, opponents, [seed = options.seed] { return seed; });
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
            press(view, [&] { game.deal(); });
            report("deal");
            continue;
        }
        if (++presses > kMostPressesInAHand)
            throw std::runtime_error("hand " + std::to_string(deals) + " did not end within " +
                                     std::to_string(kMostPressesInAHand) + " presses");
        const char action = options.script[letter++ % options.script.size()];
        if (action == 'f') {
            press(view, [&] { game.fold(); });
            report("fold");
        } else if (action == 'r' && view.enabled(TableButton::Raise) &&
                   game.table().seats[kHuman].cash > 1) {
            press(view, [&] { game.raise(); });
            report("raise");
        } else {
            press(view, [&] { game.check(); });
            report("call");
        }
    }
}

} // namespace

int runPlayCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const ParsedPlayOptions parsed = parsePlayOptions(args);
    if (!parsed.problem.empty()) {
        err << "omaha-sim play: " << parsed.problem << '\n' << kPlayUsage;
        return 2;
    }
    return runReportingFailures(out, err, [&] {
        playGame(parsed.options, out);
        return 0;
    });
}

} // namespace omaha
