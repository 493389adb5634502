#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace omaha::test_files {

// A fresh folder under the system's temporary folder, removed with all it holds at the end, so
// that no test comes near the player's own settings.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// The bytes of a file, exactly; empty when it cannot be read.
std::string readBytes(const std::filesystem::path& path);
// Writes the bytes exactly, replacing the file.
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace omaha::test_files
