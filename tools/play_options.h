#pragma once

#include "engine/option_values.h"
#include "engine/position.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace omaha {

// How `omaha-sim play` sets up and drives one game.
struct PlayOptions {
    std::uint32_t seed = 1;
    std::int64_t hands = 100; // Deal presses before the tool stops
    std::string script = "c"; // the human's presses, cycled: c Check/Call, r Raise, f Fold
    // Settings as the text the fresh settings file holds, written as given: start-up then reads
    // them as it would a hand-edited file, so a number beyond 32 bits reads as the default.
    // By default, those of a first run of the game.
    std::string level = std::to_string(levelValue(kDefaultAiLevel));
    std::string small = std::to_string(smallBetAt(kDefaultBetLevel));
    std::string big = std::to_string(bigBetAt(kDefaultBetLevel));
    std::string cash = std::to_string(kDefaultCash);
    std::string until = std::to_string(kDefaultTarget);
    std::optional<Position> position; // played on from, in place of the start-up deal
    bool coach = false;               // the coach's line for every event goes to standard error
    std::string record; // the records file to keep the game's hands in, or "" for none
};

struct ParsedPlayOptions {
    PlayOptions options;
    std::string problem; // what is wrong with the command line ("--seed needs a value"), or ""
};

ParsedPlayOptions parsePlayOptions(std::span<const std::string_view> args);

} // namespace omaha
