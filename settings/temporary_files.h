#pragma once

#include <filesystem>
#include <sys/types.h>

namespace omaha {

// Every write of the settings file goes through a temporary file beside it, named after the
// file, the writing process and a counter: "vellum.ini.tmp<pid>-<n>".
std::filesystem::path temporaryFileName(const std::filesystem::path& target, pid_t writer,
                                        unsigned counter);

// Removes the temporary files that writes cut short by a kill or a power cut left beside the
// settings file (any link at its path followed): those whose process no longer runs. The file of
// a running process may be a write in progress and stays, and so does anything whose name is not
// exactly such a name. Never throws: a file left behind costs only room on the disk.
void removeStaleTemporaryFiles(const std::filesystem::path& settingsPath);

} // namespace omaha
