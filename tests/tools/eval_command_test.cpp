#include "tools/commands.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>

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
                       "2h 2h 2h 3h 3h"), // a flush too low to have a name
              std::pair(0, std::string("307 11 Three Nines\n507 15 Full house Nines\n"
                                       "807 0 Four Nines\n451 91\n")));
}

TEST(EvalCommand, ReportsBadLinesAndGoesOn) {
    // Four, six and ten cards, and two that are not cards.
    for (const char* bad : {"2c 2d Ah Ks", "2c 2d Ah Ks Qc Jc", "2c 2d Ah Ks Qc Jc Tc 9c 8c 7c",
                            "2c 2d Ah Ks Qx", "2c 2d Ah Ks 10c"}) {
        const auto [status, out] = evaluate(bad + std::string("\n2c 2d Ah Ks Qc\n"));
        EXPECT_EQ(status, 1) << bad;
        EXPECT_TRUE(out.starts_with("error: ")) << out;
        EXPECT_TRUE(out.ends_with("\n100 103 One pair Twos\n")) << out;
        EXPECT_EQ(std::ranges::count(out, '\n'), 2) << out;
    }
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

} // namespace
} // namespace omaha
