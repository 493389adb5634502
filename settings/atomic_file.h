#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace omaha {

struct FileContents {
    std::string bytes;
    mode_t permissions = 0; // carried over to the file that replaces this one
};

// The whole of a regular file. Nothing when there is no file at `path`; std::system_error when
// there is something that cannot be read as a file (a folder, a pipe, a file without read
// permission). Never blocks, whatever sits at the path.
std::optional<FileContents> readFileIfPresent(const std::filesystem::path& path);

// Replaces the file at `path` so that a crash or a power cut at any moment leaves either the old
// file or the new one, never a mix: the bytes go to a temporary file in the same folder, reach
// the disk (fsync), and the temporary file is then renamed over the old one. A link at `path` is
// followed, so the file it points to is replaced and the link stays. The folder is created when
// missing. A new file gets the usual permissions (0666 less the umask) unless `permissions` says
// otherwise. A file that exists but may not be written by this user is an error, although the
// rename would replace it. Throws std::system_error or std::filesystem::filesystem_error; the old
// file is then untouched and no temporary file is left behind.
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::optional<mode_t> permissions);

// The file that `path` ends at once any symbolic links at its last component are followed; the
// path itself when it is no link, and the link's target when that does not exist yet.
std::filesystem::path followLinks(const std::filesystem::path& path);

} // namespace omaha
