// The headless companion of the game: the same engine, evaluator, opponents and settings code,
// driven from the command line.
#include "tools/command_failure.h"
#include "tools/commands.h"
#include "tools/quoted_word.h"

#include <iostream>
#include <span>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "usage: omaha-sim eval < cards\n"
    "       omaha-sim position < positions\n"
    "       omaha-sim play [--seed N] [--hands N] [--script LETTERS]\n"
    "                      [--level N] [--small N] [--big N]\n"
    "                      [--cash N] [--until N] [--position TEXT] [--coach]\n"
    "                      [--record FILE]\n"
    "       omaha-sim --version\n"
    "       omaha-sim --help\n";

// --version and --help answer on standard output and take no other word.
int runAnswer(std::span<const std::string_view> args, std::string_view answer) {
    if (args.size() > 1) {
        std::cerr << "omaha-sim " << args[0] << ": unexpected word " << omaha::quotedWord(args[1])
                  << '\n'
                  << kUsage;
        return 2;
    }
    return omaha::runReportingFailures(std::cout, std::cerr, [answer] {
        std::cout << answer;
        return 0;
    });
}

} // namespace

int main(int argc, char** argv) {
    // The streams' own buffers rather than C's: a read error then marks std::cin as bad instead
    // of passing for the end of the input.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const auto options = std::span(args).subspan(1);
    // The version is the project's, set once in CMakeLists.txt.
    if (args[0] == "--version")
        return runAnswer(args, "omaha-sim " OMAHA_VERSION "\n");
    if (args[0] == "--help")
        return runAnswer(args, kUsage);
    if (args[0] == "eval")
        return omaha::runEvalCommand(options, std::cin, std::cout, std::cerr);
    if (args[0] == "position")
        return omaha::runPositionCommand(options, std::cin, std::cout, std::cerr);
    if (args[0] == "play")
        return omaha::runPlayCommand(options, std::cout, std::cerr);
    std::cerr << "omaha-sim: unknown command " << omaha::quotedWord(args[0]) << '\n' << kUsage;
    return 2;
}
