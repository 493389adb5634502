#include "records/records_path.h"
#include "records/schema.h"
#include "tests/records/recorded_games.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>

namespace omaha::test_records {
namespace {

using Rows = std::vector<std::string>;

// The human's figures worked out from what the game tells as it is played.
struct Tally final : HandObserver {
    void handDealt(const Hole&) override { street = Street::Preflop; }
    void cardsTurned(Street turned, std::span<const Card>) override { street = turned; }
    void acted(SeatCode seat, Action action, std::int32_t) override {
        figures.foldedBeforeFlop +=
            seat == kHuman && action == Action::Fold && street == Street::Preflop;
    }
    void potShared(SeatCode seat, std::int32_t share, std::int32_t) override {
        won(seat == kHuman ? share : 0, figures.wonAtShowdown);
    }
    void wonByFolds(std::int32_t pot) override { won(pot, figures.wonByFolds); }
    void handEnded() override { ++figures.handsPlayed; }
    void won(std::int32_t chips, std::int64_t& count) {
        count += chips > 0;
        figures.biggestPotWon = std::max<std::int64_t>(figures.biggestPotWon, chips);
    }

    Street street{};
    Figures figures;
};

struct Tallied {
    Figures figures;
    GameCash game;
    std::string history;
};

// Plays a game as a run of the program of its own.
Tallied playTallied(const std::string& options, RecordsFolder& folder) {
    HandRecords records(folder.file(), folder.notice());
    Tally tally;
    const Played played = playRecorded(options, records, Start::Fresh, &tally);
    Tallied game{tally.figures, {GameOutcome::Abandoned, "", played.cash}, played.history};
    game.figures.netResult = played.cash.back() - played.cash.front();
    if (played.events.find("\"You win!\"") != std::string::npos) {
        game.figures.gamesWon = 1;
        game.game.outcome = GameOutcome::Won;
    } else if (std::regex_search(played.events,
                                 std::regex(R"re("messages":\["(You lose!|\w+ wins)")re"))) {
        game.figures.gamesLost = 1;
        game.game.outcome = GameOutcome::Lost;
    }
    // The figures of this run, as the statistics window shows them while it goes on.
    EXPECT_EQ(records.sessionFigures(), game.figures) << options;
    return game;
}

// Four runs of the program, a game each: won by folds, folded before the flop, split pots, seats
// gone broke, a game at another level, a game won and one lost. Every hand is kept whole and tells
// the history again, and the figures of each run, each level and all time count their own hands
// and games.
TEST(Recording, EveryHandIsKeptWholeToldAgainAndCounted) {
    RecordsFolder folder;
    std::vector<Tallied> played;
    std::string histories;
    Figures all;
    for (const char* options :
         {"--seed 4 --hands 30 --script rrc", "--seed 8 --hands 30 --script rf",
          "--seed 37 --hands 400 --cash 100 --until 100 --level 25 --script cf",
          "--seed 50 --hands 400 --cash 100 --until 100 --script rc"}) {
        const Tallied& game = played.emplace_back(playTallied(options, folder));
        histories.append(histories.empty() ? "" : "\n").append(game.history);
        for (auto sum : {&Figures::handsPlayed, &Figures::wonAtShowdown, &Figures::wonByFolds,
                         &Figures::foldedBeforeFlop, &Figures::gamesWon, &Figures::gamesLost,
                         &Figures::netResult})
            all.*sum += game.figures.*sum;
        all.biggestPotWon = std::max(all.biggestPotWon, game.figures.biggestPotWon);
    }
    for (const char* query : kUnsound)
        EXPECT_EQ(rows(folder.file(), query), Rows{}) << query;
    EXPECT_EQ(rows(folder.file(), "SELECT game_id, outcome, COUNT(*) FROM games JOIN hands ON "
                                  "game_id = games.id GROUP BY 1"),
              (Rows{"1|abandoned|31", "2|abandoned|31", "3|lost|18", "4|won|3"}));
    HandRecords records(folder.file(), folder.notice());
    std::ostringstream exported;
    EXPECT_TRUE(records.exportText(exported));
    EXPECT_EQ(exported.str(), histories);

    EXPECT_EQ(records.sessionFigures(), Figures{}); // no hand yet in this run
    EXPECT_EQ(records.allTimeFigures(), all);
    const std::vector<LevelFigures> levels = records.levelFigures();
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(std::pair(levels[1].aiLevel, levels[1].figures), std::pair(25, played[2].figures));
    const std::vector<GameCash> recent = records.recentGames(3);
    ASSERT_EQ(recent.size(), 3u);
    for (std::size_t at = 0; at < recent.size(); ++at) {
        EXPECT_EQ(recent[at].outcome, played[3 - at].game.outcome);
        EXPECT_EQ(recent[at].cash, played[3 - at].game.cash);
    }
    EXPECT_EQ(folder.notices, Rows{});
}

TEST(Recording, ARestartContinuesTheGameAndANewGameBeginsOne) {
    RecordsFolder folder;
    std::string history;
    for (const Start start : {Start::Fresh, Start::Continued, Start::NewGame}) {
        HandRecords records(folder.file(), folder.notice());
        history = playRecorded("--seed 3 --hands 1", records, start).history;
    }
    { // A game over before its first hand ends no game in the records.
        HandRecords records(folder.file(), folder.notice());
        playRecorded("--cash 0", records);
    }
    EXPECT_EQ(rows(folder.file(), "SELECT game_id, session_id, COUNT(*) FROM hands GROUP BY 1, 2"),
              (Rows{"1|1|2", "1|2|2", "2|3|2"}));
    EXPECT_EQ(rows(folder.file(), "SELECT id, outcome, ended_session FROM games"),
              (Rows{"1|abandoned|3", "2||"}));
    EXPECT_TRUE(history.starts_with("New game: every seat starts with 1200\nHand 1\n"));
    HandRecords records(folder.file(), folder.notice());
    EXPECT_EQ(records.recentGames(1)[0].outcome, GameOutcome::InPlay);
    std::ostringstream exported;
    records.exportText(exported);
    EXPECT_TRUE(exported.str().ends_with("\n" + history));
}

// A file of the first version keeps its hands and its game.
TEST(Recording, AFileOfEveryEarlierVersionIsUpgraded) {
    RecordsFolder folder;
    rows(folder.file(), std::string(kSchemaSteps[0]) + R"(
        PRAGMA user_version = 1;
        INSERT INTO sessions VALUES (1, '2026-01-01T00:00:00Z');
        INSERT INTO games VALUES (1, '2026-01-01T00:00:00Z', 1200);
        INSERT INTO current_game VALUES (1, 1);
        INSERT INTO hands VALUES (1, 1, 1, '2026-01-01T00:00:00Z', 20, 2, 4, '', 0, 3, 1);
        INSERT INTO hand_seats VALUES (1, 8, 'A♠ K♠ Q♠ J♠', 1200, 1202, 1, 3);
        INSERT INTO hand_events VALUES (1, 1, 1, 'dealt', 0, 0, 'A♠ K♠ Q♠ J♠', ''),
            (1, 2, 1, 'small blind', 8, 1, '', ''), (1, 3, 1, 'won by folds', 0, 3, '', '');)");
    HandRecords records(folder.file(), folder.notice());
    playRecorded("--seed 1 --hands 0", records, Start::Continued);
    EXPECT_EQ(rows(folder.file(), "PRAGMA user_version"), Rows{std::to_string(kRecordsVersion)});
    EXPECT_EQ(rows(folder.file(), "SELECT game_id, COUNT(*) FROM hands GROUP BY 1"), Rows{"1|2"});
    std::ostringstream exported;
    records.exportText(exported);
    EXPECT_TRUE(exported.str().starts_with("Hand 1\nYou hold A♠ K♠ Q♠ J♠\nYou post the small blind "
                                           "1\nYou take the pot of 3, won by folds\n\nHand 1\n"))
        << exported.str();
}

TEST(Recording, ThePlayersHandsAreKeptWhereTheirDataIs) {
    ::setenv("HOME", "/home/ann", 1);
    for (const char* dataHome : {"/data", "data"}) { // a relative one is ignored
        ::setenv("XDG_DATA_HOME", dataHome, 1);
        EXPECT_EQ(playerRecordsPath(), dataHome[0] == '/'
                                           ? "/data/omaha/hands.sqlite"
                                           : "/home/ann/.local/share/omaha/hands.sqlite");
    }
    ::unsetenv("HOME");
    EXPECT_EQ(playerRecordsPath(), std::nullopt);
}

} // namespace
} // namespace omaha::test_records
