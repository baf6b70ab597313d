#include "almanac/cpp_sqlite3_statement.h"

#include <limits>
#include <utility>

#include <sqlite3.h>

#include "almanac/cpp_sqlite3_exception.h"
#include "almanac/sqlite_error_text.h"

CppSQLite3Statement::CppSQLite3Statement(sqlite3* handle, sqlite3_stmt* statement, std::string table)
    : handle(handle), statement(statement), table(std::move(table)) {}

CppSQLite3Statement::CppSQLite3Statement(CppSQLite3Statement&& other) noexcept
    : handle(other.handle), statement(std::exchange(other.statement, nullptr)), table(std::move(other.table)) {}

CppSQLite3Statement& CppSQLite3Statement::operator=(CppSQLite3Statement&& other) noexcept {
  if (this == &other) return *this;
  sqlite3_finalize(std::exchange(statement, std::exchange(other.statement, nullptr)));
  handle = other.handle;
  table = std::move(other.table);
  return *this;
}

CppSQLite3Statement::~CppSQLite3Statement() { sqlite3_finalize(statement); }

void CppSQLite3Statement::Reset() noexcept {
  if (statement != nullptr) sqlite3_reset(statement);
}

CppSQLite3Query CppSQLite3Statement::Run(std::initializer_list<std::string_view> parameters) {
  if (statement == nullptr) throw CppSQLite3Exception(CPPSQLITE_ERROR, "Null Virtual Machine pointer");
  sqlite3_reset(statement);
  int index = 0;
  for (std::string_view value : parameters) {
    if (value.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
      throw CppSQLite3Exception(SQLITE_TOOBIG, "parameter too long");
    }
    // SQLITE_TRANSIENT: SQLite keeps its own copy, so the caller's text may go while rows are read.
    int rc = sqlite3_bind_text(statement, ++index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) throw CppSQLite3Exception(rc, SqliteErrorText(handle));
  }
  int rc = sqlite3_step(statement);
  if (rc == SQLITE_ROW || rc == SQLITE_DONE) {
    return CppSQLite3Query(handle, statement, rc == SQLITE_DONE, CppSQLite3Query::Ownership::Borrows, table);
  }
  CppSQLite3Exception error(rc, SqliteErrorText(handle));
  sqlite3_reset(statement);
  throw error;
}

int CppSQLite3Statement::ColumnIndex(const char* name) const {
  if (statement == nullptr) throw CppSQLite3Exception(CPPSQLITE_ERROR, "Null Virtual Machine pointer");
  return CppSQLite3Query::ColumnIndexOf(statement, name, table);
}
