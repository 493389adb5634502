#include "tools/commands.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace omaha {
namespace {

struct EvalRun {
    int status;
    std::vector<std::string> lines;
};

EvalRun evaluate(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    EvalRun run{runEvalCommand(in, out), {}};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    return run;
}

TEST(EvalCommand, RanksFiveSevenAndNineCardsInEitherCase) {
    // The same nines ranked as five cards, then as Omaha hands where two private cards must play:
    // a pair before the board, or four private cards before it.
    const EvalRun run = evaluate("\t9c 9d  9h\t4s 3c \r\n"
                                 "\n"
                                 "   \n"
                                 "5c 5D 9c 9d 9h 2s 3c\n"
                                 "9s ah kd 2C 9c 9d 9h 4s 3c\n"
                                 "2h 2h 2h 3h 3h"); // a flush too low to have a name
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines, (std::vector<std::string>{"307 11 Three Nines", "507 15 Full house Nines",
                                                   "807 0 Four Nines", "451 91"}));
}

TEST(EvalCommand, ReportsBadLinesAndGoesOn) {
    const EvalRun run = evaluate("2c 2d Ah Ks\n"                   // four cards
                                 "2c 2d Ah Ks Qc Jc\n"             // six
                                 "2c 2d Ah Ks Qc Jc Tc 9c 8c 7c\n" // ten
                                 "2c 2d Ah Ks Qx\n"                // not a card
                                 "2c 2d Ah Ks 10c\n"
                                 "2c 2d Ah Ks Qc\n");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.lines.size(), 6u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(run.lines[i].starts_with("error: ")) << run.lines[i];
    EXPECT_EQ(run.lines[5], "100 103 One pair Twos");
}

} // namespace
} // namespace omaha
