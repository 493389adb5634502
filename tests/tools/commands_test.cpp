#include "tools/bounded_lines.h"
#include "tools/commands.h"
#include "tools/play_options.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>
#include <streambuf>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <tuple>
#include <utility>
#include <vector>

namespace omaha {
namespace {

// The exit status and everything written.
std::pair<int, std::string> evaluate(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runEvalCommand(in, out, err);
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

// Input that breaks down once `text` has been read, then seems to end.
struct BreakingInput : std::streambuf {
    explicit BreakingInput(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }
    int_type underflow() override {
        if (std::exchange(broken_, true))
            return traits_type::eof();
        throw std::runtime_error("the disk is gone");
    }
    std::string text_;
    bool broken_ = false;
};

TEST(EvalCommand, LostOutputOrUnreadableInputEndsTheRunWithStatusThree) {
    for (const std::string& read : {std::string("2c 2d Ah Ks Qc\n"), std::string(5000, 'x')}) {
        BreakingInput broken(read);
        std::istream in(&broken);
        std::ostringstream out, err;
        EXPECT_EQ(runEvalCommand(in, out, err), 3);
        EXPECT_EQ(err.str(), "error: cannot read the input\n");
    }
    std::istringstream in("2c 2d Ah Ks Qc\n2c 2d Ah Ks Qc\n");
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(runEvalCommand(in, out, err), 3);
    EXPECT_EQ(err.str(), "error: cannot write the output\n");
    std::string rest; // it stops at the first line it could not answer
    EXPECT_TRUE(std::getline(in, rest));
}

// What is wrong with a command line is named before the usage. Whatever the settings file may
// hold as an integer goes into it as given, and a game may end before its first deal; what the
// game then plays is pinned by the golden games.
TEST(PlayOptions, UnreadableOptionsAreNamedAndSettingsTakenAsGiven) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"--seed", "4294967296"}, "--seed needs a number from 0 to 4294967295, not '4294967296'"},
        {{"--hands", "ten"}, "--hands needs a number from 0 up, not 'ten'"},
        {{"--hands", "-1"}, "--hands needs a number from 0 up, not '-1'"},
        {{"--script", ""}, "--script needs letters c, r and f, not ''"},
        {{"--script", "cx"}, "--script needs letters c, r and f, not 'cx'"},
        {{"--colour", "3"}, "unknown option '--colour'"},
        {{"--level", "2.5"}, "--level needs an integer, not '2.5'"},
        {{"--until", "+-1"}, "--until needs an integer, not '+-1'"},
        {{"--until", "0x100000000"}, "--until needs an integer, not '0x100000000'"}};
    for (const auto& [args, problem] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(runPlayCommand(args, out, err), 2) << problem;
        EXPECT_EQ(out.str(), "");
        EXPECT_TRUE(err.str().starts_with("omaha-sim play: " + problem + "\nusage: ")) << err.str();
    }
    const std::vector<std::string_view> given = {"--cash",       "0x1F",    "--until",
                                                 "-99999999999", "--hands", "0"};
    const ParsedPlayOptions parsed = parsePlayOptions(given);
    EXPECT_EQ(
        std::tuple(parsed.problem, parsed.options.cash, parsed.options.until, parsed.options.hands),
        std::tuple("", "0x1F", "-99999999999", 0));
}

// The built omaha-sim run as a player would run it, for what only a whole process shows: its
// exit status, a full disk, an output nobody can take.
TEST(SimBinary, FailuresExitWithTheirStatusAndLeaveNoFolder) {
    std::string folder = (std::filesystem::temp_directory_path() / "sim-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    struct Case {
        const char* command; // "sim" stands for the tool; standard error goes to the pipe
        int status;
        const char* errorStart;
    };
    for (const Case& failing : {
             // A command line that cannot be read.
             Case{"sim 2>&1", 2, "usage: omaha-sim eval < cards\n"},
             Case{"sim play --hands 2>&1", 2, "omaha-sim play: --hands needs a value\nusage: "},
             // No folder to put the settings file in.
             Case{"TMPDIR=/nonexistent sim play --hands 1 2>&1 >/dev/null", 3,
                  "error: cannot create a temporary folder in /nonexistent: "},
             // Output that cannot be written.
             Case{"sim play --hands 2 2>&1 >/dev/full", 3, "error: cannot write the output\n"},
             Case{"echo 'Ah Kh Qh Jh Th' | sim eval 2>&1 >/dev/full", 3,
                  "error: cannot write the output\n"},
             // Input that cannot be read: a folder.
             Case{"sim eval </ 2>&1", 3, "error: cannot read the input\n"},
             // A disk too full for the settings file: with SIGXFSZ ignored, a write past the
             // size limit fails as on a full disk.
             Case{"trap '' XFSZ; ulimit -f 0; sim play --hands 1 2>&1 >/dev/null", 3, "error: "},
         }) {
        std::string command = failing.command;
        command.replace(command.find("sim"), 3, OMAHA_SIM_PATH);
        FILE* const pipe = popen(("export TMPDIR='" + folder + "'; " + command).c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string errors;
        char buffer[256];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            errors.append(buffer, got);
        const int status = pclose(pipe);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, failing.status) << command;
        EXPECT_TRUE(errors.starts_with(failing.errorStart)) << command << ": " << errors;
        EXPECT_TRUE(std::filesystem::is_empty(folder)) << command;
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace omaha
