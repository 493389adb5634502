#include "settings/game_settings.h"
#include "settings/integer_value.h"
#include "temp_folder.h"

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>
#include <utility>

namespace omaha {
namespace {

using test_files::readBytes;
using test_files::writeBytes;
namespace fs = std::filesystem;
using namespace std::string_literals;

TEST(IntegerValue, ReadsSignedDecimalAndZeroXHexadecimalWithin32Bits) {
    // clang-format off
    const std::pair<std::string_view, std::int32_t> numbers[] = {
        {"1200", 1200}, {"-50", -50}, {"+50", 50}, {"007", 7}, {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN}, {"0x4B0", 1200}, {"0X4b0", 1200}, {"0x7FFFFFFF", INT32_MAX}};
    // clang-format on
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(parseIntegerValue(text), value) << '"' << text << '"';
    // Not integers, or outside the signed 32-bit range: the caller falls back to its default
    // rather than storing a wrapped-around value. "\xd9\xa3" is an Arabic-Indic three.
    for (std::string_view text :
         {"", "abc", "0x", "0xG", "0x-5", "0x+5", "-0x5", "+", "+-5", "12a", "1 2", " 12", "12.0",
          "\xd9\xa3", "99999999999", "2147483648", "-2147483649", "0x80000000", "0x1FFFFFFFF"})
        EXPECT_EQ(parseIntegerValue(text), std::nullopt) << '"' << text << '"';
}

class SettingsTest : public ::testing::Test {
protected:
    // The write throws, the old file stays as it was and no temporary file is left behind.
    void expectWriteFailsAndChangesNothing(const SettingsFile& target) const {
        const auto snapshot = [this] { // every entry, with the bytes of each regular file
            std::map<fs::path, std::string> entries;
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.path()))
                entries[entry.path()] = entry.is_regular_file() ? readBytes(entry.path()) : "";
            return entries;
        };
        const auto before = snapshot();
        EXPECT_THROW(target.writeInt("Cash", "player", 5), SettingsWriteError);
        EXPECT_EQ(snapshot(), before);
    }

    test_files::TempFolder folder;
    fs::path path = folder / "vellum.ini";
    SettingsFile file{path};
    TableState table;
};

TEST_F(SettingsTest, NamesMatchWhateverTheirCaseAndTheFirstOfARepeatedKeyCounts) {
    writeBytes(path, "[cASH]\nPlayer=5\nplayer=6\n[Cash]\nPLAYER=7\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 5);
    file.writeInt("CASH", "PLAYER", 8);
    EXPECT_EQ(file.readInt("cash", "player", 0), 8);
    EXPECT_EQ(std::ranges::count(readBytes(path), '='), 1) << "one line left for the key";
}

TEST_F(SettingsTest, AWriteChangesOneValueAndKeepsEveryOtherLineAndThePermissions) {
    // In the layout that the game writes, so that any other change would show.
    const std::string before = "; Vellum, edited by hand\n\n\n[Background]\nColor=255\n\n\n"
                               "# the money\n[Cash]\n\n; the human\nplayer=1200\ngeek=900\n\n\n"
                               "[Custom]\nnote=kept as text\n";
    writeBytes(path, before);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write); // kept private
    file.writeInt("Cash", "player", 1500);
    EXPECT_EQ(readBytes(path), std::string(before).replace(before.find("1200"), 4, "1500"));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SettingsTest, LoadsettingsTakesEachKeyUncheckedAndEchoesWhatItTook) {
    // A first run writes the defaults, but not the level or the bet sizes; its folder is made too.
    const SettingsFile fresh(folder / "config" / "vellum.ini");
    loadsettings(table, fresh);
    EXPECT_EQ(readBytes(fresh.path()),
              "[Background]\nColor=0\n\n\n[Cash]\nfreak=1200\nplayer=1200\ngeek=1200\nmaster=1200\n"
              "champ=1200\npinhead=1200\nexpert=1200\nrobot=1200\nuntil=600\ninitial=1200\n\n\n"
              "[Card]\nback=52\n");
    EXPECT_EQ(std::tuple(table.complevel, table.smallbet, table.bigbet), std::tuple(20, 2, 4));

    writeBytes(path, "[Background]\nColor=255\n[Cash]\ninitial=50\nuntil=70\n[Card]\nback=99\n"
                     "[Levels]\ncomp=30\n[Bet]\nsmall=6\nbig=4\n");
    loadsettings(table, file); // no range test on any of them
    EXPECT_EQ(std::tuple(table.bgcolor, table.initialcash, table.untilcash, table.cardback,
                         table.complevel, table.smallbet, table.bigbet),
              std::tuple(255, 50, 70, 99, 30, 6, 4));

    // Values that are no integers fall back, and the echo repairs them with the defaults.
    writeBytes(path, "[Cash]\nplayer=abc\ninitial=0x4B0\nuntil=0x\ngeek=99999999999\n");
    loadsettings(table, file);
    EXPECT_TRUE(
        readBytes(path).starts_with("[Cash]\nplayer=1200\ninitial=1200\nuntil=600\ngeek=1200\n"));
}

TEST_F(SettingsTest, SavecashWritesEverySeatInItsFixedOrderAndEachReadsBack) {
    for (SeatCode seat = kRobot; seat <= kHuman; ++seat)
        table.seats[seat].cash = seat == kHuman ? -5 : 100 * seat;
    savecash(table, file);
    EXPECT_EQ(readBytes(path), "[Cash]\nfreak=700\nplayer=-5\ngeek=600\nmaster=500\nchamp=400\n"
                               "pinhead=300\nexpert=200\nrobot=100\n");
    TableState loaded;
    loadsettings(loaded, file);
    for (SeatCode seat = kRobot; seat <= kHuman; ++seat)
        EXPECT_EQ(loaded.seats[seat].cash, table.seats[seat].cash) << seatFacts(seat).name;
}

// Whatever the file holds, a read gives the values that it can make out and the defaults for
// the rest, and a write changes one value and leaves a file that reads the same again.
TEST_F(SettingsTest, DamagedOrOddFilesAreReadAndRewritten) {
    std::string noise(64 * 1024, '\0');
    std::ranges::generate(noise, std::minstd_rand(20240601));
    const std::string mark = "\xEF\xBB\xBF", junk(1 << 20, 'y'); // a megabyte without '='
    // The file's bytes (nothing: no file), then the values of Cash/player and Cash/geek.
    using Case = std::tuple<const char*, std::optional<std::string>, std::int32_t, std::int32_t>;
    const Case cases[] = {
        {"no file", std::nullopt, 1200, 1200},
        {"blank lines", "\n \n\t\n", 1200, 1200},
        {"random bytes", noise, 1200, 1200},
        {"NUL bytes as line breaks", "\0\0[Cash]\nplayer=5\0geek=6\n\0\0"s, 5, 6},
        {"a large file", junk + "\n[Cash]\ngeek=42\n", 1200, 42},
        {"lines without '='", "[Cash]\ngeek=5\nplayer\nsome words\n=7\n", 1200, 5},
        {"sections lacking their ']'", "[Cash\ngeek=2\n  [Bet\nplayer=3\n", 1200, 2},
        {"repeated keys", "[Cash]\nplayer=1\ngeek=2\nplayer=3\n[Bet]\n[Cash]\ngeek=4\n", 1, 2},
        {"CRLF and blanks", "[ Cash ]\r\n  player  =  77  \r\n\tgeek\t=\t0x10\t\r\n", 77, 16},
        {"a byte-order mark", mark + "[Cash]\r\nplayer=3\r\n", 3, 1200},
        {"two files joined, each with its mark",
         mark + "[Bet]\nsmall=6\n" + mark + "[Cash]\nplayer=1\n" + mark + "  geek=2\n", 1, 2},
    };
    for (const auto& [name, bytes, player, geek] : cases) {
        SCOPED_TRACE(name);
        bytes ? writeBytes(path, *bytes) : void(fs::remove(path));
        EXPECT_EQ(file.readInt("Cash", "player", 1200), player);
        EXPECT_EQ(file.readInt("Cash", "geek", 1200), geek);
        EXPECT_EQ(fs::exists(path), bytes.has_value()) << "a read never creates the file";

        file.writeInt("Cash", "player", 31);
        const std::string text = readBytes(path);
        EXPECT_EQ(file.readInt("Cash", "player", 0), 31);
        EXPECT_EQ(file.readInt("Cash", "geek", 1200), geek);
        EXPECT_EQ(text.starts_with(mark), bytes && bytes->starts_with(mark));
        file.writeInt("Cash", "player", 31);
        EXPECT_EQ(readBytes(path), text) << "nothing creeps in from one write to the next";
    }
}

// Failures that stop root as well as anyone else: a folder where the file should be, a plain
// file where its folder should be, and a full disk.
TEST_F(SettingsTest, AFailedWriteChangesNothing) {
    fs::create_directory(path);
    writeBytes(path / "inside", "x");
    writeBytes(folder / "plain", "not a folder");
    for (const SettingsFile& target : {file, SettingsFile(folder / "plain" / "vellum.ini")}) {
        EXPECT_EQ(target.readInt("Cash", "player", 1200), 1200);
        expectWriteFailsAndChangesNothing(target);
    }
    const SettingsFile full(folder / "full.ini");
    writeBytes(full.path(), "[Cash]\nplayer=1\n[Custom]\nnote=" + std::string(4096, 'x') + "\n");
    // Every file write of this process now stops at 2 kB, for root too, as if the disk filled up
    // half-way through the new file; past the limit a write fails with EFBIG instead of a signal.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit diskFull{2048, saved.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &diskFull);
    expectWriteFailsAndChangesNothing(full);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    full.writeInt("Cash", "player", 2); // once the disk has room, writing works again
    EXPECT_EQ(full.readInt("Cash", "player", 0), 2);
}

TEST_F(SettingsTest, AReadOnlyFileOrFolderIsLeftAsItWas) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    writeBytes(path, "[Cash]\nplayer=1\n");
    fs::permissions(path, fs::perms::owner_read);
    expectWriteFailsAndChangesNothing(file);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    expectWriteFailsAndChangesNothing(file);
    fs::permissions(folder.path(), fs::perms::owner_all);
}

// Sets an environment variable for the life of the object, or unsets it for nullptr, then puts
// back what was there.
struct ScopedVariable {
    ScopedVariable(const char* variable, const char* value) : name(variable) {
        if (const char* old = std::getenv(variable))
            saved = old;
        value != nullptr ? ::setenv(variable, value, 1) : ::unsetenv(variable);
    }
    ~ScopedVariable() { saved ? ::setenv(name, saved->c_str(), 1) : ::unsetenv(name); }
    const char* name;
    std::optional<std::string> saved;
};

TEST(DefaultSettingsPath, IsInXdgConfigHomeElseInDotConfigUnderHome) {
    const ScopedVariable home("HOME", "/home/someone");
    const fs::path fallback = "/home/someone/.config/vellum.ini";
    // A relative config folder would follow the working directory around.
    const std::pair<const char*, fs::path> cases[] = {{"/elsewhere", "/elsewhere/vellum.ini"},
                                                      {"", fallback},
                                                      {nullptr, fallback},
                                                      {"relative/config", fallback}};
    for (const auto& [config, expected] : cases) {
        const ScopedVariable variable("XDG_CONFIG_HOME", config);
        EXPECT_EQ(defaultSettingsPath(), expected) << (config ? config : "(unset)");
    }
}

} // namespace
} // namespace omaha
