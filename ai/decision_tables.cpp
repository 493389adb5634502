#include "ai/decision_tables.h"

#include "core/table_state.h"

#include <array>
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

std::int32_t lookup(std::span<const Step> row, std::int32_t strength) {
    std::int32_t chance = 0;
    for (const Step& step : row) {
        if (strength > step.above) {
            chance = step.chance;
        }
    }
    return chance;
}

} // namespace

std::int32_t callChance(Street street, std::int32_t strength) noexcept {
    switch (street) {
    case Street::Preflop:
        return lookup(kPreflopCall, strength);
    case Street::Flop:
        return lookup(kFlopCall, strength);
    case Street::Turn:
        return lookup(kTurnCall, strength);
    case Street::River:
        return lookup(kRiverCall, strength);
    default:
        return 0; // no decision is asked for outside the four betting streets
    }
}

std::int32_t raiseChance(Street street, std::int32_t strength) noexcept {
    switch (street) {
    case Street::Preflop:
        return lookup(kPreflopRaise, strength);
    case Street::Flop:
        return lookup(kFlopRaise, strength);
    case Street::Turn:
        return lookup(kTurnRaise, strength);
    case Street::River:
        return lookup(kRiverRaise, strength);
    default:
        return 0;
    }
}

} // namespace omaha
