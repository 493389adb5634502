#pragma once

#include "tools/play_options.h"

#include <string>

namespace omaha {

// The settings file a `play` run starts from, as bytes: the chosen cash for every seat, target,
// level and bets, the first card back and the first table colour. The option texts go in as
// given, so that start-up reads them as it would read a hand-edited file.
std::string freshSettingsText(const PlayOptions& options);

} // namespace omaha
