#pragma once

#include "settings/descriptor.h"

#include <chrono>
#include <filesystem>

namespace omaha {

// An exclusive advisory lock (flock) on the file at `path`, created empty when missing, held for
// the life of the object. Copies of the game take it around each read-change-replace of the
// settings file, so that none of them replaces the file with contents that lack another's latest
// write. The lock file stays: deleting it would let two processes lock two different files of
// the same name.
// While another process holds the lock, waits for at most `patience`: a copy of the game that
// hangs must not freeze the others. Nor may whatever sits at the path: a pipe or a device is
// never opened for long, and a link is not followed. Throws std::runtime_error with the reason
// for the player: "another copy of the game holds the settings lock", or what is wrong with the
// lock file, named by its path, since the player knows only the settings file.
class FileLock {
public:
    FileLock(const std::filesystem::path& path, std::chrono::milliseconds patience);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    Descriptor fd_; // the lock goes with the descriptor's close
};

// The lock file of a settings file: its name with ".lock" added, beside it.
std::filesystem::path lockFileFor(const std::filesystem::path& target);

} // namespace omaha
