#include "settings/game_settings.h"
#include "temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace omaha {
namespace {

using test_files::readBytes;
using test_files::writeBytes;

class GameSettingsTest : public ::testing::Test {
protected:
    test_files::TempFolder folder;
    std::filesystem::path path = folder / "vellum.ini";
    SettingsFile file{path};
    TableState table;
};

TEST_F(GameSettingsTest, AFirstRunCreatesTheFileWithEveryDefault) {
    loadsettings(table, file);

    EXPECT_EQ(readBytes(path), "[Background]\n"
                               "Color=0\n"
                               "\n"
                               "\n"
                               "[Cash]\n"
                               "freak=1200\n"
                               "player=1200\n"
                               "geek=1200\n"
                               "master=1200\n"
                               "champ=1200\n"
                               "pinhead=1200\n"
                               "expert=1200\n"
                               "robot=1200\n"
                               "until=600\n"
                               "initial=1200\n"
                               "\n"
                               "\n"
                               "[Card]\n"
                               "back=52\n");
    EXPECT_EQ(table.bgcolor, 0);
    for (SeatCode seat = kRobot; seat <= kHuman; ++seat) {
        EXPECT_EQ(table.seats[seat].cash, 1200) << seatName(seat);
    }
    EXPECT_EQ(table.untilcash, 600);
    EXPECT_EQ(table.initialcash, 1200);
    EXPECT_EQ(table.cardback, 52);
    EXPECT_EQ(table.complevel, 20);
    EXPECT_EQ(table.smallbet, 2);
    EXPECT_EQ(table.bigbet, 4);
}

TEST_F(GameSettingsTest, EachKeyFeedsItsOwnField) {
    writeBytes(path, "[Background]\nColor=16711680\n"
                     "[Cash]\nfreak=7\nplayer=8\ngeek=6\nmaster=5\nchamp=4\npinhead=3\nexpert=2\n"
                     "robot=1\nuntil=1000\ninitial=2000\n"
                     "[Card]\nback=54\n[Levels]\ncomp=50\n[Bet]\nsmall=10\nbig=20\n");
    loadsettings(table, file);

    EXPECT_EQ(table.bgcolor, 16711680);
    for (SeatCode seat = kRobot; seat <= kHuman; ++seat) {
        EXPECT_EQ(table.seats[seat].cash, seat) << seatName(seat);
    }
    EXPECT_EQ(table.untilcash, 1000);
    EXPECT_EQ(table.initialcash, 2000);
    EXPECT_EQ(table.cardback, 54);
    EXPECT_EQ(table.complevel, 50);
    EXPECT_EQ(table.smallbet, 10);
    EXPECT_EQ(table.bigbet, 20);
}

TEST_F(GameSettingsTest, ValuesThatAreNoIntegersAreRepairedByTheEcho) {
    writeBytes(path, "[Cash]\nplayer=abc\ninitial=0x4B0\nuntil=0x\ngeek=99999999999\n");
    loadsettings(table, file);

    EXPECT_EQ(table.seats[kHuman].cash, 1200);
    EXPECT_EQ(table.initialcash, 1200);
    EXPECT_EQ(table.untilcash, 600);
    EXPECT_EQ(table.seats[kGeek].cash, 1200);
    const std::string text = readBytes(path);
    EXPECT_NE(text.find("player=1200\n"), std::string::npos);
    EXPECT_NE(text.find("initial=1200\n"), std::string::npos) << "hexadecimal is written back "
                                                                 "as decimal";
    EXPECT_NE(text.find("until=600\n"), std::string::npos);
    EXPECT_NE(text.find("geek=1200\n"), std::string::npos);
}

TEST_F(GameSettingsTest, ValuesAreTakenWithoutAnyRangeTest) {
    writeBytes(path, "[Cash]\ninitial=50\nplayer=-30\n[Card]\nback=99\n"
                     "[Levels]\ncomp=30\n[Bet]\nsmall=6\nbig=4\n");
    loadsettings(table, file);

    EXPECT_EQ(table.initialcash, 50);
    EXPECT_EQ(table.seats[kHuman].cash, -30);
    EXPECT_EQ(table.cardback, 99);
    EXPECT_EQ(table.complevel, 30);
    EXPECT_EQ(table.smallbet, 6);
    EXPECT_EQ(table.bigbet, 4);
}

TEST_F(GameSettingsTest, TheLevelAndBetSizesAreNotWrittenBack) {
    writeBytes(path, "[Bet]\nbig=8\n");
    loadsettings(table, file);

    const std::string text = readBytes(path);
    EXPECT_EQ(text.find("[Levels]"), std::string::npos);
    EXPECT_EQ(text.find("small="), std::string::npos);
    EXPECT_NE(text.find("big=8\n"), std::string::npos);
    EXPECT_EQ(table.bigbet, 8);
}

TEST_F(GameSettingsTest, AFileLackingSomeKeysGetsThemAndKeepsTheRest) {
    writeBytes(path, "; my game\n\n[Cash]\nplayer=900\n[Other]\nx=1\n");
    loadsettings(table, file);

    const std::string text = readBytes(path);
    EXPECT_EQ(table.seats[kHuman].cash, 900);
    EXPECT_NE(text.find("; my game"), std::string::npos);
    EXPECT_NE(text.find("player=900\n"), std::string::npos);
    EXPECT_NE(text.find("freak=1200\n"), std::string::npos);
    EXPECT_NE(text.find("[Other]\nx=1\n"), std::string::npos);
    EXPECT_NE(text.find("[Card]\nback=52\n"), std::string::npos);
}

TEST_F(GameSettingsTest, SavecashWritesEverySeatInItsFixedOrder) {
    for (SeatCode seat = kRobot; seat <= kHuman; ++seat) {
        table.seats[seat].cash = 100 * seat;
    }
    table.seats[kHuman].cash = -5;
    savecash(table, file);

    // Keys that are new to the file are added in the order in which they are written.
    EXPECT_EQ(readBytes(path), "[Cash]\n"
                               "freak=700\n"
                               "player=-5\n"
                               "geek=600\n"
                               "master=500\n"
                               "champ=400\n"
                               "pinhead=300\n"
                               "expert=200\n"
                               "robot=100\n");
}

TEST_F(GameSettingsTest, AFailedWriteStopsTheLoadThere) {
    std::filesystem::create_directory(path); // a folder where the file should be
    table.complevel = -1;
    EXPECT_THROW(loadsettings(table, file), SettingsWriteError);
    // The reads before the echo have happened; the reads after it have not.
    EXPECT_EQ(table.seats[kHuman].cash, 1200);
    EXPECT_EQ(table.cardback, 52);
    EXPECT_EQ(table.complevel, -1);
    EXPECT_THROW(savecash(table, file), SettingsWriteError);
}

} // namespace
} // namespace omaha
