#pragma once

#include <cstdint>
#include <sys/stat.h>

namespace omaha {

// Tells one version of a file from the next without reading it: the device and inode, the size,
// and the times of the last change to the contents and to the inode, to the nanosecond. A file
// replaced by a rename is a new inode; one rewritten in place has new times or a new size. An
// inode number may go to another file once the old one is deleted, so whoever remembers a
// version keeps the file open.
struct FileVersion {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;

    static FileVersion of(const struct stat& info) {
        return {info.st_dev,          info.st_ino,         info.st_size,        info.st_mtim.tv_sec,
                info.st_mtim.tv_nsec, info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
    }
    bool operator==(const FileVersion&) const = default;
};

} // namespace omaha
