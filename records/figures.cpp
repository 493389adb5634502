#include "core/seats.h"
#include "records/hand_records.h"
#include "records/sqlite_connection.h"

namespace omaha {

namespace {

// The AI level of a game: that of its last hand.
constexpr std::string_view kGameLevel =
    "(SELECT ai_level FROM hands WHERE game_id = g.id ORDER BY id DESC LIMIT 1) = ?1";

} // namespace

Figures HandRecords::figures(SqliteConnection& db, std::string_view handsChosen,
                             std::string_view gamesChosen, std::int64_t value) {
    Figures figures;
    SqliteStatement hands = db.prepare(
        "SELECT COUNT(*), IFNULL(SUM(s.share > 0 AND NOT h.won_by_folds), 0), "
        "IFNULL(SUM(s.share > 0 AND h.won_by_folds), 0), "
        "IFNULL(SUM(EXISTS (SELECT 1 FROM hand_events e WHERE e.hand_id = h.id AND e.seat = ?2 "
        "AND e.kind = 'fold' AND e.street = 1)), 0), "
        "IFNULL(MAX(s.share), 0), IFNULL(SUM(s.share - s.put_in), 0) "
        "FROM hands h JOIN hand_seats s ON s.hand_id = h.id AND s.seat = ?2 WHERE " +
        std::string(handsChosen));
    hands.bind(1, value).bind(2, kHuman).step();
    figures.handsPlayed = hands.integer(0);
    figures.wonAtShowdown = hands.integer(1);
    figures.wonByFolds = hands.integer(2);
    figures.foldedBeforeFlop = hands.integer(3);
    figures.biggestPotWon = hands.integer(4);
    figures.netResult = hands.integer(5);

    SqliteStatement games = db.prepare("SELECT IFNULL(SUM(outcome = 'won'), 0), "
                                       "IFNULL(SUM(outcome = 'lost'), 0) FROM games g WHERE " +
                                       std::string(gamesChosen));
    games.bind(1, value).step();
    figures.gamesWon = games.integer(0);
    figures.gamesLost = games.integer(1);
    return figures;
}

Figures HandRecords::sessionFigures() {
    Figures session;
    if (session_)
        transact(false, [&](SqliteConnection& db) {
            session = figures(db, "h.session_id = ?1", "g.ended_session = ?1", *session_);
        });
    return session;
}

std::vector<LevelFigures> HandRecords::levelFigures() {
    std::vector<LevelFigures> levels;
    transact(false, [&](SqliteConnection& db) {
        levels.clear();
        SqliteStatement played = db.prepare("SELECT DISTINCT ai_level FROM hands ORDER BY 1");
        while (played.step())
            levels.push_back({static_cast<std::int32_t>(played.integer(0)), {}});
        for (LevelFigures& level : levels)
            level.figures = figures(db, "h.ai_level = ?1", kGameLevel, level.aiLevel);
    });
    return levels;
}

Figures HandRecords::allTimeFigures() {
    Figures all;
    transact(false, [&](SqliteConnection& db) { all = figures(db, "?1 = ?1", "?1 = ?1", 0); });
    return all;
}

std::vector<GameCash> HandRecords::recentGames(int count) {
    std::vector<GameCash> recent;
    transact(false, [&](SqliteConnection& db) {
        recent.clear();
        const std::optional<std::int64_t> current = currentGame(db);
        SqliteStatement games =
            db.prepare("SELECT id, started_at, outcome FROM games ORDER BY id DESC LIMIT ?");
        SqliteStatement cash =
            db.prepare("SELECT s.cash_before, s.cash_after FROM hands h JOIN hand_seats s "
                       "ON s.hand_id = h.id AND s.seat = ?2 WHERE h.game_id = ?1 ORDER BY h.id");
        games.bind(1, count);
        while (games.step()) {
            GameCash& game = recent.emplace_back();
            game.startedAt = games.text(1);
            const std::string outcome = games.text(2);
            game.outcome = outcome == "won"              ? GameOutcome::Won
                           : outcome == "lost"           ? GameOutcome::Lost
                           : games.integer(0) == current ? GameOutcome::InPlay
                                                         : GameOutcome::Abandoned;
            cash.bind(1, games.integer(0)).bind(2, kHuman);
            while (cash.step()) {
                if (game.cash.empty())
                    game.cash.push_back(static_cast<std::int32_t>(cash.integer(0)));
                game.cash.push_back(static_cast<std::int32_t>(cash.integer(1)));
            }
            cash.reset();
        }
    });
    return recent;
}

} // namespace omaha
