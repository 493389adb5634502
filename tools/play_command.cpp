#include "records/hand_recorder.h"
#include "records/hand_records.h"
#include "tools/command_failure.h"
#include "tools/commands.h"
#include "tools/play_options.h"
#include "tools/scripted_game.h"

#include <optional>
#include <ostream>

namespace omaha {

namespace {

constexpr std::string_view kPlayUsage =
    "usage: omaha-sim play [--seed N] [--hands N] [--script LETTERS] [--level N]\n"
    "                      [--small N] [--big N] [--cash N] [--until N]\n"
    "                      [--position TEXT] [--coach] [--record FILE]\n"
    "  LETTERS: c Check/Call, r Raise, f Fold, used in turn and cycled\n";

} // namespace

int runPlayCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const ParsedPlayOptions parsed = parsePlayOptions(args);
    if (!parsed.problem.empty()) {
        err << "omaha-sim play: " << parsed.problem << '\n' << kPlayUsage;
        return 2;
    }
    return runReportingFailures(out, err, [&] {
        ScriptedGame game(parsed.options);
        if (parsed.options.coach)
            game.coachTo(err);
        // The game's hands go to the records file as the window's would; trouble with the file
        // is told once and the game plays on.
        std::optional<HandRecords> records;
        std::optional<HandRecorder> recorder;
        if (!parsed.options.record.empty()) {
            records.emplace(parsed.options.record, [&err](const std::string& text) {
                err << "warning: " << text << '\n';
            });
            recorder.emplace(game.table(), *records);
            recorder->beginFreshGame();
            game.observeHands(*recorder);
        }
        game.play(out);
        return 0;
    });
}

} // namespace omaha
