#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace omaha {

// A call into SQLite that failed, with SQLite's code and, where the system refused something,
// the system's own reason ("Permission denied", "File too large").
class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, std::string reason);
    int code() const { return code_; }
    // The code without its extended part: SQLITE_BUSY, SQLITE_CORRUPT, SQLITE_FULL ...
    int primaryCode() const { return code_ & 0xff; }

private:
    int code_;
};

// One prepared statement; its parameters are numbered from 1 and its columns from 0.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int parameter, std::int64_t value);
    SqliteStatement& bind(int parameter, std::string_view text);
    // Runs the statement to its next row: false once it is done.
    bool step();
    // Runs a statement that returns no rows, and makes it ready to run again.
    void run();
    // Makes the statement ready to run again, keeping its parameters.
    void reset();
    std::int64_t integer(int column) const;
    std::string text(int column) const; // "" for NULL

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

// An open database file. Every failure throws SqliteError.
class SqliteConnection {
public:
    // Opens the file for reading and writing, creating it if it does not exist, and waits up to
    // `busyMilliseconds` for another process's lock before giving up.
    SqliteConnection(const std::filesystem::path& path, int busyMilliseconds);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    void execute(const std::string& sql);
    SqliteStatement prepare(std::string_view sql) { return SqliteStatement(db_, sql); }
    std::int64_t lastInsertId() const;
    // PRAGMA user_version, the version of the tables the file holds; 0 in a new file.
    std::int64_t userVersion();

private:
    sqlite3* db_ = nullptr;
};

// Throws SqliteError for any code but SQLITE_OK, SQLITE_ROW and SQLITE_DONE.
void checkSqlite(sqlite3* db, int code);

} // namespace omaha
