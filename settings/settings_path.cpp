#include "settings/settings_file.h"

#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace omaha {

namespace {

// A folder named by the environment, when it is an absolute path: a relative one would put the
// file wherever the game happened to be started. Nothing for an unset or empty variable.
std::optional<std::filesystem::path> absoluteFolder(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || !std::filesystem::path(value).is_absolute()) {
        return std::nullopt;
    }
    return value;
}

std::filesystem::path homeFolder() {
    if (std::optional<std::filesystem::path> home = absoluteFolder("HOME")) {
        return *home;
    }
    // A session without HOME (started by some service managers, or `env -i`) still has a home in
    // the user database.
    if (const passwd* user = ::getpwuid(::geteuid());
        user != nullptr && user->pw_dir != nullptr && *user->pw_dir == '/') {
        return user->pw_dir;
    }
    return std::filesystem::current_path();
}

} // namespace

std::filesystem::path defaultSettingsPath() {
    // The base-directory convention says to ignore a relative XDG_CONFIG_HOME.
    if (std::optional<std::filesystem::path> config = absoluteFolder("XDG_CONFIG_HOME")) {
        return *config / "vellum.ini";
    }
    return homeFolder() / ".config" / "vellum.ini";
}

} // namespace omaha
