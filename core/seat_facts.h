#pragma once

#include "core/seats.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace omaha {

// What the game knows of each seat besides its chips and cards.
struct SeatFacts {
    std::string_view name;    // as the table shows it, without the colon: "Freak"
    std::string_view cashKey; // the key of its cash in the settings file's Cash section
    int firstDealtCard;       // deck position of its first private card; the other three follow
    // Stands in for the showdown value of a seat that is not in the hand; all eight are distinct
    // and below every real hand.
    std::int32_t excludedValue;
};

namespace detail {
// Indexed by seat code; index 0 is unused.
inline constexpr std::array<SeatFacts, kSeatCount + 1> kSeatFacts = {{
    {},
    {"Robot", "robot", 28, -195},
    {"Expert", "expert", 24, -165},
    {"Pinhead", "pinhead", 20, -115},
    {"Champ", "champ", 16, -110},
    {"Master", "master", 12, -170},
    {"Geek", "geek", 8, -120},
    {"Freak", "freak", 0, -150},
    // The human's name is the table's English "You"; the texts the player reads say it in the
    // player's language.
    {"You", "player", 4, -180},
}};
} // namespace detail

constexpr const SeatFacts& seatFacts(SeatCode seat) {
    return detail::kSeatFacts[static_cast<std::size_t>(seat)];
}

// The order in which the seats' cash is read from and written to the settings file.
inline constexpr std::array<SeatCode, kSeatCount> kCashKeyOrder = {
    kFreak, kHuman, kGeek, kMaster, kChamp, kPinhead, kExpert, kRobot};

} // namespace omaha
