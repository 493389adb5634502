#pragma once

#include "records/hand_record.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace omaha {

class SqliteConnection;
class SqliteError;

enum class GameOutcome { InPlay, Won, Lost, Abandoned };

// The figures of the statistics window, for the human.
struct Figures {
    std::int64_t handsPlayed = 0;
    std::int64_t wonAtShowdown = 0; // hands of which the human took the pot or a share of it
    std::int64_t wonByFolds = 0;
    std::int64_t foldedBeforeFlop = 0;
    std::int64_t biggestPotWon = 0; // the most the human took in one hand
    std::int64_t gamesWon = 0;
    std::int64_t gamesLost = 0;
    std::int64_t netResult = 0; // chips won minus chips put in

    friend bool operator==(const Figures&, const Figures&) = default;
};

struct LevelFigures {
    std::int32_t aiLevel = 0;
    Figures figures;
};

// The human's cash in one game, for a chart: at the first recorded deal, then after every hand.
struct GameCash {
    GameOutcome outcome = GameOutcome::InPlay;
    std::string startedAt; // "2026-12-07T10:31:05Z"
    std::vector<std::int32_t> cash;
};

// Every finished hand, kept in an SQLite file, and what the statistics window shows of them.
//
// Nothing ever stops the game: a hand that cannot be written is rolled back whole and the game
// plays on, and the player is told once of each kind of trouble through the notice: the file in
// use by another copy of the game (after waiting a few seconds), a folder or disk that takes no
// more, a file of a newer version of the game (left as it is). A damaged file is moved aside as
// "hands.sqlite.corrupt-2026-12-07T10-31-05" and a new one begun, which the player is told each
// time. The file is opened when first needed. One is made for each run of the program: the hands
// it writes are that run's, which the figures of the session count.
class HandRecords {
public:
    using Notice = std::function<void(const std::string& text)>;
    using Clock = std::function<std::time_t()>;

    struct Options {
        std::chrono::milliseconds busyWait{3000}; // for a file locked by another copy
        Clock clock;                              // the system's clock when empty
    };

    HandRecords(std::filesystem::path path, Notice notice, Options options);
    HandRecords(std::filesystem::path path, Notice notice)
        : HandRecords(std::move(path), std::move(notice), Options{}) {}
    ~HandRecords();
    HandRecords(const HandRecords&) = delete;
    HandRecords& operator=(const HandRecords&) = delete;

    // Writes the hand in one transaction; false when it could not be kept.
    bool recordHand(const HandRecord& hand);
    // The current game is over; nothing happens when no game is under way in the records.
    void recordGameEnd(GameOutcome outcome);

    // The figures of the hands played since this object was made, of every AI level that has
    // played a hand, lowest first, and of all time. Games count where they ended, under the level
    // of their last hand.
    Figures sessionFigures();
    std::vector<LevelFigures> levelFigures();
    Figures allTimeFigures();

    // The current game first, then up to `count` - 1 games before it, newest first.
    std::vector<GameCash> recentGames(int count);

    // Every hand in the hand history's own words: each run of the game as its history window
    // told it. False when the file could not be read.
    bool exportText(std::ostream& out);

private:
    // Kinds of trouble the player hears of once.
    enum class Trouble { Busy, Unwritable, Newer };
    // Times as the file keeps them, in UTC, and as a file name shows them, in local time.
    enum class TimeFormat { Stored, FileName };

    // Runs `work` in one transaction, writing or only reading; false after telling the player
    // why it could not be done.
    bool transact(bool writing, const std::function<void(SqliteConnection&)>& work);
    // Opens the file and brings its tables up to date; false for a newer version's file.
    bool open();
    // Moves a damaged file aside; false after telling the player why it could not be.
    bool moveAside();
    void handle(const SqliteError& error);
    void tell(Trouble trouble, const std::string& text);
    std::string now(TimeFormat format) const;

    // In the transaction.
    std::optional<std::int64_t> currentGame(SqliteConnection& db);
    std::int64_t session(SqliteConnection& db);
    void writeHand(SqliteConnection& db, const HandRecord& hand);
    Figures figures(SqliteConnection& db, std::string_view handsChosen,
                    std::string_view gamesChosen, std::int64_t value);

    std::filesystem::path path_;
    Notice notice_;
    Options options_;
    std::string startedAt_; // of this run
    std::unique_ptr<SqliteConnection> db_;
    bool newer_ = false; // the file is a newer version's, left alone
    // This run's, from its first hand or game's end in the file.
    std::optional<std::int64_t> session_;
    std::set<Trouble> told_;
};

} // namespace omaha
