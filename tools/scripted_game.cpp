#include "tools/scripted_game.h"

#include "engine/coach.h"
#include "settings/atomic_file.h"
#include "tools/command_failure.h"
#include "tools/event_json.h"
#include "tools/fresh_settings.h"

#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

namespace omaha {

namespace {

// A hand that takes more presses than this would never end: a fault of the game.
constexpr int kMostPressesInAHand = 1000;

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

} // namespace

ScriptedGame::ScriptedGame(const PlayOptions& options)
    : options_(options), settings_(scratch_.path() / "vellum.ini"),
      game_(view_, settings_, opponents_, [seed = options.seed] { return seed; }),
      coachRandom_(coachSeed(options.seed)) {
    writeFreshSettings(settings_, options_);
}

void ScriptedGame::report(std::string_view event, std::ostream& out) {
    out << eventJson(event, game_.table(), view_, view_.takeMessages()) << '\n';
    requireWritten(out);
    if (coachLines_ != nullptr)
        *coachLines_ << coachLine(adviceFor(game_.table(), coachRandom_, coachDeals_)) << '\n';
}

void ScriptedGame::play(std::ostream& out) {
    if (options_.position)
        game_.startFrom(*options_.position);
    else
        game_.startup();
    report("startup", out);

    std::int64_t deals = 0;
    int presses = 0;
    std::size_t letter = 0;
    for (;;) {
        const bool deal = view_.enabled(TableButton::Deal);
        if (!deal && !view_.enabled(TableButton::Stay) && !view_.enabled(TableButton::Raise) &&
            !view_.enabled(TableButton::Fold))
            return; // the game is over
        if (deal) {
            if (deals >= options_.hands)
                return;
            ++deals;
            presses = 0;
            press(view_, [&] { game_.deal(); });
            report("deal", out);
            continue;
        }
        if (++presses > kMostPressesInAHand)
            throw std::runtime_error("hand " + std::to_string(deals) + " did not end within " +
                                     std::to_string(kMostPressesInAHand) + " presses");
        const char action = options_.script[letter++ % options_.script.size()];
        if (action == 'f') {
            press(view_, [&] { game_.fold(); });
            report("fold", out);
        } else if (action == 'r' && view_.enabled(TableButton::Raise) &&
                   game_.table().seats[kHuman].cash > 1) {
            press(view_, [&] { game_.raise(); });
            report("raise", out);
        } else {
            press(view_, [&] { game_.check(); });
            report("call", out);
        }
    }
}

} // namespace omaha
