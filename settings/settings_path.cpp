#include "settings/settings_file.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace omaha {

namespace {

// An environment variable that is set to something, else nothing.
const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

std::filesystem::path homeFolder() {
    if (const char* home = environment("HOME")) {
        return home;
    }
    // A session without HOME (started by some service managers) still has a home in the user
    // database.
    if (const passwd* user = ::getpwuid(::geteuid()); user != nullptr && user->pw_dir != nullptr) {
        return user->pw_dir;
    }
    return std::filesystem::current_path();
}

} // namespace

std::filesystem::path defaultSettingsPath() {
    // The base-directory convention says to ignore a relative XDG_CONFIG_HOME: it would put the
    // file wherever the game happened to be started.
    if (const char* config = environment("XDG_CONFIG_HOME");
        config != nullptr && std::filesystem::path(config).is_absolute()) {
        return std::filesystem::path(config) / "vellum.ini";
    }
    return homeFolder() / ".config" / "vellum.ini";
}

} // namespace omaha
