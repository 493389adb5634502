#include "settings/integer_value.h"
#include "settings/settings_file.h"
#include "settings/temporary_files.h"
#include "tests/temp_folder.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <pwd.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace omaha {
namespace {

using test_files::readBytes;
using test_files::writeBytes;
namespace fs = std::filesystem;

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
    std::string expectWriteFailsAndChangesNothing(SettingsFile target) const {
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

// One write of several values, names in any letter case from A to Z among them, leaves what a write
// of each would, keeps the file's permissions, and the first of a repeated key counts.
TEST_F(SettingsTest, SeveralValuesInOneWriteLeaveTheFileAsAWriteOfEach) {
    const IntSetting values[] = {
        {"Cash", "geek", 5}, {"Background", "Color", 7}, {"Cash", "zone", 8}, {"Card", "back", 53},
        {"cash", "GEEK", 9}, {"Cash", "player", 1},      {"CASH", "ZONE", 4}};
    for (const char* start : {"", "; notes\n[Cash]\nplayer=1\n\n[Other]\nx=2\n",
                              "[Card]\nback=52\n[cASH]\nGeek=1\ngeek=2\n[Cash]\nGEEK=3\n"}) {
        writeBytes(path, start);
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write); // kept private
        file.writeInts(values);
        EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(std::pair(file.readInt("CASH", "geek", 0), file.readInt("Cash", "zone", 0)),
                  std::pair(9, 4));
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
    for (int copy = 0; copy < 4; ++copy) {
        if (::fork() != 0)
            continue;
        try {
            SettingsFile own(path);
            for (int key = 0; key < 15; ++key)
                own.writeInts({{"Race", "key" + std::to_string(100 * copy + key), key}});
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    for (int status = 0; ::wait(&status) > 0;)
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (int copy = 0; copy < 4; ++copy)
        for (int key = 0; key < 15; ++key)
            EXPECT_EQ(file.readInt("Race", "key" + std::to_string(100 * copy + key), -1), key);
}

TEST_F(SettingsTest, TheTemporaryFilesOfEndedWritesAreRemovedAndNoOthers) {
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string tmp = "vellum.ini.tmp", gone = std::to_string(ended);
    // Each name, and whether it is removed. Init, process 1, runs, though only root may signal it.
    // clang-format off
    const std::pair<std::string, bool> files[] = {
        {tmp + gone + "-0", true}, {tmp + gone + "-17", true}, {tmp + "1-5", false},
        {tmp + std::to_string(::getpid()) + "-3", false}, {tmp + gone + "-", false},
        {tmp + gone, false}, {tmp + gone + "-3x", false}, {tmp + "0" + gone + "-3", false},
        {tmp + gone + "-03", false}, {tmp + "+" + gone + "-3", false},
        {tmp + gone + "-3.bak", false}, {tmp + "99999999999-3", false},
        {"other.ini.tmp" + gone + "-3", false}};
    // clang-format on
    for (const auto& [name, removed] : files)
        writeBytes(folder / name, "[Cash]\n");
    removeStaleTemporaryFiles(path);
    for (const auto& [name, removed] : files)
        EXPECT_EQ(fs::exists(folder / name), !removed) << name;
}

// How every line reads is held to SimpleIni's reading by the fuzzer's corpus.
TEST_F(SettingsTest, AMissingFileReadsAsTheDefaultsAndALargeOneToItsEnd) {
    EXPECT_EQ(file.readInt("Cash", "geek", 1200), 1200);
    EXPECT_FALSE(fs::exists(path)) << "a read never creates the file";
    writeBytes(path, std::string(1 << 20, 'y') + "\n[Cash]\ngeek=42\n"); // a megabyte without '='
    EXPECT_EQ(file.readInt("Cash", "geek", 1200), 42);
    file.writeInts({{"Cash", "player", 31}});
    EXPECT_EQ(file.readInt("Cash", "player", 0), 31);
    EXPECT_EQ(file.readInt("Cash", "geek", 1200), 42);
}

// Failures that stop root as well as anyone else: a folder where the file should be, a plain
// file where its folder should be, a full disk and a file without any write permission.
TEST_F(SettingsTest, AFailedWriteChangesNothingAndTellsWhy) {
    fs::create_directory(path);
    writeBytes(path / "inside", "x");
    writeBytes(folder / "plain", "not a folder");
    EXPECT_EQ(expectWriteFailsAndChangesNothing(file), "Is a directory");
    EXPECT_EQ(expectWriteFailsAndChangesNothing(SettingsFile(folder / "plain" / "vellum.ini")),
              "Not a directory");

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
    // clang-format off
    const std::pair<const char*, fs::path> cases[] = {
        {"/elsewhere", "/elsewhere/vellum.ini"}, {"", fallback}, {nullptr, fallback},
        {"relative/config", fallback}};
    // clang-format on
    for (const auto& [config, expected] : cases) {
        const ScopedVariable variable("XDG_CONFIG_HOME", config);
        EXPECT_EQ(defaultSettingsPath(), expected) << (config ? config : "(unset)");
    }
    // A session without a usable HOME finds the home in the user database.
    const ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    const fs::path database = fs::path(::getpwuid(::geteuid())->pw_dir) / ".config/vellum.ini";
    for (const char* value : {static_cast<const char*>(nullptr), "", "relative/home"}) {
        const ScopedVariable variable("HOME", value);
        EXPECT_EQ(defaultSettingsPath(), database) << (value ? value : "(unset)");
    }
}

} // namespace
} // namespace omaha
