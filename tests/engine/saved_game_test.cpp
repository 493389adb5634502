// How a game is saved and loaded: the keys, their order and their limits, through the real
// settings file, so that what reaches the disk shows.
#include "core/seat_facts.h"
#include "engine/saved_game.h"
#include "settings/settings_file.h"
#include "tests/temp_folder.h"

#include <climits>
#include <gtest/gtest.h>
#include <tuple>

namespace omaha {
namespace {

using test_files::readBytes;
using test_files::writeBytes;

class SavedGameTest : public ::testing::Test {
protected:
    test_files::TempFolder folder;
    std::filesystem::path path = folder / "vellum.ini";
    SettingsFile file{path};
    TableState table;
};

TEST_F(SavedGameTest, StartUpEchoesWhatItTookInOneWrite) {
    // A first run writes the defaults, but not the level or the bet sizes; its folder is made too.
    SettingsFile fresh(folder / "config" / "vellum.ini");
    EXPECT_FALSE(loadSavedGame(table, fresh)); // a game of its own
    EXPECT_EQ(readBytes(fresh.path()),
              "[Background]\nColor=0\n\n\n[Cash]\nfreak=1200\nplayer=1200\ngeek=1200\nmaster=1200\n"
              "champ=1200\npinhead=1200\nexpert=1200\nrobot=1200\nuntil=600\ninitial=1200\n\n\n"
              "[Card]\nback=52\n");
    EXPECT_EQ(std::tuple(table.aiLevel, table.smallBet, table.bigBet),
              std::tuple(AiLevel::Amateur, 2, 4));

    // Values that are no integers or lie outside their limits fall back, and the echo repairs
    // them with the defaults.
    writeBytes(path, "[Cash]\nplayer=abc\ninitial=50\nuntil=0x\ngeek=99999999999\n");
    EXPECT_FALSE(loadSavedGame(table, file)); // no seat's cash to carry on
    EXPECT_TRUE(
        readBytes(path).starts_with("[Cash]\nplayer=1200\ninitial=1200\nuntil=600\ngeek=1200\n"));
    // One seat's cash, whatever it is, is a game to carry on.
    for (const char* saved : {"[Cash]\nrobot=1\n", "[Cash]\nfreak=0\n", "[Cash]\nexpert=-1\n"}) {
        writeBytes(path, saved);
        EXPECT_TRUE(loadSavedGame(table, file)) << saved;
    }
}

TEST_F(SavedGameTest, ValuesThatTheOptionsLimitReadAsTheirDefaultsOutsideTheLimits) {
    using Field = std::int32_t TableState::*;
    const auto load = [&](std::string_view key, std::int32_t stored) {
        writeBytes(path, std::string(key) + "=" + std::to_string(stored) + "\n");
        loadSavedGame(table, file);
    };
    // The key, where it is read to, its limits and its default; each limit is tried, and one past.
    const std::tuple<const char*, Field, std::int32_t, std::int32_t, std::int32_t> limited[] = {
        {"[Bet]\nsmall", &TableState::smallBet, 1, 1'000'000, 2},
        {"[Bet]\nbig", &TableState::bigBet, 1, 1'000'000, 4},
        {"[Cash]\ninitial", &TableState::startingCash, 100, 1'000'000, 1200},
        {"[Cash]\nuntil", &TableState::targetMargin, 100, 1'000'000, 600},
        {"[Card]\nback", &TableState::cardBack, 52, 55, 52}};
    for (const auto& [key, field, lowest, highest, fallback] : limited) {
        for (const auto& [stored, read] :
             {std::pair(lowest, lowest), std::pair(lowest - 1, fallback),
              std::pair(highest, highest), std::pair(highest + 1, fallback),
              std::pair(INT32_MIN, fallback)}) {
            load(key, stored);
            EXPECT_EQ(table.*field, read) << key << "=" << stored;
        }
    }
    // Any 32-bit integer is taken for the seats' cash, the AI level and the background colour.
    writeBytes(path, "[Cash]\nplayer=-2147483648\n[Levels]\ncomp=-2147483648\n"
                     "[Background]\nColor=-2147483648\n");
    loadSavedGame(table, file);
    EXPECT_EQ(std::tuple(table.seats[kHuman].cash, table.aiLevel, table.backgroundColour),
              std::tuple(INT32_MIN, AiLevel{INT32_MIN}, INT32_MIN));
}

} // namespace
} // namespace omaha
