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
    std::string_view firstWinnerText; // announces it as the first (or only) winner
    std::string_view laterWinnerText; // announces it after another winner
    std::string_view gameWonMessage;  // when its cash reaches the target
};

namespace detail {
// Indexed by seat code; index 0 is unused.
inline constexpr std::array<SeatFacts, kSeatCount + 1> kSeatFacts = {{
    {},
    {"Robot", "robot", 28, -195, "Robot ", ", Robot ", "Robot wins"},
    {"Expert", "expert", 24, -165, "Expert ", ", Expert ", "Expert wins"},
    {"Pinhead", "pinhead", 20, -115, "Pinhead ", ", Pinhead ", "Pinhead wins"},
    {"Champ", "champ", 16, -110, "Champ ", ", Champ ", "Champ wins"},
    {"Master", "master", 12, -170, "Master ", ", Master ", "Master wins"},
    {"Geek", "geek", 8, -120, "Geek ", ", Geek ", "Geek wins"},
    {"Freak", "freak", 0, -150, "Freak ", ", Freak ", "Freak wins"},
    // The human is always named first among the winners.
    {"You", "player", 4, -180, "You ", "You ", "You win!"},
}};
} // namespace detail

constexpr const SeatFacts& seatFacts(SeatCode seat) {
    return detail::kSeatFacts[static_cast<std::size_t>(seat)];
}

// The order in which the seats' cash is read from and written to the settings file.
inline constexpr std::array<SeatCode, kSeatCount> kCashKeyOrder = {
    kFreak, kHuman, kGeek, kMaster, kChamp, kPinhead, kExpert, kRobot};

} // namespace omaha
