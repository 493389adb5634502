#include "settings/settings_file.h"
#include "temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace omaha {
namespace {

// Sets an environment variable for one test and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (saved_) {
            ::setenv(name_, saved_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

class DefaultSettingsPath : public ::testing::Test {
protected:
    test_files::TempFolder folder;
    ScopedVariable home{"HOME", (folder / "home").c_str()};
};

TEST_F(DefaultSettingsPath, LivesInTheConfigFolderNamedByTheEnvironment) {
    const ScopedVariable config("XDG_CONFIG_HOME", (folder / "config").c_str());
    EXPECT_EQ(defaultSettingsPath(), folder / "config" / "vellum.ini");
}

TEST_F(DefaultSettingsPath, FallsBackToDotConfigInTheHomeFolder) {
    const std::filesystem::path expected = folder / "home" / ".config" / "vellum.ini";
    {
        const ScopedVariable config("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(defaultSettingsPath(), expected);
    }
    {
        const ScopedVariable config("XDG_CONFIG_HOME", "");
        EXPECT_EQ(defaultSettingsPath(), expected);
    }
    {
        // A relative config folder would follow the working directory around.
        const ScopedVariable config("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(defaultSettingsPath(), expected);
    }
}

TEST_F(DefaultSettingsPath, TheFirstWriteCreatesTheMissingFolder) {
    const ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    const SettingsFile file(defaultSettingsPath());
    file.writeInt("Card", "back", 53);
    EXPECT_EQ(test_files::readBytes(folder / "home" / ".config" / "vellum.ini"),
              "[Card]\nback=53\n");
}

} // namespace
} // namespace omaha
