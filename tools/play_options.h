#pragma once

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
    std::int32_t level = 20;
    std::int32_t small = 2;
    std::int32_t big = 4;
    std::int32_t cash = 1200;
    std::int32_t until = 600;
};

// The options, or nothing when one cannot be read.
std::optional<PlayOptions> parsePlayOptions(std::span<const std::string_view> args);

} // namespace omaha
