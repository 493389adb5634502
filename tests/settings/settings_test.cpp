#include "settings/integer_value.h"
#include "settings/settings_file.h"
#include "settings/temporary_files.h"
#include "tests/temp_folder.h"

#include <algorithm>
#include <chrono>
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
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

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
    // The write throws, the old file stays as it was, no temporary file is left behind and the
    // value reads as before; gives the reason that the error tells.
    std::string expectWriteFailsAndChangesNothing(SettingsFile& target) const {
        const auto snapshot = [this] { // every entry, with the bytes of each regular file
            std::map<fs::path, std::string> entries;
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.path()))
                if (entry.path().extension() != ".lock") // no settings: made by the first write
                    entries[entry.path()] = entry.is_regular_file() ? readBytes(entry.path()) : "";
            return entries;
        };
        const auto before = snapshot();
        const std::int32_t value = target.readInt("Cash", "player", -1);
        std::string reason;
        try {
            target.writeInts({{"Cash", "player", 5}});
            ADD_FAILURE() << "the write went through";
        } catch (const SettingsWriteError& error) {
            EXPECT_EQ(error.what(), "Unable to write to " + target.path().string());
            reason = error.reason();
        }
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(target.readInt("Cash", "player", -1), value);
        return reason;
    }

    test_files::TempFolder folder;
    fs::path path = folder / "vellum.ini";
    SettingsFile file{path};
};

TEST_F(SettingsTest, NamesMatchWhateverTheirCaseAndTheFirstOfARepeatedKeyCounts) {
    writeBytes(path, "[cASH]\nPlayer=5\nplayer=6\n[Cash]\nPLAYER=7\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 5);
    file.writeInts({{"CASH", "PLAYER", 8}});
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
    file.writeInts({{"Cash", "player", 1500}});
    EXPECT_EQ(readBytes(path), std::string(before).replace(before.find("1200"), 4, "1500"));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SettingsTest, SeveralValuesInOneWriteLeaveTheFileAsAWriteOfEach) {
    const IntSetting values[] = {{"Cash", "geek", 5}, {"Background", "Color", 7},
                                 {"Cash", "new", 8},  {"Card", "back", 53},
                                 {"cash", "GEEK", 9}, {"Cash", "player", 1}};
    for (const char* start : {"", "; notes\n[Cash]\nplayer=1\n\n[Other]\nx=2\n",
                              "[Card]\nback=52\n[Cash]\ngeek=1\n[Card]\ngeek=2\n"}) {
        writeBytes(path, start);
        file.writeInts(values);
        const std::string together = readBytes(path);
        writeBytes(path, start);
        for (const auto& [section, key, value] : values)
            SettingsFile(path).writeInts({{section, key, value}}); // each from what is on disk
        EXPECT_EQ(readBytes(path), together) << start;
    }
}

TEST_F(SettingsTest, AChangeOnDiskIsReadWhateverMadeIt) {
    writeBytes(path, "[Cash]\nplayer=1\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 1);
    SettingsFile(path).writeInts({{"Cash", "player", 2}}); // another copy of the game
    EXPECT_EQ(file.readInt("Cash", "player", 0), 2);
    writeBytes(path, "[Cash]\nplayer=33\n"); // an editor that writes the file in place
    EXPECT_EQ(file.readInt("Cash", "player", 0), 33);
    // The same size again, a moment later.
    const fs::file_time_type edited = fs::last_write_time(path);
    writeBytes(path, "[Cash]\nplayer=44\n");
    fs::last_write_time(path, edited + std::chrono::milliseconds(1));
    EXPECT_EQ(file.readInt("Cash", "player", 0), 44);
}

// Each copy of the game writes keys of its own many times over; the lock keeps every copy from
// replacing the file with contents that lack the others' latest keys.
TEST_F(SettingsTest, CopiesOfTheGameWritingAtOnceKeepEachOthersKeys) {
    constexpr int kCopies = 4;
    constexpr int kKeys = 15;
    const auto keyOf = [](int copy, int key) {
        return "copy" + std::to_string(copy) + "key" + std::to_string(key);
    };
    std::vector<pid_t> copies;
    for (int copy = 0; copy < kCopies; ++copy) {
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                SettingsFile own(path);
                for (int key = 0; key < kKeys; ++key)
                    own.writeInts({{"Race", keyOf(copy, key), key}});
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        copies.push_back(child);
    }
    for (const pid_t copy : copies) {
        int status = 0;
        ::waitpid(copy, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int copy = 0; copy < kCopies; ++copy)
        for (int key = 0; key < kKeys; ++key)
            EXPECT_EQ(file.readInt("Race", keyOf(copy, key), -1), key) << keyOf(copy, key);
}

TEST_F(SettingsTest, TheTemporaryFilesOfEndedWritesAreRemovedAndNoOthers) {
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string gone = std::to_string(ended), running = std::to_string(::getpid());
    const std::pair<std::string, bool> files[] = {
        // name, removed
        {"vellum.ini.tmp" + gone + "-0", true},
        {"vellum.ini.tmp" + gone + "-17", true},
        {"vellum.ini.tmp" + running + "-3", false},
        {"vellum.ini.tmp1-5", false}, // init: runs, though only root may signal it
        {"vellum.ini.tmp" + gone + "-", false},
        {"vellum.ini.tmp" + gone, false},
        {"vellum.ini.tmp" + gone + "-3x", false},
        {"vellum.ini.tmp0" + gone + "-3", false},
        {"vellum.ini.tmp" + gone + "-03", false},
        {"vellum.ini.tmp+" + gone + "-3", false},
        {"other.ini.tmp" + gone + "-3", false},
        {"vellum.ini.tmp" + gone + "-3.bak", false},
        {"vellum.ini.tmp99999999999-3", false}};
    for (const auto& [name, removed] : files)
        writeBytes(folder / name, "[Cash]\n");
    removeStaleTemporaryFiles(path);
    for (const auto& [name, removed] : files)
        EXPECT_EQ(fs::exists(folder / name), !removed) << name;
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

        file.writeInts({{"Cash", "player", 31}});
        const std::string text = readBytes(path);
        EXPECT_EQ(file.readInt("Cash", "player", 0), 31);
        EXPECT_EQ(file.readInt("Cash", "geek", 1200), geek);
        EXPECT_EQ(text.starts_with(mark), bytes && bytes->starts_with(mark));
        file.writeInts({{"Cash", "player", 31}});
        EXPECT_EQ(readBytes(path), text) << "nothing creeps in from one write to the next";
    }
}

// Failures that stop root as well as anyone else: a folder where the file should be, a plain
// file where its folder should be, a full disk and a file without any write permission.
TEST_F(SettingsTest, AFailedWriteChangesNothingAndTellsWhy) {
    fs::create_directory(path);
    writeBytes(path / "inside", "x");
    writeBytes(folder / "plain", "not a folder");
    EXPECT_EQ(expectWriteFailsAndChangesNothing(file), "Is a directory");
    SettingsFile inFile(folder / "plain" / "vellum.ini");
    EXPECT_EQ(expectWriteFailsAndChangesNothing(inFile), "Not a directory");

    SettingsFile full(folder / "full.ini");
    writeBytes(full.path(), "[Cash]\nplayer=1\n[Custom]\nnote=" + std::string(4096, 'x') + "\n");
    // Every file write of this process now stops at 2 kB, for root too, as if the disk filled up
    // half-way through the new file; past the limit a write fails with EFBIG instead of a signal.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit diskFull{2048, saved.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &diskFull);
    EXPECT_EQ(expectWriteFailsAndChangesNothing(full), "File too large");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    full.writeInts({{"Cash", "player", 2}}); // once the disk has room, writing works again
    EXPECT_EQ(full.readInt("Cash", "player", 0), 2);

    SettingsFile readOnly(folder / "read-only.ini");
    writeBytes(readOnly.path(), "[Cash]\nplayer=1\n");
    fs::permissions(readOnly.path(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(expectWriteFailsAndChangesNothing(readOnly), "the file is read-only");

    // The permission bits of a folder do not stop root, who runs the tests in CI.
    if (::geteuid() != 0) {
        fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(expectWriteFailsAndChangesNothing(full), "Permission denied");
        fs::permissions(folder.path(), fs::perms::owner_all);
    }
}

// Sets an environment variable for the life of the object, or unsets it for nullptr, then puts
// back what was there.
struct ScopedVariable {
    ScopedVariable(const char* variable, const char* value) : name(variable) {
        if (const char* old = std::getenv(name))
            saved = old;
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
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
