#include "records/records_path.h"
#include "records/schema.h"
#include "tests/records/recorded_games.h"

#include <gtest/gtest.h>

namespace omaha::test_records {
namespace {

using Rows = std::vector<std::string>;

TEST(Recording, EveryHandIsKeptWholeAndTellsTheHistoryAgain) {
    RecordsFolder records;
    std::string histories;
    // Won by folds, folded before the flop, split pots, seats gone broke, won and lost games.
    for (const char* options :
         {"--seed 4 --hands 30 --script rrc", "--seed 8 --hands 30 --script rf",
          "--seed 37 --hands 400 --cash 100 --until 100 --level 25 --script cf",
          "--seed 34 --hands 400 --cash 100 --until 1000000 --script rrc"}) {
        HandRecords run(records.file(), records.notice()); // each a run of the program
        histories.append(histories.empty() ? "" : "\n").append(playRecorded(options, run).history);
    }
    for (const char* query : kUnsound)
        EXPECT_EQ(rows(records.file(), query), Rows{}) << query;
    EXPECT_EQ(rows(records.file(), "SELECT game_id, outcome, COUNT(*) FROM games JOIN hands ON "
                                   "game_id = games.id GROUP BY 1"),
              (Rows{"1|abandoned|31", "2|abandoned|31", "3|lost|18", "4|lost|5"}));
    std::ostringstream exported;
    EXPECT_TRUE(HandRecords(records.file(), records.notice()).exportText(exported));
    EXPECT_EQ(exported.str(), histories);
    EXPECT_EQ(records.notices, Rows{});
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
