#include "tools/bounded_lines.h"
#include "tools/commands.h"
#include "tools/play_options.h"

#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <string_view>
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
class BreakingInput : public std::streambuf {
public:
    explicit BreakingInput(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

private:
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
// hold as an integer goes into it as given; what the game then plays with it is pinned by the
// golden games.
TEST(PlayOptions, UnreadableOptionsAreNamedAndSettingsTakenAsGiven) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"--seed", "-1"}, "--seed needs a number from 0 to 4294967295, not '-1'"},
        {{"--seed", "4294967296"}, "--seed needs a number from 0 to 4294967295, not '4294967296'"},
        {{"--hands", "ten"}, "--hands needs a number from 0 up, not 'ten'"},
        {{"--hands", "-1"}, "--hands needs a number from 0 up, not '-1'"},
        {{"--script", ""}, "--script needs letters c, r and f, not ''"},
        {{"--script", "cx"}, "--script needs letters c, r and f, not 'cx'"},
        {{"--colour", "3"}, "unknown option '--colour'"},
        {{"--hands", "3", "--seed"}, "--seed needs a value"},
        {{"--level", "2.5"}, "--level needs an integer, not '2.5'"},
        {{"--small", ""}, "--small needs an integer, not ''"},
        {{"--big", "0x"}, "--big needs an integer, not '0x'"},
        {{"--until", "+-1"}, "--until needs an integer, not '+-1'"},
        {{"--until", "0x100000000"}, "--until needs an integer, not '0x100000000'"}};
    for (const auto& [args, problem] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(runPlayCommand(args, out, err), 2) << problem;
        EXPECT_EQ(out.str(), "");
        EXPECT_TRUE(err.str().starts_with("omaha-sim play: " + problem + "\nusage: ")) << err.str();
    }
    const std::vector<std::string_view> settings = {
        "--level", "0x1F",   "--small",    "-6",      "--big",
        "+0100",   "--cash", "3000000000", "--until", "-99999999999999999999999"};
    const ParsedPlayOptions parsed = parsePlayOptions(settings);
    EXPECT_EQ(parsed.problem, "");
    const PlayOptions& given = parsed.options;
    for (std::size_t i = 0;
         const std::string& text : {given.level, given.small, given.big, given.cash, given.until})
        EXPECT_EQ(text, settings[2 * i++ + 1]);
}

} // namespace
} // namespace omaha
