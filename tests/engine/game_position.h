#pragma once

#include "core/dealing.h"
#include "core/deck.h"
#include "engine/game.h"
#include "engine/recording_view.h"
#include "tests/eval/card_literals.h"
#include "tests/game_position.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace omaha {

namespace testing {

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
    bool callsBet(TableState&, SeatCode seat) override {
        asked.push_back(seat);
        return !folds.contains(seat);
    }
    std::int32_t raiseInTurn(TableState& table, SeatCode seat) override {
        turns.push_back(seat);
        const auto it = raiseOn.find(seat);
        if (it == raiseOn.end() || it->second != table.street)
            return 0;
        return betsSmall(table.street) ? table.smallBet : table.bigBet;
    }

    // Forgets who was asked, keeping what the seats will do.
    void forget() {
        asked.clear();
        turns.clear();
    }

    std::map<SeatCode, bool> folds;     // seats that fold whenever they must answer a bet
    std::map<SeatCode, Street> raiseOn; // seat -> the street on which it raises in its turn
    std::vector<SeatCode> asked;        // seats asked to call, in order
    std::vector<SeatCode> turns;        // seats that took a check-or-raise turn, in order
};

using omaha::test::board;
using omaha::test::hole;

class TableTest : public ::testing::Test {
protected:
    // A table between hands: every seat with `cash`, the default bets and target.
    void seatEveryone(std::int32_t cash = 1200) {
        for (Seat& seat : t.seats)
            seat = Seat{cash, {}, false, false};
        t.smallBet = 2;
        t.bigBet = 4;
        t.startingCash = 1200;
        t.targetMargin = 600;
        t.aiLevel = AiLevel::Amateur;
        t.cardBack = kFirstCardBack;
        t.blindMarker = kRobot;
        t.deck = freshDeck();
    }

    // A hand in progress on `street` with the given pot, nobody out and no bet pending.
    void handOn(Street street, std::int32_t pot = 100, SeatCode opener = kHuman) {
        seatEveryone();
        shuffleDeck(t.deck, t.random);
        dealFromDeck(t);
        t.phase = HandPhase::Betting;
        t.street = street;
        t.pot = pot;
        t.opener = opener;
        t.seatsOut = 0;
        t.amountToCall = 0;
        view.enableButton(TableButton::Deal, false); // as the deal leaves it
    }

    // Only `inHand` stay in: the others have folded. Everyone else's cards are dealt but unused.
    void onlyInHand(std::initializer_list<SeatCode> inHand) {
        t.seatsOut = 0;
        for (SeatCode seat = kFreak; seat >= kRobot; --seat) {
            t.seats[seat].folded = std::find(inHand.begin(), inHand.end(), seat) == inHand.end();
            t.seatsOut += t.seats[seat].folded ? 1 : 0;
        }
        t.seats[kHuman].folded = std::find(inHand.begin(), inHand.end(), kHuman) == inHand.end();
    }

    // Starts the game from saved settings holding `values` (and nothing else).
    void startupWith(std::initializer_list<IntSetting> saved) {
        settings.values.clear();
        settings.writeInts(saved);
        view.clearLog();
        game.startup();
    }

    // The texts of the message boxes shown since the last call.
    std::vector<std::string> messageTexts() {
        std::vector<std::string> texts;
        for (const auto& message : view.takeMessages())
            texts.push_back(message.text);
        return texts;
    }

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

    bool logged(const std::string& entry) const {
        return std::find(view.log().begin(), view.log().end(), entry) != view.log().end();
    }

    MemorySettings settings;
    RecordingView view;
    Script script;
    Game game{view, settings, script, [] { return 12345u; }};
    TableState& t = GamePosition::table(game);
};

} // namespace testing
} // namespace omaha
