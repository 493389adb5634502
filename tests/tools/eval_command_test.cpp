#include "tools/card_text.h"
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
    const int status = runEvalCommand(in, out);
    EvalRun run{status, {}};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    return run;
}

TEST(ParseCard, ReadsRankThenSuitInEitherCase) {
    EXPECT_EQ(parseCard("Ah"), (Card{2, 12}));
    EXPECT_EQ(parseCard("td"), (Card{1, 8}));
    EXPECT_EQ(parseCard("2C"), (Card{0, 0}));
    EXPECT_EQ(parseCard("kS"), (Card{3, 11}));
    for (const char* bad : {"", "A", "Ahh", "1h", "Ax", "hA", "10h", " A", "Ah "})
        EXPECT_FALSE(parseCard(bad)) << '"' << bad << '"';
}

TEST(EvalCommand, PrintsCategoryKickerAndNameForEachLine) {
    const EvalRun run = evaluate("2c 2d Ah Ks Qc\n"             // five cards
                                 "Ac Ad 5h 6s 7h 8s 9h\n"       // a pair and the board
                                 "Ac Ad Kc Kd 5h 6s 7h 8s 9h\n" // four private cards
                                 "Ah 2h 3h 4h 5h\n"             // a straight flush
                                 "ah kd qc js th\n");           // lower case
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines, (std::vector<std::string>{"100 103 One pair Twos", "112 58 One pair Aces",
                                                   "112 58 One pair Aces", "1000 0 Straight flush",
                                                   "412 0 Straight Ace High"}));
}

TEST(EvalCommand, TellsFiveSevenAndNineCardsApart) {
    // The same cards: ranked as five, and as Omaha hands where two private cards must play.
    const EvalRun run = evaluate("9c 9d 9h 4s 3c\n"
                                 "5c 5d 9c 9d 9h 2s 3c\n"
                                 "9s Ah Kd 2c 9c 9d 9h 4s 3c\n");
    EXPECT_EQ(run.lines, (std::vector<std::string>{"307 11 Three Nines", "507 15 Full house Nines",
                                                   "807 0 Four Nines"}));
}

TEST(EvalCommand, AcceptsRepeatedCardsAndLeavesOutMissingNames) {
    const EvalRun run = evaluate("7s 7s 7s 7d 7d\n"
                                 "2h 2h 2h 3h 3h\n");
    EXPECT_EQ(run.status, 0);
    // Five cards of one suit are a flush first, and a three-high flush has no name.
    EXPECT_EQ(run.lines, (std::vector<std::string>{"805 0 Four Sevens", "451 91"}));
}

TEST(EvalCommand, SkipsEmptyLinesAndReadsAnyBlanks) {
    const EvalRun run = evaluate("\n"
                                 "   \n"
                                 "\t2c  2d\tAh Ks   Qc  \r\n"
                                 "\n"
                                 "Ah 2h 3h 4h 5h"); // no newline at the end
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines,
              (std::vector<std::string>{"100 103 One pair Twos", "1000 0 Straight flush"}));
    EXPECT_EQ(evaluate("").lines.size(), 0u);
}

TEST(EvalCommand, ReportsBadLinesAndGoesOn) {
    const std::string tooLong(100000, 'x');
    const EvalRun run =
        evaluate("2c 2d Ah Ks\n"                   // four cards
                 "2c 2d Ah Ks Qc Jc\n"             // six
                 "2c 2d Ah Ks Qc Jc Tc 9c 8c 7c\n" // ten
                 "2c 2d Ah Ks Qx\n"                // not a card
                 "2c 2d Ah Ks 10c\n" +
                 tooLong + "\n" + "2c 2d Ah Ks Qc\n" + std::string("\x01\xff\0 z", 5) + "\n");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.lines.size(), 8u);
    for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 5u, 7u}) {
        EXPECT_TRUE(run.lines[i].starts_with("error: ")) << run.lines[i];
        EXPECT_LT(run.lines[i].size(), 80u) << run.lines[i];
    }
    EXPECT_EQ(run.lines[6], "100 103 One pair Twos");
}

TEST(EvalCommand, NamesTheFaultOfABadLine) {
    const EvalRun run = evaluate("2c 2d Ah Ks\n"
                                 "2c 2d Ah Ks Qx\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_NE(run.lines[0].find('4'), std::string::npos) << run.lines[0];
    EXPECT_NE(run.lines[1].find("Qx"), std::string::npos) << run.lines[1];
}

} // namespace
} // namespace omaha
