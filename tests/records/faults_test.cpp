#include "tests/records/recorded_games.h"
#include "tools/commands.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <regex>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace omaha::test_records {
namespace {

using Rows = std::vector<std::string>;

TEST(Faults, AFileLockedByAnotherCopyLeavesItsHandsOutUntilItIsFree) {
    RecordsFolder folder;
    HandRecords records(folder.file(), folder.notice(), {std::chrono::milliseconds(20), {}});
    playRecorded("--seed 1 --hands 0", records);
    // Another process holds a write transaction until it is killed.
    int locked[2];
    ASSERT_EQ(pipe(locked), 0);
    const pid_t copy = fork();
    if (copy == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(folder.file().c_str(), &db);
        sqlite3_exec(db, "BEGIN IMMEDIATE; DELETE FROM hand_events", nullptr, nullptr, nullptr);
        (void)!write(locked[1], "x", 1);
        pause();
    }
    char signal;
    ASSERT_EQ(read(locked[0], &signal, 1), 1);
    const Played played = playRecorded("--seed 2 --hands 3", records);
    EXPECT_EQ(folder.notices, Rows{"Another copy of the game is using " + folder.file().string() +
                                   ": the hand was not recorded."});
    kill(copy, SIGKILL);
    waitpid(copy, nullptr, 0);
    EXPECT_EQ(playRecorded("--seed 2 --hands 3", records).events, played.events);
    EXPECT_EQ(rows(folder.file(), "SELECT game_id, COUNT(*) FROM hands GROUP BY 1"),
              (Rows{"1|1", "2|4"}));
    EXPECT_EQ(folder.notices.size(), 1u);
}

TEST(Faults, ADamagedFileIsMovedAsideAndANewOneBegun) {
    RecordsFolder folder;
    // Damaged from its first byte, then in every page but the first, in the same second.
    for (const std::string again : {"", "-2"}) {
        const HandRecords::Options sameSecond{{}, [] { return std::time_t{0}; }};
        HandRecords(folder.file(), folder.notice(), sameSecond).recordGameEnd(GameOutcome::Won);
        std::string bytes = test_files::readBytes(folder.file());
        std::fill(bytes.begin() + (again.empty() ? 0 : 4096), bytes.end(), '\x5a');
        test_files::writeBytes(folder.file(), bytes);
        folder.notices.clear();
        HandRecords records(folder.file(), folder.notice(), sameSecond);
        playRecorded("--seed 1 --hands 2", records);
        ASSERT_EQ(folder.notices.size(), 1u);
        const std::regex told(folder.file().string() + " was damaged: it was moved to (" +
                              folder.file().string() +
                              R"(\.corrupt-\d{4}-\d\d-\d\dT\d\d-\d\d-\d\d)" + again +
                              "), and a new record of hands begun\\.");
        std::smatch aside;
        ASSERT_TRUE(std::regex_match(folder.notices[0], aside, told)) << folder.notices[0];
        EXPECT_EQ(test_files::readBytes(aside[1].str()), bytes);
        EXPECT_EQ(rows(folder.file(), "SELECT COUNT(*) FROM hands"), Rows{"3"});
    }
}

// omaha-sim plays on, and says why once.
TEST(Faults, AFileOfANewerVersionIsLeftAsItIs) {
    RecordsFolder folder;
    rows(folder.file(), "CREATE TABLE hands (id INTEGER); PRAGMA user_version = 3");
    const std::string before = test_files::readBytes(folder.file());
    const std::string file = folder.file().string();
    std::ostringstream out, err;
    EXPECT_EQ(
        runPlayCommand(std::vector<std::string_view>{"--hands", "2", "--record", file}, out, err),
        0);
    EXPECT_EQ(err.str(), "warning: " + file +
                             " was written by a newer version of the game: it is left as it is, "
                             "and hands are not recorded.\n");
    EXPECT_EQ(test_files::readBytes(folder.file()), before);
    EXPECT_EQ(HandRecords(folder.file(), folder.notice()).allTimeFigures(), Figures{});
}

TEST(Faults, AFileThatCannotBeMadeIsToldOnce) {
    RecordsFolder folder;
    test_files::writeBytes(folder.folder / "file", "");
    for (const std::filesystem::path& file :
         {folder.folder / "file" / "hands.sqlite", folder.folder.path()}) {
        HandRecords records(file, folder.notice());
        playRecorded("--seed 1 --hands 2", records);
        EXPECT_EQ(records.allTimeFigures(), Figures{});
    }
    const std::string unable = "Unable to record hands in " + folder.folder.path().string();
    EXPECT_EQ(folder.notices,
              (Rows{unable + "/file/hands.sqlite: Not a directory", unable + ": Is a directory"}));
}

// What a run of omaha-sim printed on its standard output, through a pipe which no limit on the
// size of files holds back, then its warnings and its exit status. A coverage build keeps no
// profile of it, which could not be written where the records file cannot.
std::string sim(const std::string& options, const std::string& prefix = "") {
    const test_files::TempFolder err;
    FILE* const pipe =
        popen(("export LLVM_PROFILE_FILE=/dev/null; " + prefix + OMAHA_SIM_PATH +
               " play --seed 5 --hands 20 " + options + " 2>" + (err / "err").string())
                  .c_str(),
              "r");
    std::string printed;
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        printed += static_cast<char>(c);
    const int status = pclose(pipe);
    return printed + test_files::readBytes(err / "err") + "status " +
           std::to_string(WEXITSTATUS(status));
}

// A folder that does not take the file, and a disk too small for it, each in a whole process that
// plays on as it would without recording.
TEST(Faults, AFolderOrDiskThatTakesNoMoreLeavesTheGamePlayingOn) {
    RecordsFolder folder;
    {
        HandRecords records(folder.file(), folder.notice());
        playRecorded("--seed 1 --hands 2", records);
    }
    const std::string plain = sim("");
    const std::string warning = "warning: Unable to record hands in " + folder.file().string();
    const std::string record = "--record " + folder.file().string();
    const std::string before = test_files::readBytes(folder.file());
    // Root writes anywhere: the tool runs as nobody, the file open to all in a folder nobody may
    // write to.
    std::filesystem::permissions(folder.folder.path(),
                                 std::filesystem::perms::others_read |
                                     std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add);
    std::filesystem::permissions(folder.file(), std::filesystem::perms::all);
    EXPECT_EQ(
        sim(record, geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : ""),
        plain.substr(0, plain.size() - 8) + warning + ": Permission denied\nstatus 0");
    EXPECT_EQ(test_files::readBytes(folder.file()), before);

    const std::string disk =
        "trap '' XFSZ; prlimit --fsize=" + std::to_string(before.size() + 16384);
    EXPECT_EQ(sim(record, disk + " "),
              plain.substr(0, plain.size() - 8) + warning + ": File too large\nstatus 0");
    EXPECT_EQ(rows(folder.file(), "PRAGMA integrity_check"), Rows{"ok"});
    EXPECT_EQ(rows(folder.file(), "SELECT COUNT(*) BETWEEN 4 AND 20 FROM hands"), Rows{"1"});
    for (const char* query : kUnsound) // the hands it kept are whole
        EXPECT_EQ(rows(folder.file(), query), Rows{}) << query;
}

} // namespace
} // namespace omaha::test_records
