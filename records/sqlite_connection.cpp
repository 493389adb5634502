#include "records/sqlite_connection.h"

#include <cerrno>
#include <cstring>
#include <sqlite3.h>
#include <unistd.h>

namespace omaha {

namespace {

// SQLite's message, or the system's reason where a system call was refused: "unable to open
// database file" says less than "Permission denied". `systemError` is the refusal's errno, or 0.
std::string failureReason(sqlite3* db, int code, int systemError) {
    const int primary = code & 0xff;
    // The file, or the folder its journal goes in, may not be written.
    if (primary == SQLITE_READONLY)
        return std::strerror(EACCES);
    if ((primary == SQLITE_CANTOPEN || primary == SQLITE_IOERR) && systemError != 0)
        return std::strerror(systemError);
    return sqlite3_errmsg(db);
}

} // namespace

SqliteError::SqliteError(int code, std::string reason)
    : std::runtime_error(std::move(reason)), code_(code) {}

void checkSqlite(sqlite3* db, int code) {
    // SQLite does not always keep the errno of a write that failed, "File too large".
    const int systemError = errno;
    if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE)
        throw SqliteError(
            code,
            failureReason(db, code,
                          sqlite3_system_errno(db) != 0 ? sqlite3_system_errno(db) : systemError));
}

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
    checkSqlite(db_, sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement_,
                                        nullptr));
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement& SqliteStatement::bind(int parameter, std::int64_t value) {
    checkSqlite(db_, sqlite3_bind_int64(statement_, parameter, value));
    return *this;
}

SqliteStatement& SqliteStatement::bind(int parameter, std::string_view text) {
    checkSqlite(db_, sqlite3_bind_text(statement_, parameter, text.data(),
                                       static_cast<int>(text.size()), SQLITE_TRANSIENT));
    return *this;
}

bool SqliteStatement::step() {
    const int code = sqlite3_step(statement_);
    checkSqlite(db_, code);
    return code == SQLITE_ROW;
}

void SqliteStatement::run() {
    step();
    reset();
}

void SqliteStatement::reset() {
    sqlite3_reset(statement_);
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::text(int column) const {
    const auto* text = sqlite3_column_text(statement_, column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

SqliteConnection::SqliteConnection(const std::filesystem::path& path, int busyMilliseconds) {
    const int code =
        sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        // SQLite tries a file it may not write to once more read-only, and keeps the reason of
        // that second try ("No such file or directory"); the first one is the player's.
        const std::filesystem::path written =
            std::filesystem::exists(path) ? path : std::filesystem::absolute(path).parent_path();
        const int systemError =
            ::access(written.c_str(), W_OK) != 0 ? errno : sqlite3_system_errno(db_);
        const SqliteError error(code, failureReason(db_, code, systemError));
        sqlite3_close(db_);
        throw error;
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyMilliseconds);
}

SqliteConnection::~SqliteConnection() {
    // Statements are finalised by their owners first; an open transaction is rolled back.
    sqlite3_close(db_);
}

void SqliteConnection::execute(const std::string& sql) {
    checkSqlite(db_, sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr));
}

std::int64_t SqliteConnection::lastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

std::int64_t SqliteConnection::userVersion() {
    SqliteStatement statement(db_, "PRAGMA user_version");
    statement.step();
    return statement.integer(0);
}

} // namespace omaha
