#include "settings/settings_file.h"

#include "settings/atomic_file.h"
#include "settings/file_lock.h"
#include "settings/integer_value.h"
#include "settings/parsed_settings.h"

#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <utility>

namespace omaha {

SettingsWriteError::SettingsWriteError(const std::filesystem::path& path, std::string reason)
    : std::runtime_error("Unable to write to " + path.string()), reason_(std::move(reason)) {}

struct SettingsFile::Shared {
    std::mutex mutex; // the parsed file is shared by copies, which may live on other threads
    ParsedSettings parsed;
};

SettingsFile::SettingsFile(std::filesystem::path path, std::chrono::milliseconds lockPatience)
    : path_(std::move(path)), lockPatience_(lockPatience), shared_(std::make_shared<Shared>()) {}

std::int32_t SettingsFile::readInt(std::string_view section, std::string_view key,
                                   std::int32_t fallback) const {
    // Whatever goes wrong, from a folder in the file's place to a lack of memory for a huge
    // file, the game goes on with the default.
    try {
        const std::scoped_lock guard(shared_->mutex);
        const std::optional<std::string> text = shared_->parsed.current(path_).value(section, key);
        return text ? parseIntegerValue(*text).value_or(fallback) : fallback;
    } catch (const std::exception&) {
        return fallback;
    }
}

void SettingsFile::writeInts(std::span<const IntSetting> values) {
    try {
        // The file that a link at the path ends at is the one read, locked and replaced.
        const std::filesystem::path target = followLinks(path_);
        // Before the lock, so that a file the player protected gets no lock file beside it.
        requireReplaceable(target);
        std::filesystem::create_directories(folderOf(target));
        const FileLock lock(lockFileFor(target), lockPatience_);
        const std::scoped_lock guard(shared_->mutex);
        ParsedSettings& parsed = shared_->parsed;
        try {
            IniDocument& document = parsed.current(target);
            for (const IntSetting& setting : values) {
                document.setValue(setting.section, setting.key, std::to_string(setting.value));
            }
            replaceFileAtomically(target, document.text(), parsed.ownership());
            parsed.replaced(target);
        } catch (...) {
            parsed.forget(); // the document holds values that never reached the disk
            throw;
        }
    } catch (const std::system_error& error) { // filesystem_error too
        throw SettingsWriteError(path_, error.code().message());
    } catch (const std::bad_alloc&) {
        throw SettingsWriteError(path_, "not enough memory");
    } catch (const std::exception& error) {
        throw SettingsWriteError(path_, error.what());
    }
}

} // namespace omaha
