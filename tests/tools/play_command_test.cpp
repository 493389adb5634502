#include "tools/commands.h"
#include "tools/play_options.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace omaha {
namespace {

struct PlayRun {
    int status;
    std::vector<std::string> lines;
    std::string errors;
};

PlayRun play(std::vector<std::string_view> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runPlayCommand(args, out, err);
    PlayRun run{status, {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    return run;
}

int count(const std::vector<std::string>& lines, const std::string& event) {
    int n = 0;
    for (const auto& line : lines)
        n += line.starts_with("{\"event\":\"" + event + "\"") ? 1 : 0;
    return n;
}

TEST(PlayOptions, EveryOptionIsRead) {
    const std::vector<std::string_view> args = {
        "--seed", "4294967295", "--script", "rrf", "--level", "33",  "--small", "6",
        "--big",  "12",         "--cash",   "500", "--until", "100", "--hands", "7"};
    const auto options = parsePlayOptions(args);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->seed, 4294967295u);
    EXPECT_EQ(options->script, "rrf");
    EXPECT_EQ(options->level, 33);
    EXPECT_EQ(options->small, 6);
    EXPECT_EQ(options->big, 12);
    EXPECT_EQ(options->cash, 500);
    EXPECT_EQ(options->until, 100);
    EXPECT_EQ(options->hands, 7);
}

TEST(PlayOptions, UnreadableOptionsAreRefusedWithUsage) {
    for (const auto& args : std::vector<std::vector<std::string_view>>{{"--seed", "-1"},
                                                                       {"--seed", "4294967296"},
                                                                       {"--hands", "ten"},
                                                                       {"--script", ""},
                                                                       {"--script", "cx"},
                                                                       {"--colour", "3"},
                                                                       {"--seed"},
                                                                       {"--level", "2.5"}}) {
        const PlayRun run = play(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_TRUE(run.lines.empty());
        EXPECT_NE(run.errors.find("usage"), std::string::npos);
    }
}

TEST(PlayCommand, OneSeedReplaysOneGame) {
    const PlayRun first = play({"--seed", "7", "--hands", "4", "--script", "crcf"});
    const PlayRun again = play({"--seed", "7", "--hands", "4", "--script", "crcf"});
    const PlayRun other = play({"--seed", "8", "--hands", "4", "--script", "crcf"});
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.lines, again.lines);
    EXPECT_NE(first.lines, other.lines);
    EXPECT_EQ(count(first.lines, "startup"), 1);
    EXPECT_EQ(count(first.lines, "deal"), 4);
    EXPECT_GT(count(first.lines, "call"), 0);
}

TEST(PlayCommand, StartupLineShowsTheFirstDeal) {
    const PlayRun run = play({"--hands", "0"});
    // Start-up, then the first hand played out by Check/Call, and no Deal.
    ASSERT_GE(run.lines.size(), 2u) << run.errors;
    EXPECT_EQ(count(run.lines, "deal"), 0);
    const std::string& startup = run.lines.front();
    EXPECT_TRUE(startup.starts_with("{\"event\":\"startup\",\"street\":1,\"pot\":3,"));
    EXPECT_NE(
        startup.find("\"status\":[\"\",\"\",\"\",\"\",\"\",\"\",\"small blind\",\"big blind\"]"),
        std::string::npos)
        << startup;
    EXPECT_NE(startup.find("\"cash\":[1200,1200,1200,1200,1200,1200,1199,1198]"),
              std::string::npos);
    EXPECT_NE(startup.find("\"stay\":\"Call\",\"buttons\":[false,true,true,true]"),
              std::string::npos);
}

TEST(PlayCommand, FoldingEveryHandTakesOnePressAHand) {
    const PlayRun run = play({"--script", "f", "--hands", "5", "--seed", "3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(count(run.lines, "fold"), 6);
    EXPECT_EQ(count(run.lines, "deal"), 5);
}

TEST(PlayCommand, GameEndsWhenTheTargetIsReached) {
    // A tiny target is reached within a few hands; the tool stops when no button is left.
    const PlayRun run = play({"--cash", "120", "--until", "1", "--hands", "1000", "--script", "r"});
    EXPECT_EQ(run.status, 0);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_NE(run.lines.back().find("\"buttons\":[false,false,false,false]"), std::string::npos);
    EXPECT_NE(run.lines.back().find("win"), std::string::npos);
}

TEST(PlayCommand, LostOutputEndsTheRunWithStatusThree) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    const std::vector<std::string_view> args = {"--hands", "3"};
    EXPECT_EQ(runPlayCommand(args, out, err), 3);
    EXPECT_EQ(err.str(), "error: cannot write the output\n");
}

} // namespace
} // namespace omaha
