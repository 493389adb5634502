#include "settings/settings_file.h"

#include "settings/atomic_file.h"
#include "settings/ini_document.h"
#include "settings/integer_value.h"

#include <string>
#include <utility>

namespace omaha {

SettingsWriteError::SettingsWriteError(const std::filesystem::path& path)
    : std::runtime_error("Unable to write to " + path.string()) {}

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

std::int32_t SettingsFile::readInt(std::string_view section, std::string_view key,
                                   std::int32_t fallback) const {
    // Whatever goes wrong, from a folder in the file's place to a lack of memory for a huge
    // file, the game goes on with the default.
    try {
        const std::optional<FileContents> file = readFileIfPresent(path_);
        if (!file) {
            return fallback;
        }
        const std::optional<std::string> text = IniDocument(file->bytes).value(section, key);
        return text ? parseIntegerValue(*text).value_or(fallback) : fallback;
    } catch (const std::exception&) {
        return fallback;
    }
}

void SettingsFile::writeInt(std::string_view section, std::string_view key,
                            std::int32_t value) const {
    try {
        // Read through any link, so that the contents kept are those of the file replaced.
        const std::filesystem::path target = followLinks(path_);
        std::optional<FileContents> file = readFileIfPresent(target);
        IniDocument document(file ? std::string_view(file->bytes) : std::string_view());
        document.setValue(section, key, std::to_string(value));
        replaceFileAtomically(target, document.text(),
                              file ? std::optional<mode_t>(file->permissions) : std::nullopt);
    } catch (const std::exception&) {
        throw SettingsWriteError(path_);
    }
}

} // namespace omaha
