#pragma once

#include <array>
#include <cstdint>

namespace omaha {

// How hard the computer players think: the number of samples of each strength estimate is the
// level's value plus one. A hand-edited settings file can hold any other number, which is kept as
// it is (the estimate then leaves the strength as it was).
enum class AiLevel : std::int32_t {
    Amateur = 20,
    Expert = 25,
    Master = 33,
    Genius = 50,
};

// The levels in the order the options panel lists them.
inline constexpr std::array<AiLevel, 4> kAiLevels = {AiLevel::Amateur, AiLevel::Expert,
                                                     AiLevel::Master, AiLevel::Genius};

constexpr std::int32_t levelValue(AiLevel level) {
    return static_cast<std::int32_t>(level);
}

} // namespace omaha
