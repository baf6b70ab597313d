#include "almanac/cpp_sqlite3_db.h"

#include <limits>
#include <string>
#include <utility>

#include <sqlite3.h>

#include "almanac/cpp_sqlite3_exception.h"
#include "almanac/sqlite_error_text.h"
#include "platform/code_page.h"
#include "platform/path_encoding.h"

CppSQLite3DB::CppSQLite3DB(int busyTimeoutMs) : busyTimeoutMs(busyTimeoutMs) {}

CppSQLite3DB::~CppSQLite3DB() {
  try {
    Close();
  } catch (const CppSQLite3Exception&) {
    // A query still holds a statement: let SQLite close the connection once that is finalized.
    sqlite3_close_v2(std::exchange(handle, nullptr));
  }
}

void CppSQLite3DB::Open(const char* path) {
  Close();
  // SQLite takes UTF-8 file names; the path is in the file functions' narrow encoding.
  std::string utf8 = platform::NarrowPathToUtf8(path != nullptr ? path : "");
  int rc = sqlite3_open_v2(utf8.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
  if (rc != SQLITE_OK) throw CppSQLite3Exception(rc, SqliteErrorText(handle));
  sqlite3_busy_timeout(handle, busyTimeoutMs);
}

void CppSQLite3DB::CheckOpen() const {
  if (handle == nullptr) throw CppSQLite3Exception(CPPSQLITE_ERROR, "Database not open");
}

sqlite3_stmt* CppSQLite3DB::Compile(const char* sql) {
  CheckOpen();
  std::string utf8 = platform::GbkToUtf8(sql != nullptr ? sql : "");
  if (utf8.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    throw CppSQLite3Exception(CPPSQLITE_ERROR, "Statement too long");
  }
  sqlite3_stmt* statement = nullptr;
  int rc = sqlite3_prepare_v2(handle, utf8.c_str(), static_cast<int>(utf8.size()) + 1, &statement, nullptr);
  if (rc != SQLITE_OK) throw CppSQLite3Exception(rc, SqliteErrorText(handle));
  if (statement == nullptr) throw CppSQLite3Exception(CPPSQLITE_ERROR, "Empty statement");
  return statement;
}

CppSQLite3Query CppSQLite3DB::RunQuery(const char* sql) {
  CheckOpen();
  sqlite3_stmt* statement = Compile(sql);
  int rc = sqlite3_step(statement);
  if (rc == SQLITE_DONE) return CppSQLite3Query(handle, statement, true);
  if (rc == SQLITE_ROW) return CppSQLite3Query(handle, statement, false);
  int rc2 = sqlite3_finalize(statement);
  throw CppSQLite3Exception(rc2, SqliteErrorText(handle));
}

void CppSQLite3DB::Close() {
  if (handle == nullptr) return;
  if (sqlite3_close(handle) != SQLITE_OK) throw CppSQLite3Exception(CPPSQLITE_ERROR, "Unable to close database");
  handle = nullptr;
}
