#pragma once

#include <filesystem>
#include <optional>

namespace omaha {

// Where the player's hands are kept: $XDG_DATA_HOME/omaha/hands.sqlite when XDG_DATA_HOME is an
// absolute path, else ~/.local/share/omaha/hands.sqlite; nothing when neither can be found.
std::optional<std::filesystem::path> playerRecordsPath();

} // namespace omaha
