#pragma once

#include "core/card.h"
#include "core/seats.h"
#include "core/table_state.h"

#include <array>
#include <cstddef>
#include <QtGlobal>

namespace omaha {

// Rectangles are left, top, right, bottom in table pixels; right and bottom lie outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

inline constexpr int kTableWidth = 800;
inline constexpr int kTableHeight = 520;
inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;

// Where each seat's four cards fan out, and the rectangle that wipes them when the seat folds.
struct FanGeometry {
    Point origin;
    Point step; // card i lies at origin + i * step
    Rect erase;
};

// Everything of one seat on the table: its three texts, with the object names they go by, and
// its cards.
struct SeatLayout {
    const char* nameObject;
    const char* caption;
    Point nameAt;
    const char* cashObject;
    Point cashAt;
    const char* statusObject;
    Point statusAt;
    FanGeometry fan;
};

namespace detail {
// Indexed by seat code; index 0 is unused. The human sits at the lower left, Freak to Pinhead
// along the top, Expert at the right and Robot at the bottom.
// clang-format off
inline constexpr std::array<SeatLayout, kSeatCount + 1> kSeatLayouts = {{
    {},
    {"robotName", "Robot:", {448, 368}, "robotCash", {496, 368}, "robotStatus", {448, 384},
     {{445, 405}, {15, 2}, {430, 405, 565, 510}}},
    {"expertName", "Expert:", {616, 296}, "expertCash", {672, 296}, "expertStatus", {616, 312},
     {{612, 335}, {15, 2}, {605, 335, 730, 440}}},
    {"pinheadName", "Pinhead:", {640, 48}, "pinheadCash", {704, 48}, "pinheadStatus", {640, 64},
     {{637, 85}, {15, 2}, {635, 85, 760, 190}}},
    {"champName", "Champ:", {496, 48}, "champCash", {560, 48}, "champStatus", {496, 64},
     {{492, 85}, {15, 2}, {490, 85, 615, 190}}},
    {"masterName", "Master:", {352, 48}, "masterCash", {408, 48}, "masterStatus", {352, 64},
     {{347, 85}, {15, 2}, {345, 85, 470, 190}}},
    {"geekName", "Geek:", {208, 48}, "geekCash", {248, 48}, "geekStatus", {208, 64},
     {{202, 85}, {15, 2}, {190, 85, 320, 190}}},
    {"freakName", "Freak:", {64, 48}, "freakCash", {112, 48}, "freakStatus", {64, 64},
     {{57, 85}, {15, 2}, {50, 85, 175, 190}}},
    {"playerName", QT_TRANSLATE_NOOP("TableLabels", "You:"), {88, 312}, "playerCash", {128, 312}, "playerStatus", {88, 328},
     {{55, 351}, {35, 3}, {50, 340, 250, 460}}},
}};
// clang-format on
} // namespace detail

constexpr const SeatLayout& seatLayout(SeatCode seat) {
    return detail::kSeatLayouts[static_cast<std::size_t>(seat)];
}

constexpr FanGeometry fanOf(SeatCode seat) {
    return seatLayout(seat).fan;
}

inline constexpr std::array<Point, kBoardCards> kBoardPositions = {
    Point{242, 223}, Point{302, 233}, Point{362, 243}, Point{422, 233}, Point{482, 223}};
inline constexpr Rect kBoardArea = {230, 200, 600, 350};

// One picture to draw: a face (0 to 51) or a back (52 to 55) with its top-left corner at `at`.
struct CardPlacement {
    int image = 0;
    Point at;
};

// The cards that the table shows, in drawing order: card i of every seat before card i + 1 of any
// seat, so each fan builds from left to right, then the community cards the street has turned.
class PaintList {
public:
    static constexpr std::size_t kCapacity = kSeatCount * kHoleCards + kBoardCards;

    void add(CardPlacement placement) { items_[size_++] = placement; }
    const CardPlacement* begin() const { return items_.data(); }
    const CardPlacement* end() const { return items_.data() + size_; }

private:
    std::array<CardPlacement, kCapacity> items_{};
    std::size_t size_ = 0;
};

// A back picture that is safe to draw whatever a hand-edited settings file holds.
constexpr int safeCardBack(std::int32_t cardBack) {
    return isCardBack(cardBack) ? cardBack : kFirstCardBack;
}

// Everything that painting the cards draws for this table: what the table shows, placed on the
// screen.
PaintList cardsToPaint(const TableState& table);

} // namespace omaha
