#include "settings/atomic_file.h"

#include "settings/temporary_files.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace omaha {

namespace {

[[noreturn]] void throwErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// Says what stands at the path instead of a file: a folder in the system's words, anything else
// (a pipe, a device, a socket) as what it is not.
[[noreturn]] void throwNotAFile(mode_t mode) {
    if (S_ISDIR(mode)) {
        throw std::system_error(std::make_error_code(std::errc::is_a_directory), "settings path");
    }
    throw std::runtime_error("not a regular file");
}

// Creates a new file beside `target`, under a name that no other file has, and stores that name
// in `name`. The process id and a counter keep running copies of the game apart; O_EXCL makes sure
// that a file left behind by a crash is never written into.
int createBeside(const std::filesystem::path& target, std::filesystem::path& name) {
    static std::atomic<unsigned> counter{0};
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = temporaryFileName(target, ::getpid(), counter++);
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0) {
            return fd;
        }
        if (errno != EEXIST) {
            throwErrno("create temporary settings file");
        }
    }
    throwErrno("create temporary settings file");
}

// The temporary file of one replacement; removed again unless it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target)
        : fd_(createBeside(target, path_)) {}
    ~TemporaryFile() {
        if (!committed_) {
            fd_.close();
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    Descriptor& descriptor() { return fd_; }
    const std::filesystem::path& path() const { return path_; }
    void commit() { committed_ = true; }

private:
    std::filesystem::path path_; // declared first: the descriptor's initialiser fills it in
    Descriptor fd_;
    bool committed_ = false;
};

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwErrno("write settings file");
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Gives the new file the owner and group of the old one. Only when they differ: a filesystem
// without owners (a FAT stick) refuses any change, even to what the file already has.
void giveOwner(int fd, const FileOwnership& ownership) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) {
        throwErrno("stat temporary settings file");
    }
    if ((made.st_uid != ownership.owner || made.st_gid != ownership.group) &&
        ::fchown(fd, ownership.owner, ownership.group) != 0) {
        throw std::runtime_error("the file belongs to another user or group");
    }
}

// Makes the rename itself survive a power cut. Failing here leaves the new file in place and
// the old one at worst after a crash, which is still a whole file, so the error is not raised.
void syncFolder(const std::filesystem::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) {
        ::fsync(fd.get());
    }
}

} // namespace

std::optional<FileContents> readFileIfPresent(const std::filesystem::path& path) {
    // O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return std::nullopt;
        }
        throwErrno("open settings file");
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        throwErrno("stat settings file");
    }
    if (!S_ISREG(info.st_mode)) {
        throwNotAFile(info.st_mode);
    }
    FileContents contents;
    contents.ownership = FileOwnership::of(info);
    contents.version = FileVersion::of(info);
    // st_size is only a hint: files under /proc report 0 and a file may grow while it is read.
    contents.bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwErrno("read settings file");
        }
        if (got == 0) {
            break;
        }
        contents.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    contents.handle = std::move(fd);
    return contents;
}

std::filesystem::path followLinks(const std::filesystem::path& path) {
    // The same limit as the kernel's, so that a loop of links ends as an error.
    constexpr int kMaxLinks = 40;
    std::filesystem::path current = path;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        if (!std::filesystem::is_symlink(current)) {
            return current;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(current);
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw std::system_error(std::make_error_code(std::errc::too_many_symbolic_link_levels),
                            "settings path");
}

std::filesystem::path folderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

void requireReplaceable(const std::filesystem::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return;
        }
        throwErrno("settings file");
    }
    if (!S_ISREG(info.st_mode)) {
        throwNotAFile(info.st_mode);
    }
    if ((info.st_mode & 0222) == 0) {
        throw std::runtime_error("the file is read-only");
    }
    // Renaming would replace a file this user may not write as easily as any other.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        throwErrno("settings file is not writable");
    }
}

void replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           const std::optional<FileOwnership>& ownership) {
    TemporaryFile temporary(target);
    const int fd = temporary.descriptor().get();
    if (ownership) {
        // The owner first: a change of owner may clear the set-id bits that the mode then sets.
        giveOwner(fd, *ownership);
        if (::fchmod(fd, ownership->permissions) != 0) {
            throwErrno("set settings file permissions");
        }
    }
    writeAll(fd, bytes);
    if (::fsync(fd) != 0) {
        throwErrno("flush settings file");
    }
    if (temporary.descriptor().close() != 0) {
        throwErrno("close settings file");
    }
    if (::rename(temporary.path().c_str(), target.c_str()) != 0) {
        throwErrno("replace settings file");
    }
    temporary.commit();
    syncFolder(folderOf(target));
}

} // namespace omaha
