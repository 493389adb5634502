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

struct ShellRun {
    int status;
    std::string errors;
};

// Runs `command` in the shell, "sim" standing for the tool; the command sends standard error
// to standard output, which is read here.
ShellRun runShell(const std::string& tmpdir, std::string command) {
    command.replace(command.find("sim "), 3, OMAHA_SIM_PATH);
    FILE* const pipe = popen(("export TMPDIR='" + tmpdir + "'; " + command).c_str(), "r");
    ShellRun run{-1, {}};
    if (pipe == nullptr)
        return run;
    char buffer[256];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.errors.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(SimBinary, FailuresExitWithThreeAndLeaveNoFolder) {
    std::string folder = (std::filesystem::temp_directory_path() / "sim-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    struct Case {
        const char* command;
        const char* errorStart;
    };
    for (const Case& failing : {
             // No folder to put the settings file in.
             Case{"TMPDIR=/nonexistent sim play --hands 1 2>&1 >/dev/null",
                  "error: cannot create a temporary folder in /nonexistent: "},
             // Output that cannot be written.
             Case{"sim play --hands 2 2>&1 >/dev/full", "error: cannot write the output\n"},
             Case{"echo 'Ah Kh Qh Jh Th' | sim eval 2>&1 >/dev/full",
                  "error: cannot write the output\n"},
             // Input that cannot be read: a folder.
             Case{"sim eval </ 2>&1", "error: cannot read the input\n"},
             // A disk too full for the settings file: with SIGXFSZ ignored, a write past the
             // size limit fails as on a full disk.
             Case{"trap '' XFSZ; ulimit -f 0; sim play --hands 1 2>&1 >/dev/null", "error: "},
         }) {
        const ShellRun run = runShell(folder, failing.command);
        EXPECT_EQ(run.status, 3) << failing.command;
        EXPECT_TRUE(run.errors.starts_with(failing.errorStart))
            << failing.command << ": " << run.errors;
        EXPECT_TRUE(std::filesystem::is_empty(folder)) << failing.command;
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace omaha
