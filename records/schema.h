#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace omaha {

// The tables of the records file, version by version. A file's PRAGMA user_version says which
// version it holds, 0 when it is new; it is brought up to the latest by running, in one
// transaction, every step after its own. A step is never changed once a game has shipped with it:
// a change of the tables is a new step.
//
// Seats are the game's seat codes: 1 Robot, 2 Expert, 3 Pinhead, 4 Champ, 5 Master, 6 Geek,
// 7 Freak, 8 the human. Streets: 1 pre-flop, 2 flop, 3 turn, 4 river. Cards are written as the
// hand history writes them ("10♥ A♠"), times in UTC ("2026-12-07T10:31:05Z").
inline constexpr std::array<std::string_view, 2> kSchemaSteps = {
    // Version 1: every finished hand, the game and the run of the program it belongs to.
    R"(
CREATE TABLE sessions (
    id INTEGER PRIMARY KEY,
    started_at TEXT NOT NULL
);
CREATE TABLE games (
    id INTEGER PRIMARY KEY,
    started_at TEXT NOT NULL,
    starting_cash INTEGER NOT NULL
);
-- The game that a restart continues: one row, or none between games.
CREATE TABLE current_game (
    only INTEGER PRIMARY KEY CHECK (only = 1),
    game_id INTEGER NOT NULL REFERENCES games(id)
);
CREATE TABLE hands (
    id INTEGER PRIMARY KEY,
    game_id INTEGER NOT NULL REFERENCES games(id),
    session_id INTEGER NOT NULL REFERENCES sessions(id),
    played_at TEXT NOT NULL,
    ai_level INTEGER NOT NULL,
    small_bet INTEGER NOT NULL,
    big_bet INTEGER NOT NULL,
    board TEXT NOT NULL,           -- all five cards, dealt at the deal
    board_shown INTEGER NOT NULL,  -- how many of them were turned face up
    pot INTEGER NOT NULL,
    won_by_folds INTEGER NOT NULL  -- 1: every computer player folded
);
CREATE TABLE hand_seats (
    hand_id INTEGER NOT NULL REFERENCES hands(id),
    seat INTEGER NOT NULL,
    cards TEXT NOT NULL,
    cash_before INTEGER NOT NULL,  -- at the deal, before the blinds
    cash_after INTEGER NOT NULL,   -- once the pot was paid
    put_in INTEGER NOT NULL,       -- blinds, calls and raises
    share INTEGER NOT NULL,        -- what it took of the pot
    PRIMARY KEY (hand_id, seat)
) WITHOUT ROWID;
-- What the hand history was told, in order: 'new game', 'dealt', 'small blind', 'big blind',
-- 'check', 'call', 'raise', 'fold', 'flop', 'turn', 'river', 'shown', 'share', 'won by folds'.
CREATE TABLE hand_events (
    hand_id INTEGER NOT NULL REFERENCES hands(id),
    seq INTEGER NOT NULL,
    street INTEGER NOT NULL,
    kind TEXT NOT NULL,
    seat INTEGER NOT NULL,         -- 0 when it is no seat's
    amount INTEGER NOT NULL,       -- chips; a new game's starting cash
    cards TEXT NOT NULL,
    name TEXT NOT NULL,            -- of a hand shown: 'Full house Sixes'
    PRIMARY KEY (hand_id, seq)
) WITHOUT ROWID;
)",
    // Version 2: how each game ended, and where.
    R"(
ALTER TABLE games ADD COLUMN outcome TEXT;  -- 'won', 'lost', 'abandoned'; NULL while in play
ALTER TABLE games ADD COLUMN ended_at TEXT;
ALTER TABLE games ADD COLUMN ended_session INTEGER REFERENCES sessions(id);
CREATE INDEX hands_by_game ON hands(game_id);
)",
};

inline constexpr std::int64_t kRecordsVersion = std::ssize(kSchemaSteps);

} // namespace omaha
