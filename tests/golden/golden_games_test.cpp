// Golden signatures: a hash of the whole event stream of each game in a fixed list. The list
// covers every level (and levels no menu offers), odd stakes, seats going broke, won and lost
// games and split pots, so that any change to what the game does moves at least one signature.
// A moved signature is a change of behaviour: update it only on purpose, and say why in the
// commit.
#include "tools/commands.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
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

// What a game pins. Each kind has games played under the sanitizers too, so that none of what
// the list covers goes unchecked for memory errors and undefined behaviour.
enum class Kind {
    Scripts,          // seeds and scripts at the settings of a first run
    EdgeSeeds,        // the lowest and the highest seed
    MenuLevels,       // the levels the options panel offers
    HandEditedLevels, // levels only a hand-edited file holds
    MenuStakes,       // betting limits the options panel offers
    OddStakes,        // bets no betting limit gives
    OutOfRange,       // values beyond the options' limits, which read as the defaults
    ShortPurses,      // seats go broke, the game is won or lost
    EdgeValues,       // no cash, a chip, no hands, the highest bets and cash
};
constexpr std::size_t kKindCount = static_cast<std::size_t>(Kind::EdgeValues) + 1;
using enum Kind;

constexpr bool kSanitized = true;

struct GoldenGame {
    std::string_view options;
    std::uint64_t signature;
    Kind kind;
    bool sanitized = false; // played under the sanitizers too
};

// clang-format off
constexpr std::array kGoldenGames = {
    GoldenGame{"--seed 1 --hands 30", 0x6d0452325ec87312, Scripts},
    GoldenGame{"--seed 2 --hands 30 --script crf", 0x0e40ad2c2539494b, Scripts},
    GoldenGame{"--seed 3 --hands 30 --script r", 0x6da59e962e30812b, Scripts},
    GoldenGame{"--seed 4 --hands 30 --script rrc", 0xb07cf3bca05ef533, Scripts},
    GoldenGame{"--seed 5 --hands 30 --script cf", 0xb576e14cf35ff7d5, Scripts, kSanitized},
    GoldenGame{"--seed 6 --hands 30 --script ccr", 0xda3c9241807aa9f2, Scripts},
    GoldenGame{"--seed 7 --hands 30 --script f", 0xc7cdb480366ecd55, Scripts},
    GoldenGame{"--seed 8 --hands 30 --script rf", 0x10e1c7ec119363e3, Scripts, kSanitized},
    GoldenGame{"--seed 9 --hands 30 --script cccf", 0xdaf6cd1c0538ead4, Scripts},
    GoldenGame{"--seed 10 --hands 30 --script rcr", 0xcf7fa32463c05beb, Scripts},
    GoldenGame{"--seed 0 --hands 30 --script cr", 0x34d7576a10963540, EdgeSeeds},
    GoldenGame{"--seed 4294967295 --hands 30 --script rc",
               0x668fcdb52f2d4fc8, EdgeSeeds, kSanitized},
    GoldenGame{"--seed 11 --hands 12 --level 25", 0x5e5d119b8a665554, MenuLevels},
    GoldenGame{"--seed 12 --hands 12 --level 25 --script rc", 0x459367053561fed4, MenuLevels},
    GoldenGame{"--seed 13 --hands 12 --level 25 --script crf",
               0xc193756fb1341756, MenuLevels, kSanitized},
    GoldenGame{"--seed 14 --hands 12 --level 33", 0x9fbfac29a489a911, MenuLevels},
    GoldenGame{"--seed 15 --hands 12 --level 33 --script rrf",
               0x97602a9a9995e9fe, MenuLevels, kSanitized},
    GoldenGame{"--seed 16 --hands 12 --level 33 --script cr", 0x367ed2e9f040700b, MenuLevels},
    GoldenGame{"--seed 17 --hands 6 --level 50", 0x3bd3e48691bd319f, MenuLevels},
    GoldenGame{"--seed 18 --hands 6 --level 50 --script r", 0xb63a3ea31a016ea1, MenuLevels},
    GoldenGame{"--seed 19 --hands 6 --level 50 --script cf",
               0x1bde86321fdc0a23, MenuLevels, kSanitized},
    // At a level no menu offers the estimate keeps its last strength.
    GoldenGame{"--seed 20 --hands 20 --level 30", 0xffe67986b0b1ce69, HandEditedLevels, kSanitized},
    GoldenGame{"--seed 21 --hands 20 --level 7 --script rc",
               0xe319a598e4a9a05b, HandEditedLevels, kSanitized},
    GoldenGame{"--seed 22 --hands 20 --level -1 --script cr",
               0x5578b736fd13d1cf, HandEditedLevels, kSanitized},
    GoldenGame{"--seed 23 --hands 20 --small 4 --big 8 --script rc",
               0xeb1a5c048cf25406, MenuStakes},
    GoldenGame{"--seed 24 --hands 20 --small 10 --big 20 --script r",
               0xcdf1b659a7f0d10d, MenuStakes, kSanitized},
    GoldenGame{"--seed 25 --hands 20 --small 3 --big 6 --script crf",
               0x766722aa7e5cf0d2, OddStakes, kSanitized},
    GoldenGame{"--seed 26 --hands 20 --small 1 --big 2 --script rc", 0x6e5ecd1bd1aab3f1, OddStakes},
    GoldenGame{"--seed 27 --hands 20 --small 6 --big 4 --script cr",
               0x4894afe3aca9aa58, OddStakes, kSanitized},
    GoldenGame{"--seed 28 --hands 20 --small -2 --big -4 --script rc",
               0x7e1e538793d2b3d6, OutOfRange, kSanitized},
    GoldenGame{"--seed 29 --hands 20 --cash 3000000000 --script cr",
               0xa3958d6de20afa66, OutOfRange},
    GoldenGame{"--seed 30 --hands 20 --cash 50 --script r",
               0x33393dbe06078729, OutOfRange, kSanitized},
    GoldenGame{"--seed 31 --hands 20 --until 50 --script rc", 0x8dea1c81a7bd45b3, OutOfRange},
    GoldenGame{"--seed 32 --hands 400 --cash 100 --until 100 --script rc",
               0x78a11f1ffc65fa81, ShortPurses, kSanitized},
    GoldenGame{"--seed 33 --hands 400 --cash 100 --until 100 --script c",
               0x5d95aad3ef6a47bf, ShortPurses},
    GoldenGame{"--seed 34 --hands 400 --cash 100 --until 1000000 --script rrc",
               0x72aa4424df0e96a9, ShortPurses},
    GoldenGame{"--seed 35 --hands 400 --cash 100 --until 1000000 --small 10 --big 20 --script r",
               0xf8edaef4662b0638, ShortPurses, kSanitized},
    GoldenGame{"--seed 36 --hands 400 --cash 120 --until 300 --small 8 --big 16 --script crf",
               0x0d18f986fe9679a2, ShortPurses},
    GoldenGame{"--seed 37 --hands 400 --cash 100 --until 100 --level 25 --script cf",
               0xa265b7c6f98be1f2, ShortPurses, kSanitized},
    GoldenGame{"--seed 38 --hands 400 --cash 100 --until 1000000 --level 33 --script c",
               0x71bf559b5c511f86, ShortPurses},
    GoldenGame{"--seed 39 --hands 60 --cash 1 --script rc",
               0x60a081256efe006e, EdgeValues, kSanitized},
    GoldenGame{"--seed 40 --hands 3 --cash 0 --script c",
               0x94db2f4c25f03551, EdgeValues, kSanitized},
    GoldenGame{"--seed 41 --hands 3 --cash -5 --script r",
               0xaebc2f943245f971, EdgeValues, kSanitized},
    GoldenGame{"--seed 42 --hands 0", 0x253d552526496540, EdgeValues, kSanitized},
    GoldenGame{"--seed 43 --hands 40 --small 1000000 --big 1000000 --script rc",
               0xbc2d78737a45811d, EdgeValues, kSanitized},
    GoldenGame{"--seed 44 --hands 200 --cash 1000000 --until 100 --small 10 --big 20 --script r",
               0xb71c85f67b119cdd, EdgeValues, kSanitized},
};
// clang-format on

// FNV-1a over the exit status and every byte the game printed.
std::uint64_t signature(int status, std::string_view stream) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    };
    mix(static_cast<unsigned char>(status));
    for (const char c : stream)
        mix(static_cast<unsigned char>(c));
    return hash;
}

// The exit status and everything the game printed.
std::pair<int, std::string> play(std::string_view options) {
    std::vector<std::string> args;
    std::istringstream in{std::string(options)};
    for (std::string word; in >> word;)
        args.push_back(word);
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    const int status = runPlayCommand(views, out, out);
    return {status, out.str()};
}

class GoldenGames : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The tool syncs its scratch settings file at every write; memory is quicker than disk.
        if (std::filesystem::is_directory("/dev/shm"))
            ::setenv("TMPDIR", "/dev/shm", 1);
    }
};

TEST_F(GoldenGames, EveryGamePlaysAsPinned) {
    bool splitPot = false, gameWon = false, gameLost = false, brokeSeat = false;
    for (const GoldenGame& game : kGoldenGames) {
        if (kSanitizedOnly && !game.sanitized)
            continue;
        const auto [status, stream] = play(game.options);
        const std::uint64_t actual = signature(status, stream);
        char hex[32];
        std::snprintf(hex, sizeof hex, "0x%016llx", static_cast<unsigned long long>(actual));
        EXPECT_EQ(actual, game.signature)
            << "omaha-sim play " << game.options << " now gives " << hex;
        splitPot = splitPot || stream.find("\"result\":\"You , ") != std::string::npos ||
                   stream.find(" , ") != std::string::npos;
        gameWon = gameWon || stream.find("\"You win!\"") != std::string::npos;
        gameLost = gameLost || stream.find("\"You lose!\"") != std::string::npos;
        brokeSeat = brokeSeat || stream.find(",0,") != std::string::npos;
    }
    // The list keeps covering what it was chosen for.
    if (kSanitizedOnly)
        return;
    EXPECT_TRUE(splitPot);
    EXPECT_TRUE(gameWon);
    EXPECT_TRUE(gameLost);
    EXPECT_TRUE(brokeSeat);
    EXPECT_GE(kGoldenGames.size(), 40u);
}

// Whichever build runs the list, every kind of game in it is played.
TEST(GoldenGameList, EveryKindIsPlayedUnderTheSanitizersToo) {
    std::array<bool, kKindCount> listed{}, sanitized{};
    for (const GoldenGame& game : kGoldenGames) {
        listed[static_cast<std::size_t>(game.kind)] = true;
        sanitized[static_cast<std::size_t>(game.kind)] |= game.sanitized;
    }
    for (std::size_t kind = 0; kind < kKindCount; ++kind) {
        EXPECT_TRUE(listed[kind]) << "no game of kind " << kind;
        EXPECT_TRUE(sanitized[kind]) << "no game of kind " << kind << " under the sanitizers";
    }
}

} // namespace
} // namespace omaha
