#pragma once

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

namespace omaha::test_files {

// A fresh folder under the system's temporary folder, removed with all it holds at the end, so
// that no test comes near the player's own settings.
class TempFolder {
public:
    TempFolder() : path_((std::filesystem::temp_directory_path() / "vellum-XXXXXX").string()) {
        if (::mkdtemp(path_.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::filesystem::path path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path() / name; }

private:
    std::string path_;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

} // namespace omaha::test_files
