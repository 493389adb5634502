// Golden signatures: for each game in a fixed list, a hash of the whole event stream, one of
// everything the table was told (the recording view's log, visible cards included) and one of the
// hand history's text. The list covers every level (and levels no menu offers), odd stakes, seats
// going broke, won and lost games and split pots, so that any change to what the game does moves at
// least one signature. A moved signature is a change of behaviour: update it only on purpose, and
// say why in the commit.
#include "engine/hand_history.h"
#include "tools/command_failure.h"
#include "tools/play_options.h"
#include "tools/scripted_game.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#ifndef GOLDEN_GAMES_SANITIZED_ONLY
#define GOLDEN_GAMES_SANITIZED_ONLY 0
#endif

namespace omaha {
namespace {

// Under the sanitizers, where games play some ten times slower, only the games marked for them
// are played; the optimised build plays them all.
constexpr bool kSanitizedOnly = GOLDEN_GAMES_SANITIZED_ONLY;

constexpr bool kSanitized = true;

// Deals of each of the coach's estimates. What is checked, that the coach leaves the game alone,
// needs only a few, and a build that is not optimised would take minutes over full estimates.
#ifdef NDEBUG
constexpr int kCoachDeals = kWinningChanceDeals;
#else
constexpr int kCoachDeals = 50;
#endif

// The three hashes of one game.
struct Signature {
    std::uint64_t events;  // the exit status and every byte the tool printed
    std::uint64_t view;    // every call the table view received, in order
    std::uint64_t history; // the hand history of the whole game
    friend constexpr bool operator==(const Signature&, const Signature&) = default;
};

struct GoldenGame {
    std::string_view options;
    Signature signature;
    // Played under the sanitizers too: some of every group below, so that nothing the list
    // covers goes unchecked for memory errors and undefined behaviour.
    bool sanitized = false;
};

// clang-format off
constexpr std::array kGoldenGames = {
    // Seeds and scripts at the settings of a first run.
    GoldenGame{"--seed 1 --hands 30", {0x6d0452325ec87312, 0x9c471ed66a81c891, 0x3f9d49217fa1183a}},
    GoldenGame{"--seed 2 --hands 30 --script crf", {0x0e40ad2c2539494b, 0x37c82d0e3ecf78d3, 0x0526eeee16e20df3}},
    GoldenGame{"--seed 3 --hands 30 --script r", {0x6da59e962e30812b, 0x9bbc6005dbdc6c27, 0xf6e57907fca74e8f}},
    GoldenGame{"--seed 4 --hands 30 --script rrc", {0xb07cf3bca05ef533, 0x2b31ca13943ae7b1, 0xfacada63df27f34c}},
    GoldenGame{"--seed 5 --hands 30 --script cf", {0xb576e14cf35ff7d5, 0x9a4f64e521d467d6, 0x271dcc2e6a2c5d28}, kSanitized},
    GoldenGame{"--seed 6 --hands 30 --script ccr", {0xda3c9241807aa9f2, 0xfe358b34090f45a3, 0x9be46b3e17605e32}},
    GoldenGame{"--seed 7 --hands 30 --script f", {0xc7cdb480366ecd55, 0x2ea3290378ed842a, 0x2af4570808b46cc7}},
    GoldenGame{"--seed 8 --hands 30 --script rf", {0x10e1c7ec119363e3, 0x80b2db6148aa6fbe, 0x0877c717c9968ac0}, kSanitized},
    GoldenGame{"--seed 9 --hands 30 --script cccf", {0xdaf6cd1c0538ead4, 0xfd31b9591625c7ac, 0x6817a1e9f5b9ef04}},
    GoldenGame{"--seed 10 --hands 30 --script rcr", {0xcf7fa32463c05beb, 0x95a224df9f8c4d4e, 0xe8a5c8eeb24c267f}},
    // The lowest and the highest seed.
    GoldenGame{"--seed 0 --hands 30 --script cr", {0x34d7576a10963540, 0x9586d81a9cfa17a0, 0xb72ea8b2d5254ea8}},
    GoldenGame{"--seed 4294967295 --hands 30 --script rc", {0x668fcdb52f2d4fc8, 0xc0be03107969f874, 0x5a0f7250302416fc}, kSanitized},
    // The levels the options panel offers.
    GoldenGame{"--seed 11 --hands 12 --level 25", {0x5e5d119b8a665554, 0xdef771ac8a73c76f, 0xc61546ccdcc523ed}},
    GoldenGame{"--seed 12 --hands 12 --level 25 --script rc", {0x459367053561fed4, 0x43d4b3ec16994a8c, 0xfbc6c6b62988097c}},
    GoldenGame{"--seed 13 --hands 12 --level 25 --script crf", {0xc193756fb1341756, 0x8e3e8ec5cdcb0c76, 0x323597e8f9230258}, kSanitized},
    GoldenGame{"--seed 14 --hands 12 --level 33", {0x9fbfac29a489a911, 0x3c658a6924a5782c, 0x7a390a034b0d4a0d}},
    GoldenGame{"--seed 15 --hands 12 --level 33 --script rrf", {0x97602a9a9995e9fe, 0x4b6eb3174bb04383, 0x664c0909e0bde3ca}, kSanitized},
    GoldenGame{"--seed 16 --hands 12 --level 33 --script cr", {0x367ed2e9f040700b, 0x24a443a30f0a065c, 0x9161e630a463c7f1}},
    GoldenGame{"--seed 17 --hands 6 --level 50", {0x3bd3e48691bd319f, 0xc8d2ab98d0e9c5ec, 0x733e12a986bef10d}},
    GoldenGame{"--seed 18 --hands 6 --level 50 --script r", {0xb63a3ea31a016ea1, 0xa9efa0f224c49a46, 0x978360ed33b7d6b9}},
    GoldenGame{"--seed 19 --hands 6 --level 50 --script cf", {0x1bde86321fdc0a23, 0xfaa6fe16b404fe5b, 0x8a50d1431665da6d}, kSanitized},
    // Levels only a hand-edited file holds: the estimate keeps its last strength.
    GoldenGame{"--seed 20 --hands 20 --level 30", {0xffe67986b0b1ce69, 0x4f4de346aafaac43, 0x10b4e3fc14f40154}, kSanitized},
    GoldenGame{"--seed 21 --hands 20 --level 7 --script rc", {0xe319a598e4a9a05b, 0xe40fde1d15a9f7cb, 0xaf13ec308b7630d5}, kSanitized},
    GoldenGame{"--seed 22 --hands 20 --level -1 --script cr", {0x5578b736fd13d1cf, 0x2a9c775f2b0e5c57, 0xd41f7d85c260242c}, kSanitized},
    // Betting limits the options panel offers.
    GoldenGame{"--seed 23 --hands 20 --small 4 --big 8 --script rc", {0xeb1a5c048cf25406, 0x449469e683410f45, 0xad89f02b1163efc5}},
    GoldenGame{"--seed 24 --hands 20 --small 10 --big 20 --script r", {0xcdf1b659a7f0d10d, 0x7a8b6fb6a73de633, 0xd84a89880141b56e}, kSanitized},
    // Bets no betting limit gives.
    GoldenGame{"--seed 25 --hands 20 --small 3 --big 6 --script crf", {0x766722aa7e5cf0d2, 0x45da6d096b3acce6, 0x4db4a3d401946c74}, kSanitized},
    GoldenGame{"--seed 26 --hands 20 --small 1 --big 2 --script rc", {0x6e5ecd1bd1aab3f1, 0x7fd2abb4218ebd4c, 0x7937b60a9c53a44b}},
    GoldenGame{"--seed 27 --hands 20 --small 6 --big 4 --script cr", {0x4894afe3aca9aa58, 0x0e545dc2b61fa068, 0xa1fb1e03da135ebe}, kSanitized},
    // Values beyond the options' limits, which read as the defaults.
    GoldenGame{"--seed 28 --hands 20 --small -2 --big -4 --script rc", {0x7e1e538793d2b3d6, 0xdd1f1fb56ab8ea96, 0x9c7af572137d7013}, kSanitized},
    GoldenGame{"--seed 29 --hands 20 --cash 3000000000 --script cr", {0xa3958d6de20afa66, 0x358510fb3ef526a0, 0x100daf636d8d8679}},
    GoldenGame{"--seed 30 --hands 20 --cash 50 --script r", {0x33393dbe06078729, 0x025159688f3c0904, 0xb99273da9fd3f836}, kSanitized},
    GoldenGame{"--seed 31 --hands 20 --until 50 --script rc", {0x8dea1c81a7bd45b3, 0x5ab6d6f55395d62a, 0x1c6b1fb4085a29aa}},
    // Seats go broke, the game is won or lost.
    GoldenGame{"--seed 32 --hands 400 --cash 100 --until 100 --script rc", {0x78a11f1ffc65fa81, 0xad617e77f4ab2ffe, 0x7111109953268331}, kSanitized},
    GoldenGame{"--seed 33 --hands 400 --cash 100 --until 100 --script c", {0x5d95aad3ef6a47bf, 0x832633eb05bd9700, 0xb7daadeaafd1e3bc}},
    GoldenGame{"--seed 34 --hands 400 --cash 100 --until 1000000 --script rrc", {0x72aa4424df0e96a9, 0xbb5acf2364727832, 0x7e75d70c5034aba8}},
    GoldenGame{"--seed 35 --hands 400 --cash 100 --until 1000000 --small 10 --big 20 --script r", {0xf8edaef4662b0638, 0xf048bd370477ae08, 0x14702501939ecf89}, kSanitized},
    GoldenGame{"--seed 36 --hands 400 --cash 120 --until 300 --small 8 --big 16 --script crf", {0x0d18f986fe9679a2, 0xba2a9a4f0584008a, 0x38c6c2321be6cafb}},
    GoldenGame{"--seed 37 --hands 400 --cash 100 --until 100 --level 25 --script cf", {0xa265b7c6f98be1f2, 0x53fc7764d11edfec, 0x59e16e7f019e58c7}, kSanitized},
    GoldenGame{"--seed 38 --hands 400 --cash 100 --until 1000000 --level 33 --script c", {0x71bf559b5c511f86, 0x2e151ce8f80819f1, 0xaa49e45770184307}},
    // No cash, a chip, no hands, the highest bets and cash.
    GoldenGame{"--seed 39 --hands 60 --cash 1 --script rc", {0x60a081256efe006e, 0xc6cbe34a721199d3, 0x7c10968ab0707c9f}, kSanitized},
    GoldenGame{"--seed 40 --hands 3 --cash 0 --script c", {0x94db2f4c25f03551, 0x131c077db2e1eff0, 0xcbf29ce484222325}, kSanitized},
    GoldenGame{"--seed 41 --hands 3 --cash -5 --script r", {0xaebc2f943245f971, 0x355cd2afd828e618, 0xcbf29ce484222325}, kSanitized},
    GoldenGame{"--seed 42 --hands 0", {0x253d552526496540, 0x5ea2940541d3a163, 0x01aa3926c155d9e1}, kSanitized},
    GoldenGame{"--seed 43 --hands 40 --small 1000000 --big 1000000 --script rc", {0xbc2d78737a45811d, 0x97b9e633a704a590, 0x70afdbbea4ec3bbf}, kSanitized},
    GoldenGame{"--seed 44 --hands 200 --cash 1000000 --until 100 --small 10 --big 20 --script r", {0xb71c85f67b119cdd, 0x779901cf887d26bf, 0x9dc1204d72040a27}, kSanitized},
};
// clang-format on

// FNV-1a, 64 bits.
class Fnv1a {
public:
    void add(std::string_view bytes) {
        for (const char c : bytes) {
            hash_ ^= static_cast<unsigned char>(c);
            hash_ *= 0x100000001b3ull;
        }
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

struct Played {
    Signature signature;
    std::string events;
};

// Plays the game as `omaha-sim play` would, keeping everything the table and the history were
// told, and with `coachLines` the coach's line after every event.
Played play(std::string_view options, std::ostream* coachLines = nullptr) {
    std::vector<std::string> args;
    std::istringstream in{std::string(options)};
    for (std::string word; in >> word;)
        args.push_back(word);
    const std::vector<std::string_view> views(args.begin(), args.end());
    const ParsedPlayOptions parsed = parsePlayOptions(views);
    std::ostringstream out;
    Fnv1a viewCalls, historyText;
    const int status = runReportingFailures(out, out, [&] {
        HandHistory history(std::numeric_limits<std::size_t>::max());
        ScriptedGame game(parsed.options);
        game.observeHands(history);
        if (coachLines != nullptr)
            game.coachTo(*coachLines, kCoachDeals);
        game.play(out);
        for (const std::string& call : game.view().log()) {
            viewCalls.add(call);
            viewCalls.add("\n");
        }
        historyText.add(history.text());
        return 0;
    });
    Fnv1a events;
    events.add(std::string(1, static_cast<char>(status)));
    events.add(out.str());
    return {{events.value(), viewCalls.value(), historyText.value()}, out.str()};
}

class GoldenGames : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The tool syncs its scratch settings file at every write; memory is quicker than disk.
        if (std::filesystem::is_directory("/dev/shm"))
            ::setenv("TMPDIR", "/dev/shm", 1);
    }
};

// Each game is played twice: as pinned, and with the coach's advice asked for after every
// press, which must leave the game as pinned, since the coach draws from a source of its own.
TEST_F(GoldenGames, EveryGamePlaysAsPinnedWithTheCoachOrWithout) {
    long advised = 0;
    for (const GoldenGame& game : kGoldenGames) {
        if (kSanitizedOnly && !game.sanitized)
            continue;
        const auto [actual, stream] = play(game.options);
        char hex[80];
        std::snprintf(hex, sizeof hex, "{0x%016llx, 0x%016llx, 0x%016llx}",
                      static_cast<unsigned long long>(actual.events),
                      static_cast<unsigned long long>(actual.view),
                      static_cast<unsigned long long>(actual.history));
        EXPECT_TRUE(actual == game.signature)
            << "omaha-sim play " << game.options << " now gives " << hex;

        std::ostringstream coachLines;
        EXPECT_TRUE(play(game.options, &coachLines).signature == game.signature)
            << "the coach changes omaha-sim play " << game.options;
        EXPECT_EQ(std::ranges::count(coachLines.str(), '\n'), std::ranges::count(stream, '\n'));
        for (std::size_t at = 0;
             (at = coachLines.str().find("Chance against", at)) != std::string::npos; ++at)
            ++advised;
    }
    EXPECT_GT(advised, kSanitizedOnly ? 100 : 1000);
}

} // namespace
} // namespace omaha
