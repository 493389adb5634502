#include "records/hand_records.h"

#include "core/game_text.h"
#include "records/schema.h"
#include "records/sqlite_connection.h"

#include <sqlite3.h>
#include <system_error>

namespace omaha {

namespace {

// A file that SQLite cannot read as a database, or whose pages do not hold together.
bool isDamage(const SqliteError& error) {
    return error.primaryCode() == SQLITE_CORRUPT || error.primaryCode() == SQLITE_NOTADB;
}

std::string unwritable(const std::filesystem::path& path, const std::string& reason) {
    return fillPlaces(gameText("Records", "Unable to record hands in %1: %2"),
                      {path.string(), reason});
}

} // namespace

HandRecords::HandRecords(std::filesystem::path path, Notice notice, Options options)
    : path_(std::move(path)), notice_(std::move(notice)), options_(std::move(options)) {
    if (!options_.clock)
        options_.clock = [] { return std::time(nullptr); };
    startedAt_ = now(TimeFormat::Stored);
}

HandRecords::~HandRecords() = default;

bool HandRecords::transact(bool writing, const std::function<void(SqliteConnection&)>& work) {
    for (bool retried = false;; retried = true) {
        const std::optional<std::int64_t> sessionBefore = session_;
        try {
            if (!db_ && !open())
                return false;
            db_->execute(writing ? "BEGIN IMMEDIATE" : "BEGIN");
            work(*db_);
            db_->execute("COMMIT");
            return true;
        } catch (const SqliteError& error) {
            // Closing the file rolls back whatever the transaction had written.
            db_.reset();
            session_ = sessionBefore;
            if (isDamage(error) && !retried && moveAside())
                continue;
            if (!isDamage(error) || retried)
                handle(error);
            return false;
        } catch (const std::filesystem::filesystem_error& error) { // no folder for the file
            db_.reset();
            session_ = sessionBefore;
            tell(Trouble::Unwritable, unwritable(path_, error.code().message()));
            return false;
        }
    }
}

bool HandRecords::open() {
    if (newer_)
        return false;
    if (!path_.parent_path().empty())
        std::filesystem::create_directories(path_.parent_path());
    auto db =
        std::make_unique<SqliteConnection>(path_, static_cast<int>(options_.busyWait.count()));
    db->execute("PRAGMA foreign_keys = ON");
    auto version = db->userVersion();
    if (version < kRecordsVersion) {
        db->execute("BEGIN IMMEDIATE");
        // Read again under the lock: another copy of the game may have upgraded it meanwhile.
        version = db->userVersion();
        for (auto step = version; step < kRecordsVersion; ++step)
            db->execute(std::string(kSchemaSteps[static_cast<std::size_t>(step)]));
        if (version < kRecordsVersion)
            db->execute("PRAGMA user_version = " + std::to_string(kRecordsVersion));
        db->execute("COMMIT");
    }
    if (version > kRecordsVersion) {
        newer_ = true;
        tell(Trouble::Newer, fillPlaces(gameText("Records", "%1 was written by a newer version of "
                                                            "the game: it is left as it is, and "
                                                            "hands are not recorded."),
                                        {path_.string()}));
        return false;
    }
    db_ = std::move(db);
    return true;
}

bool HandRecords::moveAside() {
    session_.reset();
    std::filesystem::path aside = path_.string() + ".corrupt-" + now(TimeFormat::FileName);
    for (int more = 2; std::filesystem::exists(aside); ++more)
        aside =
            path_.string() + ".corrupt-" + now(TimeFormat::FileName) + "-" + std::to_string(more);
    std::error_code failed;
    // A journal beside it was played back or set aside by SQLite when the file was first read.
    std::filesystem::rename(path_, aside, failed);
    if (failed) {
        tell(Trouble::Unwritable, unwritable(path_, failed.message()));
        return false;
    }
    notice_(fillPlaces(gameText("Records", "%1 was damaged: it was moved to %2, and a new record "
                                           "of hands begun."),
                       {path_.string(), aside.string()}));
    return true;
}

void HandRecords::handle(const SqliteError& error) {
    if (error.primaryCode() == SQLITE_BUSY || error.primaryCode() == SQLITE_LOCKED)
        tell(Trouble::Busy,
             fillPlaces(gameText("Records", "Another copy of the game is using %1: the hand was "
                                            "not recorded."),
                        {path_.string()}));
    else
        tell(Trouble::Unwritable, unwritable(path_, error.what()));
}

void HandRecords::tell(Trouble trouble, const std::string& text) {
    if (told_.insert(trouble).second)
        notice_(text);
}

std::string HandRecords::now(TimeFormat format) const {
    const std::time_t time = options_.clock();
    std::tm parts{};
    char text[32];
    if (format == TimeFormat::Stored)
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", gmtime_r(&time, &parts));
    else
        std::strftime(text, sizeof text, "%Y-%m-%dT%H-%M-%S", localtime_r(&time, &parts));
    return text;
}

} // namespace omaha
