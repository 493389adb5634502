#pragma once

#include "engine/hand_history.h"
#include "engine/hand_observers.h"
#include "records/hand_recorder.h"
#include "records/hand_records.h"
#include "tests/temp_folder.h"
#include "tools/play_options.h"
#include "tools/scripted_game.h"

#include <limits>
#include <sqlite3.h>
#include <sstream>
#include <string>
#include <vector>

namespace omaha::test_records {

// How a recorded game begins in the records.
enum class Start { Fresh, NewGame, Continued };

struct Played {
    std::string history;            // the hand history's text
    std::string events;             // what omaha-sim printed
    std::vector<std::int32_t> cash; // the human's, at the first deal and after every hand
};

// The human's cash, read off the table at the first deal and at the end of every hand.
struct CashWatch final : HandObserver {
    CashWatch(const TableState& t, std::vector<std::int32_t>& c) : table(t), cash(c) {}
    void handDealt(const Hole&) override {
        if (cash.empty())
            cash.push_back(table.seats[kHuman].cash);
    }
    void handEnded() override { cash.push_back(table.seats[kHuman].cash); }
    const TableState& table;
    std::vector<std::int32_t>& cash;
};

// Plays `omaha-sim play <options>` with its hands recorded, and tells `also` of them too.
inline Played playRecorded(const std::string& options, HandRecords& records,
                           Start start = Start::Fresh, HandObserver* also = nullptr) {
    std::vector<std::string> words;
    std::istringstream in(options);
    for (std::string word; in >> word;)
        words.push_back(word);
    ScriptedGame game(
        parsePlayOptions(std::vector<std::string_view>(words.begin(), words.end())).options);
    HandHistory history(std::numeric_limits<std::size_t>::max());
    HandRecorder recorder(game.table(), records);
    Played played;
    CashWatch cash(game.table(), played.cash);
    // As the window tells both its hand history and the recorder.
    HandObservers observers;
    HandObserver* const told[] = {&history, &recorder, &cash, also};
    for (HandObserver* observer : told)
        if (observer != nullptr)
            observers.add(*observer);
    if (start == Start::Fresh)
        recorder.beginFreshGame();
    if (start == Start::NewGame)
        observers.newGame(1200); // as the menu's New game would
    game.observeHands(observers);
    std::ostringstream events;
    game.play(events);
    played.history = history.text();
    played.events = events.str();
    return played;
}

// Every row the query gives, its columns joined by '|'.
inline std::vector<std::string> rows(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    std::vector<std::string> found;
    const auto add = [](void* to, int columns, char** values, char**) {
        std::string row;
        for (int column = 0; column < columns; ++column)
            row.append(column > 0 ? "|" : "").append(values[column] ? values[column] : "");
        static_cast<std::vector<std::string>*>(to)->push_back(row);
        return 0;
    };
    if (sqlite3_exec(db, sql.c_str(), add, &found, nullptr) != SQLITE_OK)
        found = {"error: " + std::string(sqlite3_errmsg(db))};
    sqlite3_close(db);
    return found;
}

// What a sound record never holds, one row for each fault found.
inline constexpr const char* kUnsound[] = {
    // Each seat's chips add up, and what it put in is what its blinds, calls and raises cost.
    "SELECT hand_id, seat FROM hand_seats WHERE cash_before - put_in + share != cash_after",
    "SELECT hand_id, seat FROM hand_seats s WHERE put_in != (SELECT IFNULL(SUM(amount), 0) FROM "
    "hand_events e WHERE e.hand_id = s.hand_id AND e.seat = s.seat AND kind IN ('small blind', "
    "'big blind', 'call', 'raise'))",
    // The pot is what was put in; the shares take it all but what a split leaves over.
    "SELECT hand_id FROM hand_seats GROUP BY hand_id HAVING COUNT(*) != 8 OR SUM(put_in) != "
    "(SELECT pot FROM hands WHERE id = hand_id) OR (SELECT pot FROM hands WHERE id = hand_id) - "
    "SUM(share) NOT BETWEEN 0 AND SUM(share > 0) - 1",
    // The human's cards are those dealt; the board shows what the streets turned.
    "SELECT h.id FROM hands h JOIN hand_seats s ON s.hand_id = h.id AND s.seat = 8 WHERE s.cards "
    "!= (SELECT cards FROM hand_events WHERE hand_id = h.id AND kind = 'dealt') OR board_shown != "
    "(SELECT IFNULL(SUM(IIF(kind = 'flop', 3, 1)), 0) FROM hand_events WHERE hand_id = h.id AND "
    "kind IN ('flop', 'turn', 'river'))",
    // No hand is missing: each starts with the cash the one before it left.
    "SELECT b.id FROM hands a JOIN hands b ON b.id = a.id + 1 AND b.game_id = a.game_id JOIN "
    "hand_seats sa ON sa.hand_id = a.id JOIN hand_seats sb ON sb.hand_id = b.id AND sb.seat = "
    "sa.seat WHERE sa.cash_after != sb.cash_before",
};

// A records file in a fresh folder, and the notices of each HandRecords made on it.
struct RecordsFolder {
    std::filesystem::path file() const { return folder / "hands.sqlite"; }
    HandRecords::Notice notice() {
        return [this](const std::string& text) { notices.push_back(text); };
    }

    test_files::TempFolder folder;
    std::vector<std::string> notices;
};

} // namespace omaha::test_records
