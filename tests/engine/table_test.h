#pragma once

#include "engine/game.h"
#include "engine/position.h"
#include "engine/recording_view.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace omaha::testing {

// Settings kept in memory: what the game reads and writes, without a file.
class MemorySettings final : public SettingsStore {
public:
    std::int32_t readInt(std::string_view section, std::string_view key,
                         std::int32_t fallback) const override {
        const auto it = values.find({std::string(section), std::string(key)});
        return it == values.end() ? fallback : it->second;
    }
    void writeInts(std::span<const IntSetting> written) override {
        for (const IntSetting& value : written)
            values[{std::string(value.section), std::string(value.key)}] = value.value;
        ++writes;
    }
    using SettingsStore::writeInts;

    std::map<std::pair<std::string, std::string>, std::int32_t> values;
    int writes = 0; // one for each command that wrote anything
};

// Computer players that do what the test tells them: by default they call every bet and check.
class Script final : public Opponents {
public:
    bool callsBet(TableState&, SeatCode seat) override { return !folds.contains(seat); }
    std::int32_t raiseInTurn(TableState&, SeatCode) override {
        ++turns;
        return 0;
    }

    std::map<SeatCode, bool> folds; // seats that fold whenever they must answer a bet
    int turns = 0;                  // check-or-raise turns taken
};

using Texts = std::vector<std::string>;

// A game against the script, with its settings in memory, started from a position.
class TableTest : public ::testing::Test {
protected:
    void startFrom(std::string_view position) {
        const PositionReading reading = readPosition(position);
        ASSERT_EQ(reading.problem, "") << position;
        game.startFrom(reading.position);
    }

    // The texts of the message boxes shown since the last call.
    Texts messageTexts() { return view.takeMessages(); }

    // Which of Deal, Check/Call, Raise and Fold are enabled, as "D-R-": a letter for each one on.
    std::string buttons() const {
        std::string shown;
        for (auto [button, letter] : {std::pair{TableButton::Deal, 'D'},
                                      {TableButton::Stay, 'C'},
                                      {TableButton::Raise, 'R'},
                                      {TableButton::Fold, 'F'}})
            shown += view.enabled(button) ? letter : '-';
        return shown;
    }

    // The latest call of the view that starts with `start`, such as "cash 8 ".
    std::string lastLogged(std::string_view start) const {
        const auto found = std::find_if(view.log().rbegin(), view.log().rend(),
                                        [&](const std::string& e) { return e.starts_with(start); });
        return found == view.log().rend() ? "" : *found;
    }

    MemorySettings settings;
    RecordingView view;
    Script script;
    Game game{view, settings, script, [] { return 12345u; }};
    const TableState& t = game.table();
};

} // namespace omaha::testing
