#pragma once

#include "settings/descriptor.h"

#include <filesystem>

namespace omaha {

// An exclusive advisory lock (flock) on the file at `path`, created empty when missing, held for
// the life of the object; waits while another process holds it. Copies of the game take it
// around each read-change-replace of the settings file, so that none of them replaces the file
// with contents that lack another's latest write. The lock file stays: deleting it would let two
// processes lock two different files of the same name.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& path);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    Descriptor fd_; // the lock goes with the descriptor's close
};

// The lock file of a settings file: its name with ".lock" added, beside it.
std::filesystem::path lockFileFor(const std::filesystem::path& target);

} // namespace omaha
