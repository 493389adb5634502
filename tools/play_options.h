#pragma once

#include <cstdint>
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
    std::string level = "20";
    std::string small = "2";
    std::string big = "4";
    std::string cash = "1200";
    std::string until = "600";
    std::string record; // the records file to keep the game's hands in, or "" for none
};

struct ParsedPlayOptions {
    PlayOptions options;
    std::string problem; // what is wrong with the command line ("--seed needs a value"), or ""
};

ParsedPlayOptions parsePlayOptions(std::span<const std::string_view> args);

} // namespace omaha
