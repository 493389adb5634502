#include "settings/settings_file.h"
#include "temp_folder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace omaha {
namespace {

using test_files::readBytes;
using test_files::writeBytes;
namespace fs = std::filesystem;

std::size_t countOf(const std::string& text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class SettingsFileTest : public ::testing::Test {
protected:
    // The file's own name is all that the folder should hold after any write.
    void expectNoStrayFiles() const {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder.path())) {
            EXPECT_EQ(entry.path().filename(), "vellum.ini");
        }
    }
    void expectWriteFails(const SettingsFile& target) const {
        try {
            target.writeInt("Cash", "player", 5);
            ADD_FAILURE() << "the write to " << target.path() << " succeeded";
        } catch (const SettingsWriteError& error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + target.path().string());
        }
    }

    test_files::TempFolder folder;
    fs::path path = folder / "vellum.ini";
    SettingsFile file{path};
};

TEST_F(SettingsFileTest, MissingFileReadsAsTheDefaultAndIsNotCreated) {
    EXPECT_EQ(file.readInt("Cash", "player", 1200), 1200);
    EXPECT_EQ(file.readInt("Cash", "player", -7), -7);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(SettingsFileTest, MissingSectionOrKeyReadsAsTheDefault) {
    writeBytes(path, "[Cash]\nplayer=5\n");
    EXPECT_EQ(file.readInt("Bet", "player", 11), 11);
    EXPECT_EQ(file.readInt("Cash", "geek", 12), 12);
}

TEST_F(SettingsFileTest, NamesMatchWhateverTheirLetterCase) {
    writeBytes(path, "[cASH]\nPlayer=5\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 5);
    file.writeInt("CASH", "PLAYER", 6);
    EXPECT_EQ(file.readInt("cash", "player", 0), 6);
    EXPECT_EQ(countOf(readBytes(path), "="), 1u);
}

TEST_F(SettingsFileTest, WriteCreatesTheFileAndEveryFolderAboveIt) {
    const SettingsFile nested(folder / "a" / "b" / "vellum.ini");
    nested.writeInt("Cash", "player", -5);
    EXPECT_EQ(readBytes(nested.path()), "[Cash]\nplayer=-5\n");
}

TEST_F(SettingsFileTest, WriteAddsMissingKeysAndSectionsAfterTheExistingOnes) {
    writeBytes(path, "[Cash]\nplayer=1\n");
    file.writeInt("Cash", "geek", 2);
    file.writeInt("Bet", "small", 4);
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=1\ngeek=2\n\n\n[Bet]\nsmall=4\n");
}

TEST_F(SettingsFileTest, WriteKeepsEverySectionKeyAndCommentItDoesNotChange) {
    writeBytes(path, "; Vellum, edited by hand\n"
                     "\n"
                     "[Background]\n"
                     "Color=255\n"
                     "\n"
                     "# the money\n"
                     "[Cash]\n"
                     "; the human\n"
                     "player=1200\n"
                     "geek=900\n"
                     "\n"
                     "[Custom]\n"
                     "note=kept as text\n");
    file.writeInt("Cash", "player", 1500);

    const std::string text = readBytes(path);
    EXPECT_EQ(file.readInt("Background", "Color", 0), 255);
    EXPECT_EQ(file.readInt("Cash", "player", 0), 1500);
    EXPECT_EQ(file.readInt("Cash", "geek", 0), 900);
    EXPECT_NE(text.find("note=kept as text\n"), std::string::npos);
    EXPECT_NE(text.find("; Vellum, edited by hand\n"), std::string::npos);
    // Each comment stays in front of what it describes.
    EXPECT_LT(text.find("# the money"), text.find("[Cash]"));
    EXPECT_LT(text.find("[Background]"), text.find("# the money"));
    EXPECT_LT(text.find("; the human"), text.find("player=1500"));
    EXPECT_LT(text.find("[Cash]"), text.find("; the human"));
    EXPECT_LT(text.find("geek=900"), text.find("[Custom]"));

    // Writing a value again changes nothing else: the file does not drift or grow from one
    // Deal to the next.
    file.writeInt("Cash", "player", 1500);
    EXPECT_EQ(readBytes(path), text);
    expectNoStrayFiles();
}

TEST_F(SettingsFileTest, OfARepeatedKeyTheFirstCountsAndAWriteLeavesOneLine) {
    writeBytes(path, "[Cash]\nplayer=1\ngeek=2\nplayer=3\n[Bet]\n[CASH]\nplayer=4\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 1);
    file.writeInt("Cash", "player", 9);
    EXPECT_EQ(countOf(readBytes(path), "player="), 1u);
    EXPECT_EQ(file.readInt("Cash", "player", 0), 9);
    EXPECT_EQ(file.readInt("Cash", "geek", 0), 2);
}

TEST_F(SettingsFileTest, ReadsThroughCrLfByteOrderMarkAndBlanks) {
    writeBytes(path, "\xEF\xBB\xBF[ Cash ]\r\n  player  =  77  \r\n\tgeek\t=\t-3\t\r\n"
                     "champ= 0x10\r\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 77);
    EXPECT_EQ(file.readInt("Cash", "geek", 0), -3);
    EXPECT_EQ(file.readInt("Cash", "champ", 0), 16);

    file.writeInt("Cash", "robot", 8);
    const std::string text = readBytes(path);
    EXPECT_EQ(text.rfind("\xEF\xBB\xBF", 0), 0u) << "the byte-order mark is kept";
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(file.readInt("Cash", "player", 0), 77);
    EXPECT_EQ(file.readInt("Cash", "robot", 0), 8);
}

TEST_F(SettingsFileTest, TwoFilesJoinedTogetherReadAsOne) {
    // Each part keeps the byte-order mark it was saved with.
    writeBytes(path, "\xEF\xBB\xBF[Cash]\nplayer=1\n\xEF\xBB\xBF[Bet]\nsmall=6\n"
                     "\xEF\xBB\xBF  geek=2\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 1);
    EXPECT_EQ(file.readInt("Bet", "small", 0), 6);
    EXPECT_EQ(file.readInt("Bet", "geek", 0), 2);
    EXPECT_EQ(file.readInt("Cash", "small", 0), 0);
}

TEST_F(SettingsFileTest, LinesWithoutAnEqualsSignAreNoKeys) {
    writeBytes(path, "\xEF\xBB\xBF[Cash\ngeek=5\nplayer\nsome words\n=7\n  [Bet\nsmall=3\n");
    EXPECT_EQ(file.readInt("Cash", "player", 1200), 1200);
    EXPECT_EQ(file.readInt("Cash", "geek", 0), 5);
    EXPECT_EQ(file.readInt("Bet", "small", 0), 3) << "a section line lacking its bracket";
    file.writeInt("Cash", "robot", 1);
    EXPECT_EQ(file.readInt("Cash", "geek", 0), 5);
    EXPECT_EQ(file.readInt("Bet", "small", 0), 3);
    // Nothing of the broken lines creeps into the file from one write to the next.
    const std::string text = readBytes(path);
    file.writeInt("Cash", "robot", 1);
    EXPECT_EQ(readBytes(path), text);
}

TEST_F(SettingsFileTest, ValuesThatAreNoIntegersReadAsTheDefault) {
    writeBytes(path, "[Cash]\nplayer=12 34\ngeek=99999999999\nchamp=\nrobot=abc\n");
    for (const char* key : {"player", "geek", "champ", "robot", "expert"}) {
        EXPECT_EQ(file.readInt("Cash", key, 1200), 1200) << key;
    }
}

TEST_F(SettingsFileTest, RandomBytesReadAsDefaultsAndAreReplacedByAWrite) {
    std::mt19937 random(20240601);
    std::string noise(64 * 1024, '\0');
    for (char& byte : noise) {
        byte = static_cast<char>(random() & 0xFF);
    }
    writeBytes(path, noise);
    EXPECT_EQ(file.readInt("Cash", "player", 1200), 1200);
    file.writeInt("Cash", "player", 31);
    EXPECT_EQ(file.readInt("Cash", "player", 0), 31);
}

TEST_F(SettingsFileTest, NulBytesCountAsLineBreaks) {
    using namespace std::string_literals;
    writeBytes(path, "\0\0[Cash]\nplayer=5\0geek=6\n\0\0\0"s);
    EXPECT_EQ(file.readInt("Cash", "player", 0), 5);
    EXPECT_EQ(file.readInt("Cash", "geek", 0), 6);

    writeBytes(path, std::string(4096, '\0'));
    EXPECT_EQ(file.readInt("Cash", "player", 1200), 1200);
    file.writeInt("Cash", "player", 7);
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=7\n");
}

TEST_F(SettingsFileTest, AVeryLargeFileIsReadAndKept) {
    std::string text = "[Junk]\n";
    for (int line = 0; line < 10'000; ++line) {
        text += "key" + std::to_string(line) + "=" + std::string(40, 'x') + "\n";
    }
    text += std::string(512 * 1024, 'y') + "\n"; // one long line without '='
    text += "[Cash]\nplayer=42\n";
    writeBytes(path, text);

    EXPECT_EQ(file.readInt("Cash", "player", 0), 42);
    file.writeInt("Cash", "geek", 3);
    EXPECT_EQ(file.readInt("Cash", "player", 0), 42);
    EXPECT_EQ(file.readInt("Cash", "geek", 0), 3);
    EXPECT_NE(readBytes(path).find("key9999=" + std::string(40, 'x')), std::string::npos);
}

TEST_F(SettingsFileTest, EachCallReadsTheFileAfresh) {
    file.writeInt("Cash", "player", 5);
    writeBytes(path, "[Cash]\nplayer=7\n"); // changed behind the game's back
    EXPECT_EQ(file.readInt("Cash", "player", 0), 7);
    file.writeInt("Cash", "geek", 1);
    EXPECT_EQ(file.readInt("Cash", "player", 0), 7);
}

TEST_F(SettingsFileTest, ALinkIsFollowedAndStaysALink) {
    fs::create_directory(folder / "kept");
    writeBytes(folder / "kept" / "real.ini", "[Cash]\nplayer=1\n");
    fs::create_symlink(fs::path("kept") / "real.ini", path);

    file.writeInt("Cash", "player", 2);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(readBytes(folder / "kept" / "real.ini"), "[Cash]\nplayer=2\n");

    fs::remove(folder / "kept" / "real.ini"); // a link to a file not made yet
    file.writeInt("Cash", "player", 3);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(readBytes(folder / "kept" / "real.ini"), "[Cash]\nplayer=3\n");
}

TEST_F(SettingsFileTest, AWriteKeepsTheFilePermissions) {
    writeBytes(path, "[Cash]\nplayer=1\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    file.writeInt("Cash", "player", 2);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::mask,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SettingsFileTest, AFolderInPlaceOfTheFileReadsAsDefaultsAndCannotBeWritten) {
    fs::create_directory(path);
    writeBytes(path / "inside", "x");
    EXPECT_EQ(file.readInt("Cash", "player", 1200), 1200);
    expectWriteFails(file);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(readBytes(path / "inside"), "x");
    expectNoStrayFiles();
}

TEST_F(SettingsFileTest, AFileInPlaceOfTheFolderCannotBeWritten) {
    writeBytes(folder / "config", "not a folder");
    const SettingsFile below(folder / "config" / "vellum.ini");
    EXPECT_EQ(below.readInt("Cash", "player", 1200), 1200);
    expectWriteFails(below);
    EXPECT_EQ(readBytes(folder / "config"), "not a folder");
}

TEST_F(SettingsFileTest, AFolderWhereNoFileCanBeMadeCannotBeWritten) {
    // Not even root can create a file in /proc, which makes this case hold wherever it runs.
    const SettingsFile inProc("/proc/vellum-settings-test.ini");
    EXPECT_EQ(inProc.readInt("Cash", "player", 1200), 1200);
    expectWriteFails(inProc);
}

TEST_F(SettingsFileTest, APipeInPlaceOfTheFileNeitherBlocksNorIsWritten) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(file.readInt("Cash", "player", 1200), 1200);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    expectWriteFails(file);
    EXPECT_TRUE(fs::is_fifo(path));
}

TEST_F(SettingsFileTest, AReadOnlyFileIsLeftAsItWas) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop root";
    }
    writeBytes(path, "[Cash]\nplayer=1\n");
    fs::permissions(path, fs::perms::owner_read);
    expectWriteFails(file);
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=1\n");
    expectNoStrayFiles();
}

TEST_F(SettingsFileTest, AFileInAReadOnlyFolderIsLeftAsItWas) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop root";
    }
    writeBytes(path, "[Cash]\nplayer=1\n");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    expectWriteFails(file);
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=1\n");
    expectNoStrayFiles();
}

} // namespace
} // namespace omaha
