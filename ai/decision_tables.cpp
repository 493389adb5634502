#include "ai/decision_tables.h"

#include <array>
#include <cstddef>
#include <span>

namespace omaha {

namespace {

// One step of a table row: a strength above `above` gives `chance`. The steps of a row rise, and
// the last one passed sets the chance; below the first the chance is 0.
struct Step {
    std::int32_t above;
    std::int32_t chance;
};

constexpr std::array<Step, 3> kPreflopCall{{{15, 30}, {20, 80}, {25, 100}}};
constexpr std::array<Step, 4> kFlopCall{{{10, 30}, {15, 70}, {20, 90}, {25, 100}}};
constexpr std::array<Step, 4> kTurnCall{{{10, 60}, {15, 80}, {20, 90}, {25, 100}}};
constexpr std::array<Step, 4> kRiverCall{{{5, 70}, {7, 80}, {10, 90}, {15, 100}}};

constexpr std::array<Step, 3> kPreflopRaise{{{10, 10}, {20, 30}, {25, 60}}};
constexpr std::array<Step, 4> kFlopRaise{{{10, 10}, {20, 30}, {25, 40}, {30, 80}}};
// The turn is the street on which middling hands raise least.
constexpr std::array<Step, 4> kTurnRaise{{{10, 5}, {20, 30}, {25, 40}, {50, 90}}};
constexpr std::array<Step, 4> kRiverRaise{{{10, 10}, {20, 30}, {25, 40}, {50, 90}}};

// The chance on `street` from the row of each betting street, pre-flop first.
std::int32_t lookup(const std::array<std::span<const Step>, 4>& rows, Street street,
                    std::int32_t strength) {
    // No decision is asked for outside the four betting streets.
    if (street < Street::Preflop || street > Street::River)
        return 0;
    std::int32_t chance = 0;
    for (const Step& step : rows[static_cast<std::size_t>(streetNumber(street) - 1)]) {
        if (strength > step.above)
            chance = step.chance;
    }
    return chance;
}

} // namespace

std::int32_t callChance(Street street, std::int32_t strength) noexcept {
    return lookup({kPreflopCall, kFlopCall, kTurnCall, kRiverCall}, street, strength);
}

std::int32_t raiseChance(Street street, std::int32_t strength) noexcept {
    return lookup({kPreflopRaise, kFlopRaise, kTurnRaise, kRiverRaise}, street, strength);
}

} // namespace omaha
