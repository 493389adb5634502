#include "settings/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>

namespace omaha {

namespace {

[[noreturn]] void throwNotAFile(const std::filesystem::path& path) {
    throw std::runtime_error("the lock file " + path.string() + " is not a regular file");
}

[[noreturn]] void throwLockError(const std::filesystem::path& path, int error) {
    throw std::runtime_error("cannot use the lock file " + path.string() + ": " +
                             std::generic_category().message(error));
}

// Read-only: flock needs no write access, so a lock file made by another user still serves.
// Non-blocking: opening a pipe would otherwise wait for a writer for ever.
Descriptor openLockFile(const std::filesystem::path& path) {
    Descriptor fd(::open(
        path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666));
    if (fd.get() < 0) {
        if (errno == ELOOP) { // O_NOFOLLOW's answer to a link
            throwNotAFile(path);
        }
        throwLockError(path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        throwLockError(path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        throwNotAFile(path);
    }
    return fd;
}

} // namespace

FileLock::FileLock(const std::filesystem::path& path, std::chrono::milliseconds patience)
    : fd_(openLockFile(path)) {
    // Polled rather than waited for, so that the wait can end; a short pause between tries keeps
    // the delay after the lock is freed small.
    constexpr std::chrono::milliseconds kPause{5};
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (::flock(fd_.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            throwLockError(path, errno);
        }
        if (std::chrono::steady_clock::now() >= giveUp) {
            throw std::runtime_error("another copy of the game holds the settings lock");
        }
        std::this_thread::sleep_for(kPause);
    }
}

std::filesystem::path lockFileFor(const std::filesystem::path& target) {
    std::filesystem::path lock = target;
    lock += ".lock";
    return lock;
}

} // namespace omaha
