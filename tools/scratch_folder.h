#pragma once

#include <filesystem>

namespace omaha {

// A fresh folder under $TMPDIR (or /tmp) for the tool's own settings file, removed with all it
// holds when the owner goes, whichever way it goes: the player's own file is never touched and
// nothing is left behind. Throws std::system_error when the folder cannot be made.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace omaha
