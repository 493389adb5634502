#include "records/records_path.h"

#include <cstdlib>

namespace omaha {

std::optional<std::filesystem::path> playerRecordsPath() {
    const char* const dataHome = std::getenv("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is to be ignored, as the base directory rules say.
    if (dataHome != nullptr && std::filesystem::path(dataHome).is_absolute())
        return std::filesystem::path(dataHome) / "omaha" / "hands.sqlite";
    const char* const home = std::getenv("HOME");
    if (home == nullptr || *home == '\0')
        return std::nullopt;
    return std::filesystem::path(home) / ".local" / "share" / "omaha" / "hands.sqlite";
}

} // namespace omaha
