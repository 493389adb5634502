#include "settings/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>

namespace omaha {

FileLock::FileLock(const std::filesystem::path& path)
    // Read-only: flock needs no write access, so a lock file made by another user still serves.
    : fd_(::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666)) {
    if (fd_.get() < 0) {
        throw std::system_error(errno, std::generic_category(), "open settings lock file");
    }
    while (::flock(fd_.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            throw std::system_error(errno, std::generic_category(), "lock settings file");
        }
    }
}

std::filesystem::path lockFileFor(const std::filesystem::path& target) {
    std::filesystem::path lock = target;
    lock += ".lock";
    return lock;
}

} // namespace omaha
