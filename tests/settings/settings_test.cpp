#include "settings/file_lock.h"
#include "settings/integer_value.h"
#include "settings/settings_file.h"
#include "settings/temporary_files.h"
#include "tests/temp_folder.h"

#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <map>
#include <optional>
#include <pwd.h>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <tuple>
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

// A build that measures coverage writes a process's counts when it exits normally, to a file
// whose name took the process number when it started; a child that ends with _exit names its
// own (a name given again unchanged is ignored, hence the detour) and writes it. Elsewhere there
// is no such function and nothing happens.
extern "C" void __llvm_profile_set_filename(const char* pattern) __attribute__((weak));
extern "C" int __llvm_profile_write_file() __attribute__((weak));

void writeCoverageOfChild() {
    if (__llvm_profile_write_file == nullptr)
        return;
    if (const char* pattern = std::getenv("LLVM_PROFILE_FILE")) {
        __llvm_profile_set_filename("child.profraw");
        __llvm_profile_set_filename(pattern);
    }
    __llvm_profile_write_file();
}

// Runs `body` in a child process; expectations that fail there fail the test.
void inChild(const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            body();
        } catch (...) {
            ADD_FAILURE() << "an exception left the child";
        }
        writeCoverageOfChild();
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child failed";
}

// As inChild, in a child that has given up root and owns `folder`, so that checks of permissions
// and of other users' processes mean something when the tests run as root, as they do in CI.
void asNobody(const fs::path& folder, const std::function<void()>& body) {
    inChild([&] {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0) {
            ASSERT_TRUE(::chown(folder.c_str(), kNobody, kNobody) == 0 &&
                        ::setgroups(0, nullptr) == 0 &&
                        ::setresgid(kNobody, kNobody, kNobody) == 0 &&
                        ::setresuid(kNobody, kNobody, kNobody) == 0);
        }
        body();
    });
}

// From here on every fsync of this process fails as on a disk that has gone bad.
void failEveryFsync() {
    sock_filter filter[] = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
                            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_fsync, 0, 1),
                            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EIO),
                            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW)};
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    ASSERT_EQ(::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0), 0);
    ASSERT_EQ(::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program), 0);
}

class SettingsTest : public ::testing::Test {
protected:
    // The write throws, the old file stays as it was, no temporary file is left behind and the
    // value reads as before; gives the reason that the error tells.
    std::string expectWriteFailsAndChangesNothing(SettingsFile target) const {
        const auto snapshot = [this] { // every entry, with the bytes of each regular file
            std::map<fs::path, std::string> entries;
            std::error_code loop;
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.path()))
                if (entry.path().extension() != ".lock") // no settings: made by the first write
                    entries[entry.path()] =
                        entry.is_regular_file(loop) ? readBytes(entry.path()) : "";
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
    // Not as root, who may signal any process: the file of this test's own process is then one
    // of another user's running process.
    asNobody(folder.path(), [&] { removeStaleTemporaryFiles(path); });
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

// Failures that stop root as well as anyone else: a folder, a pipe or a device where the file
// should be, a plain file where its folder should be, a full disk, a disk that fails to store
// the new file and a file without any write permission.
TEST_F(SettingsTest, AFailedWriteChangesNothingAndTellsWhy) {
    fs::create_directory(path);
    writeBytes(path / "inside", "x");
    writeBytes(folder / "plain", "not a folder");
    EXPECT_EQ(expectWriteFailsAndChangesNothing(file), "Is a directory");
    EXPECT_EQ(expectWriteFailsAndChangesNothing(SettingsFile(folder / "plain" / "vellum.ini")),
              "Not a directory");
    fs::remove_all(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(expectWriteFailsAndChangesNothing(file), "not a regular file");
    fs::remove(path);
    fs::create_symlink("/dev/null", path);
    EXPECT_EQ(expectWriteFailsAndChangesNothing(file), "not a regular file");

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
    inChild([&] {
        failEveryFsync();
        EXPECT_EQ(expectWriteFailsAndChangesNothing(full), "Input/output error");
    });
    full.writeInts({{"Cash", "player", 2}}); // once the disk works again, so does writing
    EXPECT_EQ(full.readInt("Cash", "player", 0), 2);

    SettingsFile readOnly(folder / "read-only.ini");
    writeBytes(readOnly.path(), "[Cash]\nplayer=1\n");
    fs::permissions(readOnly.path(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(expectWriteFailsAndChangesNothing(readOnly), "the file is read-only");
}

// A file the player may not read holds no value for the game and is never written over; nor is
// one in a folder where the player may make no file, since the new file goes beside the old.
TEST_F(SettingsTest, WhatThePlayerMayNotReadOrMakeStaysAsItIs) {
    asNobody(folder.path(), [&] {
        writeBytes(path, "[Cash]\nplayer=7\n");
        fs::permissions(path, fs::perms::owner_write);
        EXPECT_EQ(file.readInt("Cash", "player", -1), -1);
        EXPECT_EQ(expectWriteFailsAndChangesNothing(file), "Permission denied");
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
        writeBytes(lockFileFor(path), "");
        fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(expectWriteFailsAndChangesNothing(file), "Permission denied");
        fs::permissions(folder.path(), fs::perms::owner_all);
    });
}

// A run as root, with the player's settings path (sudo -E), leaves the file the player's; a
// player never takes another user's file, nor writes where the lock file cannot be made.
TEST_F(SettingsTest, AWriteKeepsTheFilesOwnerAndNeverTakesAnotherUsersFile) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give files to other users";
    const auto placeFile = [](const fs::path& at, uid_t owner, gid_t group, mode_t mode) {
        writeBytes(at, "[Cash]\nplayer=1\n");
        ASSERT_EQ(::chown(at.c_str(), owner, group), 0);
        ASSERT_EQ(::chmod(at.c_str(), mode), 0);
    };
    placeFile(path, 1234, 5678, 0640);
    file.writeInts({{"Cash", "player", 2}});
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(std::tuple(info.st_uid, info.st_gid, info.st_mode & 07777),
              std::tuple(1234u, 5678u, 0640u));
    EXPECT_EQ(file.readInt("Cash", "player", 0), 2);

    placeFile(folder / "root-only.ini", 0, 0, 0644);
    placeFile(folder / "shared.ini", 0, 0, 0666);
    fs::create_directory(folder / "closed");
    placeFile(folder / "closed" / "vellum.ini", 65534, 65534, 0644); // the player's own file
    asNobody(folder.path(), [&] {
        EXPECT_EQ(expectWriteFailsAndChangesNothing(SettingsFile(folder / "root-only.ini")),
                  "Permission denied");
        EXPECT_EQ(expectWriteFailsAndChangesNothing(SettingsFile(folder / "shared.ini")),
                  "the file belongs to another user or group");
        const fs::path closed = folder / "closed" / "vellum.ini";
        EXPECT_EQ(expectWriteFailsAndChangesNothing(SettingsFile(closed)),
                  "cannot use the lock file " + closed.string() + ".lock: Permission denied");
    });
}

// Whatever sits at the lock file's path, and a copy of the game that never lets go of the lock,
// the write ends soon with the reason.
TEST_F(SettingsTest, ALockThatCannotBeTakenEndsTheWriteInTime) {
    writeBytes(path, "[Cash]\nplayer=1\n");
    const fs::path lock = folder / "vellum.ini.lock";
    const std::string notAFile = "the lock file " + lock.string() + " is not a regular file";
    ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0);
    EXPECT_EQ(expectWriteFailsAndChangesNothing(file), notAFile);
    fs::remove(lock);
    fs::create_symlink("/dev/null", lock);
    EXPECT_EQ(expectWriteFailsAndChangesNothing(file), notAFile);
    fs::remove(lock);
    fs::create_directory(lock);
    EXPECT_EQ(expectWriteFailsAndChangesNothing(file),
              "cannot use the lock file " + lock.string() + ": Is a directory");
    fs::remove(lock);

    file.writeInts({{"Cash", "player", 2}});
    const int held = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0); // another open file: as another copy of the game
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(expectWriteFailsAndChangesNothing(SettingsFile(path, std::chrono::milliseconds(300))),
              "another copy of the game holds the settings lock");
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(waited >= std::chrono::milliseconds(300) && waited < std::chrono::seconds(3));
    ::close(held);
}

// The file that links end at is read and replaced, and the links stay: a relative link, an
// absolute one and a chain of relative links, each relative to the folder it sits in. A loop of
// links reads as the defaults, and a write says why it fails.
TEST_F(SettingsTest, LinksAtThePathAreFollowedAndStay) {
    const fs::path real = folder / "real" / "vellum.ini";
    fs::create_directories(folder / "real");
    fs::create_directories(folder / "links");
    fs::create_symlink("../real/vellum.ini", folder / "links" / "hop");
    const std::pair<fs::path, std::int32_t> links[] = {
        {"real/vellum.ini", 1}, {real, 2}, {"links/hop", 3}};
    for (const auto& [target, value] : links) {
        fs::remove(path);
        fs::create_symlink(target, path);
        file.writeInts({{"Cash", "player", value}});
        EXPECT_TRUE(fs::is_symlink(path)) << target;
        EXPECT_EQ(SettingsFile(real).readInt("Cash", "player", 0), value) << target;
        EXPECT_EQ(file.readInt("Cash", "player", 0), value) << target;
    }
    fs::remove(path);
    fs::create_symlink("loop.ini", path);
    fs::create_symlink("vellum.ini", folder / "loop.ini");
    EXPECT_EQ(expectWriteFailsAndChangesNothing(file), "Too many levels of symbolic links");
    EXPECT_EQ(file.readInt("Cash", "player", 1200), 1200);
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
