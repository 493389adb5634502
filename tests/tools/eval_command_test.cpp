#include "tools/bounded_lines.h"
#include "tools/commands.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

namespace omaha {
namespace {

// The exit status and everything written.
std::pair<int, std::string> evaluate(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
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
    // Four, six and ten cards, two that are not cards, cards given twice, and lines too long to
    // read.
    const std::string longest = "2c 2d Ah Ks Qc" + std::string(kLongestLine - 14, ' ');
    for (const std::string& bad : std::vector<std::string>{
             "2c 2d Ah Ks", "2c 2d Ah Ks Qc Jc", "2c 2d Ah Ks Qc Jc Tc 9c 8c 7c", "2c 2d Ah Ks Qx",
             "2c 2d Ah Ks 10c", "2c 2d Ah AH Ks", "Ah Kd 2c 3c 4c 5c 6c 7c Ah", longest + " ",
             longest + std::string(100000, 'x')}) {
        const auto [status, out] = evaluate(bad + std::string("\n2c 2d Ah Ks Qc\n"));
        EXPECT_EQ(status, 1) << bad;
        EXPECT_TRUE(out.starts_with("error: ")) << out;
        EXPECT_TRUE(out.ends_with("\n100 103 One pair Twos\n")) << out;
        EXPECT_EQ(std::ranges::count(out, '\n'), 2) << out;
    }
    EXPECT_EQ(evaluate("2c 2d Ah Ks AH").second, "error: Ah appears more than once\n");
    EXPECT_EQ(evaluate(longest + "x\n").second, "error: the line is longer than 4096 characters\n");
    // The longest line that may be read, with a newline and at the end of the input without one.
    EXPECT_EQ(evaluate(longest + "\n" + longest),
              std::pair(0, std::string("100 103 One pair Twos\n100 103 One pair Twos\n")));
}

TEST(EvalCommand, LostOutputEndsTheRunWithStatusThree) {
    std::istringstream in("2c 2d Ah Ks Qc\n2c 2d Ah Ks Qc\n");
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(runEvalCommand(in, out, err), 3);
    EXPECT_EQ(err.str(), "error: cannot write the output\n");
    // It stops at the first line it could not answer.
    std::string rest;
    EXPECT_TRUE(std::getline(in, rest));
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

TEST(EvalCommand, UnreadableInputEndsTheRunWithStatusThree) {
    for (const std::string& read : {std::string("2c 2d Ah Ks Qc\n"), std::string(5000, 'x')}) {
        BreakingInput broken(read);
        std::istream in(&broken);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runEvalCommand(in, out, err), 3);
        EXPECT_EQ(err.str(), "error: cannot read the input\n");
    }
}

} // namespace
} // namespace omaha
