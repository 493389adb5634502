#pragma once

#include "settings/descriptor.h"
#include "settings/file_version.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace omaha {

struct FileContents {
    std::string bytes;
    mode_t permissions = 0; // carried over to the file that replaces this one
    FileVersion version;    // of the file the bytes were read from
    Descriptor handle;      // that file, still open: see FileVersion
};

// The whole of a regular file. Nothing when there is no file at `path`; std::system_error when
// there is something that cannot be read as a file (a folder, a pipe, a file without read
// permission). Never blocks, whatever sits at the path.
std::optional<FileContents> readFileIfPresent(const std::filesystem::path& path);

// Throws unless the file at `target` (no link) may be replaced: std::system_error for something
// that is no regular file, or that this user may not write; std::runtime_error for a file without
// any write permission bit, which stays as it is whoever runs the game, root included (root may
// write any file, but a player who took away every write bit meant the file to stay as it is).
// No file at all is fine.
void requireReplaceable(const std::filesystem::path& target);

// Replaces the file at `path` so that a crash or a power cut at any moment leaves either the old
// file or the new one, never a mix: the bytes go to a temporary file in the same folder, reach
// the disk (fsync), and the temporary file is then renamed over the old one. A link at `path` is
// followed, so the file it points to is replaced and the link stays. The folder is created when
// missing. A new file gets the usual permissions (0666 less the umask) unless `permissions` says
// otherwise. A file that requireReplaceable refuses is an error, although the rename would
// replace it. Throws what requireReplaceable throws, std::system_error or
// std::filesystem::filesystem_error; the old file is then untouched and no temporary file is left
// behind.
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::optional<mode_t> permissions);

// The file that `path` ends at once any symbolic links at its last component are followed; the
// path itself when it is no link, and the link's target when that does not exist yet.
std::filesystem::path followLinks(const std::filesystem::path& path);

// The folder that holds `path`: "." for a bare file name.
std::filesystem::path folderOf(const std::filesystem::path& path);

} // namespace omaha
