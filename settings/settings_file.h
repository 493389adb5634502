#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace omaha {

// Raised when a value cannot be written; the text is "Unable to write to <path>".
class SettingsWriteError : public std::runtime_error {
public:
    explicit SettingsWriteError(const std::filesystem::path& path);
};

// The INI settings file, addressed key by key: every call opens the file, acts and closes it, so
// nothing is kept in memory and the file always holds the last value written.
class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    // The stored integer, or `fallback` when the file, section or key is missing or unreadable.
    std::int32_t readInt(std::string_view section, std::string_view key,
                         std::int32_t fallback) const;
    // Replaces one value, creating what is missing; throws SettingsWriteError.
    void writeInt(std::string_view section, std::string_view key, std::int32_t value) const;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The player's own settings file: $XDG_CONFIG_HOME/vellum.ini or ~/.config/vellum.ini.
std::filesystem::path defaultSettingsPath();

} // namespace omaha
