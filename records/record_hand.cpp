#include "core/card_text.h"
#include "records/event_text.h"
#include "records/hand_records.h"
#include "records/sqlite_connection.h"

#include <string_view>

namespace omaha {

namespace {

std::string_view outcomeText(GameOutcome outcome) {
    switch (outcome) {
    case GameOutcome::Won:
        return "won";
    case GameOutcome::Lost:
        return "lost";
    case GameOutcome::Abandoned:
        return "abandoned";
    case GameOutcome::InPlay:
        break;
    }
    return "";
}

void endGame(SqliteConnection& db, std::int64_t game, GameOutcome outcome, std::string_view time,
             std::int64_t session) {
    db.prepare("UPDATE games SET outcome = ?, ended_at = ?, ended_session = ? WHERE id = ?")
        .bind(1, outcomeText(outcome))
        .bind(2, time)
        .bind(3, session)
        .bind(4, game)
        .run();
    db.execute("DELETE FROM current_game");
}

} // namespace

bool HandRecords::recordHand(const HandRecord& hand) {
    return transact(true, [&](SqliteConnection& db) { writeHand(db, hand); });
}

void HandRecords::recordGameEnd(GameOutcome outcome) {
    transact(true, [&](SqliteConnection& db) {
        if (const auto game = currentGame(db))
            endGame(db, *game, outcome, now(TimeFormat::Stored), session(db));
    });
}

std::optional<std::int64_t> HandRecords::currentGame(SqliteConnection& db) {
    SqliteStatement current = db.prepare("SELECT game_id FROM current_game");
    if (!current.step())
        return std::nullopt;
    return current.integer(0);
}

std::int64_t HandRecords::session(SqliteConnection& db) {
    if (!session_) {
        db.prepare("INSERT INTO sessions (started_at) VALUES (?)").bind(1, startedAt_).run();
        session_ = db.lastInsertId();
    }
    return *session_;
}

void HandRecords::writeHand(SqliteConnection& db, const HandRecord& hand) {
    const std::string time = now(TimeFormat::Stored);
    const std::int64_t sessionId = session(db);
    std::optional<std::int64_t> game = currentGame(db);
    // A hand that no game in the records is waiting for begins one: the first hand of a new
    // game, or of a saved game that was played before the records were kept.
    if (hand.opensGame || !game) {
        if (game)
            endGame(db, *game, GameOutcome::Abandoned, time, sessionId);
        db.prepare("INSERT INTO games (started_at, starting_cash) VALUES (?, ?)")
            .bind(1, time)
            .bind(2, hand.startingCash)
            .run();
        game = db.lastInsertId();
        db.prepare("INSERT INTO current_game (only, game_id) VALUES (1, ?)").bind(1, *game).run();
    }

    db.prepare("INSERT INTO hands (game_id, session_id, played_at, ai_level, small_bet, big_bet, "
               "board, board_shown, pot, won_by_folds) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(1, *game)
        .bind(2, sessionId)
        .bind(3, time)
        .bind(4, hand.aiLevel)
        .bind(5, hand.smallBet)
        .bind(6, hand.bigBet)
        .bind(7, cardNames(hand.board))
        .bind(8, hand.boardShown)
        .bind(9, hand.pot)
        .bind(10, hand.wonByFolds ? 1 : 0)
        .run();
    const std::int64_t handId = db.lastInsertId();

    SqliteStatement seat = db.prepare("INSERT INTO hand_seats (hand_id, seat, cards, cash_before, "
                                      "cash_after, put_in, share) VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (const SeatCode code : kTableOrder) {
        const SeatRecord& record = hand.seats[code];
        seat.bind(1, handId)
            .bind(2, code)
            .bind(3, cardNames(record.cards))
            .bind(4, record.cashBefore)
            .bind(5, record.cashAfter)
            .bind(6, record.putIn)
            .bind(7, record.share)
            .run();
    }

    SqliteStatement event = db.prepare("INSERT INTO hand_events (hand_id, seq, street, kind, seat, "
                                       "amount, cards, name) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    std::int64_t seq = 0;
    for (const HandEvent& happened : hand.events)
        event.bind(1, handId)
            .bind(2, ++seq)
            .bind(3, streetNumber(happened.street))
            .bind(4, eventKindText(happened.kind))
            .bind(5, happened.seat)
            .bind(6, happened.amount)
            .bind(7, cardNames(happened.cards))
            .bind(8, happened.name)
            .run();
}

} // namespace omaha
