#include "tools/commands.h"
#include "tools/play_options.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
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
    const std::vector<std::string_view> args = {"--seed",   "4294967295",
                                                "--script", "rrf",
                                                "--level",  "33",
                                                "--small",  "-6",
                                                "--big",    "0x1F",
                                                "--cash",   "500",
                                                "--until",  "+99999999999999999999",
                                                "--hands",  "7"};
    const ParsedPlayOptions parsed = parsePlayOptions(args);
    EXPECT_EQ(parsed.problem, "");
    EXPECT_EQ(parsed.options.seed, 4294967295u);
    EXPECT_EQ(parsed.options.script, "rrf");
    EXPECT_EQ(parsed.options.level, "33");
    EXPECT_EQ(parsed.options.small, "-6");
    EXPECT_EQ(parsed.options.big, "0x1F");
    EXPECT_EQ(parsed.options.cash, "500");
    EXPECT_EQ(parsed.options.until, "+99999999999999999999");
    EXPECT_EQ(parsed.options.hands, 7);
}

TEST(PlayOptions, UnreadableOptionsAreNamedBeforeTheUsage) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
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
        {{"--cash", "abc"}, "--cash needs an integer, not 'abc'"},
        {{"--until", "12x"}, "--until needs an integer, not '12x'"},
        {{"--until", "+-1"}, "--until needs an integer, not '+-1'"},
        {{"--until", "0x100000000"}, "--until needs an integer, not '0x100000000'"}};
    for (const auto& [args, problem] : cases) {
        const PlayRun run = play(args);
        EXPECT_EQ(run.status, 2) << problem;
        EXPECT_TRUE(run.lines.empty());
        EXPECT_TRUE(run.errors.starts_with("omaha-sim play: " + problem + "\nusage: "))
            << run.errors;
    }
}

TEST(PlayCommand, SettingsOptionsAreReadAsTheFileHoldsThem) {
    // Too big for the game, which then plays with its default; hexadecimal, as the game reads it.
    for (const auto& [cash, seats] :
         {std::pair("3000000000", "1200,1200,1200,1200,1200,1200,1199,1198"),
          std::pair("-99999999999999999999999", "1200,1200,1200,1200,1200,1200,1199,1198"),
          std::pair("0x10", "16,16,16,16,16,16,15,14"),
          std::pair("+000000000000000000000150", "150,150,150,150,150,150,149,148")}) {
        const PlayRun run = play({"--cash", cash, "--hands", "0"});
        ASSERT_FALSE(run.lines.empty()) << run.errors;
        EXPECT_NE(run.lines.front().find("\"cash\":[" + std::string(seats) + "]"),
                  std::string::npos)
            << cash << ": " << run.lines.front();
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
