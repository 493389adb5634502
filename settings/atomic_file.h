#pragma once

#include "settings/descriptor.h"
#include "settings/file_version.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

namespace omaha {

// Who owns a file and who may do what with it: carried over to the file that replaces it, so that
// a run of the game as root leaves the player's file the player's.
struct FileOwnership {
    mode_t permissions = 0;
    uid_t owner = 0;
    gid_t group = 0;

    static FileOwnership of(const struct stat& info) {
        return {static_cast<mode_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
    }
};

struct FileContents {
    std::string bytes;
    FileOwnership ownership;
    FileVersion version; // of the file the bytes were read from
    Descriptor handle;   // that file, still open: see FileVersion
};

// The whole of a regular file. Nothing when there is no file at `path`; std::system_error when
// there is a folder or something that cannot be read (no read permission), std::runtime_error
// "not a regular file" for a pipe, a device or a socket. Never blocks, whatever sits at the path.
std::optional<FileContents> readFileIfPresent(const std::filesystem::path& path);

// Throws unless the file at `target` (no link) may be replaced: std::system_error for a folder or
// a file that this user may not write, std::runtime_error "not a regular file" for anything else
// that is no file; std::runtime_error for a file without
// any write permission bit, which stays as it is whoever runs the game, root included (root may
// write any file, but a player who took away every write bit meant the file to stay as it is).
// No file at all is fine.
void requireReplaceable(const std::filesystem::path& target);

// Replaces the file `target` so that a crash or a power cut at any moment leaves either the old
// file or the new one, never a mix: the bytes go to a temporary file in the same folder, reach
// the disk (fsync), and the temporary file is then renamed over the old one. `target` is no link
// (see followLinks), its folder exists and requireReplaceable has let it through: the rename
// would replace even what that refuses.
// The new file gets `ownership`, that of the file it replaces; without it, the usual owner and
// permissions (0666 less the umask). Only root may give a file to another user, and others only
// to a group of their own: when the new file cannot have the old one's owner and group, the
// write fails rather than change who may read and write the settings.
// Throws std::system_error, or std::runtime_error "the file belongs to another user or group";
// the old file is then untouched and no temporary file is left behind.
void replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           const std::optional<FileOwnership>& ownership);

// The file that `path` ends at once any symbolic links at its last component are followed; the
// path itself when it is no link, and the link's target when that does not exist yet.
std::filesystem::path followLinks(const std::filesystem::path& path);

// The folder that holds `path`: "." for a bare file name.
std::filesystem::path folderOf(const std::filesystem::path& path);

} // namespace omaha
