#include "settings/settings_file.h"
#include "temp_folder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>

namespace omaha {
namespace {

using test_files::readBytes;
using test_files::writeBytes;

// Makes every file write of this process stop at `bytes`, for root too: the disk seems to fill
// up half-way through the new file.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        // Past the limit a write fails with EFBIG instead of killing the process.
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = SIG_DFL;
};

TEST(FailedWrite, AWriteCutOffHalfWayLeavesTheOldFileWhole) {
    test_files::TempFolder folder;
    const std::filesystem::path path = folder / "vellum.ini";
    std::string old = "[Cash]\nplayer=1\n[Custom]\n";
    for (int line = 0; line < 200; ++line) {
        old += "note" + std::to_string(line) + "=some text to make the file long\n";
    }
    writeBytes(path, old);
    const SettingsFile file(path);

    bool failed = false;
    {
        const FileSizeLimit limit(old.size() / 2);
        try {
            file.writeInt("Cash", "player", 2);
        } catch (const SettingsWriteError&) {
            failed = true;
        }
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(readBytes(path), old);
    // The half-written temporary file is gone too.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);

    file.writeInt("Cash", "player", 2); // and once the disk has room, writing works again
    EXPECT_EQ(file.readInt("Cash", "player", 0), 2);
}

} // namespace
} // namespace omaha
