#pragma once

#include "settings/settings_store.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace omaha {

// Raised when values cannot be written; the text is "Unable to write to <path>", and the reason
// says what stopped the write, mostly in the system's own words ("No space left on device",
// "Permission denied", "Is a directory", "not a regular file", "the file is read-only"), for the
// details of the message box.
class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError(const std::filesystem::path& path, std::string reason);

    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// The INI settings file, addressed key by key. Every read gives what the file holds now, and
// every write reads, changes and replaces the whole file, so the file always holds the last value
// written, whichever copy of the game wrote it: the copies take a lock around each replacement.
// What was parsed is kept and parsed again only once the file has changed on disk; copies of a
// SettingsFile share it.
class SettingsFile final : public SettingsStore {
public:
    // A write waits for at most `lockPatience` while another copy of the game holds the lock,
    // then fails.
    explicit SettingsFile(std::filesystem::path path,
                          std::chrono::milliseconds lockPatience = std::chrono::seconds(5));

    // The stored integer, or `fallback` when the file, section or key is missing or unreadable.
    std::int32_t readInt(std::string_view section, std::string_view key,
                         std::int32_t fallback) const override;
    // Replaces the values in one replacement of the file, creating what is missing, in the order
    // given. Throws SettingsWriteError, and then the file keeps all its old values.
    void writeInts(std::span<const IntSetting> values) override;
    using SettingsStore::writeInts;

    const std::filesystem::path& path() const { return path_; }

private:
    struct Shared;

    std::filesystem::path path_;
    std::chrono::milliseconds lockPatience_;
    std::shared_ptr<Shared> shared_;
};

// The player's own settings file: $XDG_CONFIG_HOME/vellum.ini or ~/.config/vellum.ini.
std::filesystem::path defaultSettingsPath();

} // namespace omaha
