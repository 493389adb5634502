#include "settings/settings_file.h"
#include "tests/temp_folder.h"
#include "tools/bounded_lines.h"
#include "tools/commands.h"
#include "tools/fresh_settings.h"
#include "tools/play_options.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <tuple>
#include <utility>
#include <vector>

namespace omaha {
namespace {

using namespace std::literals;

// The exit status and everything written.
std::pair<int, std::string> evaluate(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runEvalCommand({}, in, out, err);
    EXPECT_EQ(err.str(), "");
    return {status, out.str()};
}

TEST(EvalCommand, RanksFiveSevenAndNineCardsInEitherCase) {
    // The same nines ranked as five cards, then as Omaha hands where two private cards must play:
    // a pair before the board, or four private cards before it. Empty lines are skipped.
    EXPECT_EQ(evaluate("\t9c 9d  9h\t4s 3c \r\n\n   \n5c 5D 9c 9d 9h 2s 3c\n"
                       "9s ah kd 2C 9c 9d 9h 4s 3c\n"
                       "5h 4h 3h 2h Ah"), // the last line without a newline
              std::pair(0, std::string("307 11 Three Nines\n507 15 Full house Nines\n"
                                       "807 0 Four Nines\n1000 0 Straight flush\n")));
}

TEST(EvalCommand, ReportsBadLinesAndGoesOn) {
    const std::string longest = "2c 2d Ah Ks Qc" + std::string(kLongestLine - 14, ' ');
    const std::string tooLong = "the line is longer than 4096 characters";
    const std::pair<std::string, std::string> cases[] = {
        {"Ah", "1 card on the line; expected 5, 7 or 9"},
        {"2c 2d Ah Ks", "4 cards on the line; expected 5, 7 or 9"},
        {"2c 2d Ah Ks Qc Jc Tc 9c 8c 7c", "10 cards on the line; expected 5, 7 or 9"},
        {"2c 2d Ah Ks Qx", "not a card: 'Qx'"},
        {"2c 2d 10c Ks Qh Kingofhearts!", "not a card: '10c'"},
        {"2c 2d Ah Ks Kingofhearts!", "not a card: 'Kingofhearts...'"},
        // What the terminal shows is what the line held, with nothing it could act on.
        {"2c 2d Ah Ks Q\0c\x1b[2J\x7f\\"s, R"(not a card: 'Q\x00c\x1b[2J\x7f\\')"},
        {"2c 2d Ah AH Ks", "Ah appears more than once"},
        {"Ah Kd 2c 3c 4c 5c 6c 7c Ah", "Ah appears more than once"},
        {longest + " ", tooLong},
        {longest + std::string(100000, 'x'), tooLong}};
    for (const auto& [bad, error] : cases)
        EXPECT_EQ(evaluate(bad + "\n2c 2d Ah Ks Qc\n"),
                  std::pair(1, "error: " + error + "\n100 103 One pair Twos\n"));
    // The longest line that may be read, with a newline and at the end of the input without one.
    EXPECT_EQ(evaluate(longest + "\n" + longest),
              std::pair(0, std::string("100 103 One pair Twos\n100 103 One pair Twos\n")));
}

// What is wrong with a command line is named before the usage, with what was typed shown byte for
// byte. Whatever the settings file may hold as an integer goes into it as given; what the game
// then plays is pinned by the golden games.
TEST(PlayOptions, UnreadableOptionsAreNamedAndSettingsTakenAsGiven) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"--seed", "4294967296"}, "--seed needs a number from 0 to 4294967295, not '4294967296'"},
        {{"--hands", "-1"}, "--hands needs a number from 0 to 9223372036854775807, not '-1'"},
        {{"--script", ""}, "--script needs letters c, r and f, not ''"},
        {{"--script", "c\0"sv}, R"(--script needs letters c, r and f, not 'c\x00')"},
        {{"--colour", "3"}, "unknown option '--colour'"},
        {{"--\x7f\\"}, R"(unknown option '--\x7f\\')"},
        {{"--level", "2.5"}, "--level needs an integer, not '2.5'"},
        {{"--until", "+-1"}, "--until needs an integer, not '+-1'"},
        {{"--until", "0x100000000"}, "--until needs an integer, not '0x100000000'"},
        {{"--position", "street:flip"},
         "--position cannot be played: street needs preflop, flop, turn, river or showdown, not "
         "'flip'"}};
    for (const auto& [args, problem] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(runPlayCommand(args, out, err), 2) << problem;
        EXPECT_EQ(out.str(), "");
        EXPECT_TRUE(err.str().starts_with("omaha-sim play: " + problem + "\nusage: ")) << err.str();
    }
    const std::vector<std::string_view> given = {"--cash",       "0x1F",    "--until",
                                                 "-99999999999", "--hands", "9223372036854775807"};
    const ParsedPlayOptions parsed = parsePlayOptions(given);
    EXPECT_EQ(
        std::tuple(parsed.problem, parsed.options.cash, parsed.options.until, parsed.options.hands),
        std::tuple("", "0x1F", "-99999999999", INT64_MAX));
}

// clang-format off
// On the flop Master's bet is pending, Freak has folded.
constexpr std::string_view kFlopBet = "street:flop pot:25 out:1 opener:robot marker:expert call:2 bets:2/4 turn:you board:2c7d9hJsKc you:1198:AhAd3c4d:in freak:1200:AsAc3d4h:folded geek:1196:QhQd5c6d:in master:1196:3h4s5d6h:bet champ:1196:8c8d5h6s:in pinhead:1196:2d3s4c5s:in expert:1196:7c7h8h9c:in robot:1196:TcTdThJc:in";
// clang-format on

TEST(PositionCommand, WritesEachPositionBackOrWhyNoGameReachesIt) {
    std::istringstream in(" " + std::string(kFlopBet).replace(0, 11, "STREET:Flop") + "\n\n" +
                          std::string(kFlopBet) + " pot:3\n");
    std::ostringstream out, err;
    EXPECT_EQ(runPositionCommand({}, in, out, err), 1);
    EXPECT_EQ(out.str(), std::string(kFlopBet) + "\nerror: pot is given twice\n");
}

TEST(PlayCommand, PlaysOnFromAPosition) {
    const std::vector<std::string_view> args = {"--hands", "0", "--position", kFlopBet};
    std::ostringstream out, err;
    EXPECT_EQ(runPlayCommand(args, out, err), 0);
    const std::string startup = out.str().substr(0, out.str().find('\n'));
    EXPECT_TRUE(startup.starts_with(
        R"({"event":"startup","street":2,"pot":25,"outcount":1,"opener":1,"blindmarker":2,)"
        R"("tocall":2,"cash":[1198,1200,1196,1196,1196,1196,1196,1196],)"
        R"("folded":[false,true,false,false,false,false,false,false],)"
        R"("raised":[false,false,false,true,false,false,false,false],)"))
        << startup;
    EXPECT_NE(out.str().find(R"({"event":"call")"), std::string::npos);
}

// `play --coach`, wherever it stands among the options, writes the coach's line for each event to
// standard error, empty once the player has folded, and leaves standard output as it was.
TEST(PlayOptions, TheCoachWritesALineForEveryEventAndLeavesTheEventsAlone) {
    std::vector<std::string_view> plain = {"--seed", "3", "--hands", "0", "--script", "f"},
                                  coached = plain;
    coached.insert(coached.begin() + 2, "--coach");
    std::ostringstream out, coachedOut, coachLines;
    runPlayCommand(plain, out, out);
    runPlayCommand(coached, coachedOut, coachLines);
    EXPECT_EQ(coachedOut.str(), out.str());
    EXPECT_TRUE(coachLines.str().starts_with("Your cards: ") && coachLines.str().ends_with("%\n\n"))
        << coachLines.str(); // start-up, then the fold
}

// The built omaha-sim run as a player would run it, for what only a whole process shows: its
// exit status, a full disk, an output nobody can take. Each run gets an empty TMPDIR.
class SimBinary : public ::testing::Test {
protected:
    struct Run {
        int status;
        std::string output; // each scratch folder's random name as omaha-sim-XXXXXX
    };

    // Runs `command` in the shell, "sim" in it standing for the tool.
    Run run(std::string command) const {
        command.replace(command.find("sim"), 3, OMAHA_SIM_PATH);
        FILE* const pipe = popen(("export TMPDIR='" + tmp() + "'; " + command).c_str(), "r");
        if (pipe == nullptr)
            throw std::runtime_error("popen failed");
        std::string output;
        char buffer[256];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, got);
        const int status = pclose(pipe);
        EXPECT_TRUE(std::filesystem::is_empty(tmpdir_.path())) << command;
        static const std::regex scratchName("omaha-sim-[A-Za-z0-9]{6}");
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                std::regex_replace(output, scratchName, "omaha-sim-XXXXXX")};
    }

    // Runs `play` with all it prints, on a disk too small for the settings file to grow past the
    // size it has once the game has rewritten what `options` put in it: with SIGXFSZ ignored, a
    // write past the process's file size limit fails as on a full disk, "File too large".
    Run playOnFullDisk(const std::vector<std::string_view>& options) const {
        const test_files::TempFolder folder;
        SettingsFile file(folder / "vellum.ini");
        test_files::writeBytes(file.path(), freshSettingsText(parsePlayOptions(options).options));
        file.writeInts({{"Background", "Color", 0}}); // the value the file holds
        std::ostringstream command;
        command << "trap '' XFSZ; prlimit --fsize=" << std::filesystem::file_size(file.path())
                << " sim play";
        for (const std::string_view word : options)
            command << ' ' << word;
        return run(command.str() + " 2>&1");
    }

    std::string tmp() const { return tmpdir_.path().string(); }

private:
    const test_files::TempFolder tmpdir_;
};

TEST_F(SimBinary, EachRunExitsWithItsStatus) {
    const std::string unwritable =
        "error: Unable to write to " + tmp() + "/omaha-sim-XXXXXX/vellum.ini: ";
    const std::tuple<std::string, int, std::string> cases[] = {
        // A command line that cannot be read; standard error goes to the pipe.
        {"sim 2>&1", 2, "usage: omaha-sim eval < cards\n"},
        {"sim deal 2>&1", 2, "omaha-sim: unknown command 'deal'\nusage: omaha-sim eval < cards\n"},
        {"sim eval --x 2>&1", 2,
         "omaha-sim eval: unknown option '--x'\nusage: omaha-sim eval < cards\n"},
        {"sim eval cards 2>&1", 2,
         "omaha-sim eval: unexpected word 'cards'\nusage: omaha-sim eval < cards\n"},
        {"sim position -x 2>&1", 2,
         "omaha-sim position: unknown option '-x'\nusage: omaha-sim position < positions\n"},
        {"sim play --hands 2>&1", 2, "omaha-sim play: --hands needs a value\nusage: "},
        // No folder to put the settings file in.
        {"TMPDIR=/nonexistent sim play --hands 1 2>&1 >/dev/null", 3,
         "error: cannot create a temporary folder in /nonexistent: "},
        // Output that cannot be written.
        {"sim play --hands 2 2>&1 >/dev/full", 3, "error: cannot write the output\n"},
        {"echo 'Ah Kh Qh Jh Th' | sim eval 2>&1 >/dev/full", 3, "error: cannot write the output\n"},
        // Input that cannot be read: a folder.
        {"sim eval </ 2>&1", 3, "error: cannot read the input\n"},
        // No room even for the tool's own first write of the settings file.
        {"trap '' XFSZ; ulimit -f 0; sim play --hands 1 2>&1 >/dev/null", 3,
         unwritable + "File too large\n"},
        // --version and --help answer on standard output, alone on the command line; the version
        // itself is checked against project()'s by the test sim_version.
        {"sim --version 2>/dev/null", 0, "omaha-sim "},
        {"sim --help 2>/dev/null", 0, "usage: omaha-sim eval < cards\n"},
        {"sim --version x 2>&1", 2, "omaha-sim --version: unexpected word 'x'\nusage: "},
        {"sim --help --seed 2>&1", 2, "omaha-sim --help: unexpected word '--seed'\nusage: "},
        {"sim --version 2>&1 >/dev/full", 3, "error: cannot write the output\n"},
    };
    for (const auto& [command, status, start] : cases) {
        const Run ran = run(command);
        EXPECT_EQ(ran.status, status) << command;
        EXPECT_TRUE(ran.output.starts_with(start)) << command << ": " << ran.output;
    }
    EXPECT_NE(run("sim --help").output.find("       omaha-sim --version\n"), std::string::npos);
}

// The system's reason goes with the file that could not be written: after "error:" when the
// game cannot start, and in the message the press shows when it can.
TEST_F(SimBinary, AFailedWriteOfTheSettingsFileGivesTheReason) {
    const std::string unwritable =
        "Unable to write to " + tmp() + "/omaha-sim-XXXXXX/vellum.ini: File too large";
    // A target of 50 reads as 600, which start-up writes back: a digit more.
    const Run startup = playOnFullDisk({"--until", "50", "--hands", "1"});
    EXPECT_EQ(std::pair(startup.status, startup.output),
              std::pair(3, "error: " + unwritable + "\n"));
    // A seat that ends the first hand over 999 needs a digit more at the next deal.
    const Run deal = playOnFullDisk({"--cash", "999", "--hands", "1"});
    EXPECT_EQ(deal.status, 0);
    EXPECT_NE(deal.output.find("\"messages\":[\"" + unwritable + "\"]"), std::string::npos)
        << deal.output;
}

} // namespace
} // namespace omaha
