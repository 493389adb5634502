#pragma once

#include <array>
#include <cstddef>

namespace omaha {

// A seat is known everywhere by its code. Play passes from a code to the next lower one, and from
// Robot (1) round to the human (8): on screen that runs clockwise from the human at the lower left.
using SeatCode = int;

inline constexpr SeatCode kRobot = 1;
inline constexpr SeatCode kExpert = 2;
inline constexpr SeatCode kPinhead = 3;
inline constexpr SeatCode kChamp = 4;
inline constexpr SeatCode kMaster = 5;
inline constexpr SeatCode kGeek = 6;
inline constexpr SeatCode kFreak = 7;
inline constexpr SeatCode kHuman = 8;
inline constexpr int kSeatCount = 8;

// The seat that plays after `code`.
constexpr SeatCode seatAfter(SeatCode code) {
    return code == kRobot ? kHuman : code - 1;
}
// The seat that plays before `code`.
constexpr SeatCode seatBefore(SeatCode code) {
    return code == kHuman ? kRobot : code + 1;
}

// Seats in table order: the human, then the computer players in the order they act.
inline constexpr std::array<SeatCode, kSeatCount> kTableOrder = {kHuman, kFreak,   kGeek,   kMaster,
                                                                 kChamp, kPinhead, kExpert, kRobot};

// Per-seat data addressed by seat code 1 to 8, so that the code never has to be translated.
template <typename T>
class BySeat {
public:
    constexpr T& operator[](SeatCode code) { return items_[index(code)]; }
    constexpr const T& operator[](SeatCode code) const { return items_[index(code)]; }

    constexpr auto begin() { return items_.begin(); }
    constexpr auto end() { return items_.end(); }
    constexpr auto begin() const { return items_.begin(); }
    constexpr auto end() const { return items_.end(); }

private:
    static constexpr std::size_t index(SeatCode code) { return static_cast<std::size_t>(code - 1); }

    std::array<T, kSeatCount> items_{};
};

} // namespace omaha
