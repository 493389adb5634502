#include "tests/records/recorded_games.h"

#include <gtest/gtest.h>
#include <regex>

namespace omaha::test_records {
namespace {

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
};

// Plays a game as a run of the program of its own.
Tallied playTallied(const std::string& options, RecordsFolder& folder) {
    HandRecords records(folder.file(), folder.notice());
    Tally tally;
    const Played played = playRecorded(options, records, Start::Fresh, &tally);
    Tallied game{tally.figures, {GameOutcome::Abandoned, "", played.cash}};
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

TEST(Figures, EachRunEachLevelAndAllTimeCountTheirOwnHandsAndGames) {
    RecordsFolder folder;
    const std::vector<Tallied> played = {
        playTallied("--seed 4 --hands 30 --script rrc", folder),
        playTallied("--seed 37 --hands 400 --cash 100 --until 100 --level 25 --script fc", folder),
        playTallied("--seed 50 --hands 400 --cash 100 --until 100 --script rc", folder)};
    Figures all;
    for (const Tallied& game : played) {
        for (auto sum : {&Figures::handsPlayed, &Figures::wonAtShowdown, &Figures::wonByFolds,
                         &Figures::foldedBeforeFlop, &Figures::gamesWon, &Figures::gamesLost,
                         &Figures::netResult})
            all.*sum += game.figures.*sum;
        all.biggestPotWon = std::max(all.biggestPotWon, game.figures.biggestPotWon);
    }
    HandRecords records(folder.file(), folder.notice());
    EXPECT_EQ(records.sessionFigures(), Figures{}); // no hand yet in this run
    EXPECT_EQ(records.allTimeFigures(), all);
    const std::vector<LevelFigures> levels = records.levelFigures();
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(std::pair(levels[1].aiLevel, levels[1].figures), std::pair(25, played[1].figures));

    const std::vector<GameCash> recent = records.recentGames(3);
    ASSERT_EQ(recent.size(), 3u);
    for (std::size_t at = 0; at < recent.size(); ++at) {
        EXPECT_EQ(recent[at].outcome, played[2 - at].game.outcome);
        EXPECT_EQ(recent[at].cash, played[2 - at].game.cash);
    }
    EXPECT_EQ(folder.notices, std::vector<std::string>{});
}

} // namespace
} // namespace omaha::test_records
