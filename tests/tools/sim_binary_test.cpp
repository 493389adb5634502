// The built omaha-sim run as a player would run it, for what only a whole process shows: its
// exit status, a full disk, an output nobody can take.
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <sys/wait.h>

namespace omaha {
namespace {

TEST(SimBinary, FailuresExitWithTheirStatusAndLeaveNoFolder) {
    std::string folder = (std::filesystem::temp_directory_path() / "sim-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    struct Case {
        const char* command; // "sim" stands for the tool; standard error goes to the pipe
        int status;
        const char* errorStart;
    };
    for (const Case& failing : {
             // A command line that cannot be read.
             Case{"sim 2>&1", 2, "usage: omaha-sim eval < cards\n"},
             Case{"sim eval now 2>&1", 2, "usage: omaha-sim eval < cards\n"},
             Case{"sim play --hands 2>&1", 2, "omaha-sim play: --hands needs a value\nusage: "},
             // No folder to put the settings file in.
             Case{"TMPDIR=/nonexistent sim play --hands 1 2>&1 >/dev/null", 3,
                  "error: cannot create a temporary folder in /nonexistent: "},
             // Output that cannot be written.
             Case{"sim play --hands 2 2>&1 >/dev/full", 3, "error: cannot write the output\n"},
             Case{"echo 'Ah Kh Qh Jh Th' | sim eval 2>&1 >/dev/full", 3,
                  "error: cannot write the output\n"},
             // Input that cannot be read: a folder.
             Case{"sim eval </ 2>&1", 3, "error: cannot read the input\n"},
             // A disk too full for the settings file: with SIGXFSZ ignored, a write past the
             // size limit fails as on a full disk.
             Case{"trap '' XFSZ; ulimit -f 0; sim play --hands 1 2>&1 >/dev/null", 3, "error: "},
         }) {
        std::string command = failing.command;
        command.replace(command.find("sim"), 3, OMAHA_SIM_PATH);
        FILE* const pipe = popen(("export TMPDIR='" + folder + "'; " + command).c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string errors;
        char buffer[256];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            errors.append(buffer, got);
        const int status = pclose(pipe);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, failing.status) << command;
        EXPECT_TRUE(errors.starts_with(failing.errorStart)) << command << ": " << errors;
        EXPECT_TRUE(std::filesystem::is_empty(folder)) << command;
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace omaha
