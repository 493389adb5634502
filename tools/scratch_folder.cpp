#include "tools/scratch_folder.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

namespace omaha {

namespace {

// Where temporary files go, as for any command-line tool: $TMPDIR when set, else /tmp. A TMPDIR
// that names no folder is an error rather than a silent move elsewhere.
std::string temporaryFilesFolder() {
    const char* const tmpdir = std::getenv("TMPDIR");
    return tmpdir != nullptr && *tmpdir != '\0' ? tmpdir : "/tmp";
}

} // namespace

ScratchFolder::ScratchFolder() {
    const std::string parent = temporaryFilesFolder();
    std::string pattern = (std::filesystem::path(parent) / "omaha-sim-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(),
                                "cannot create a temporary folder in " + parent);
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace omaha
