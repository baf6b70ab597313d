#pragma once
// One read-only connection to an SQLite database file. Statements are complete narrow texts in GBK (no
// parameter binding); SQLite receives them as UTF-8. Every failure throws CppSQLite3Exception.
#include "almanac/cpp_sqlite3_query.h"

struct sqlite3;
struct sqlite3_stmt;

class CppSQLite3DB {
 public:
  explicit CppSQLite3DB(int busyTimeoutMs);
  CppSQLite3DB(const CppSQLite3DB&) = delete;
  CppSQLite3DB& operator=(const CppSQLite3DB&) = delete;
  virtual ~CppSQLite3DB();

  // Opens the file read-only, so a missing file is never created and nothing is ever written. `path` is in
  // the file system's narrow encoding; it may be of any length.
  void Open(const char* path);
  // Runs the first statement of `sql`; the query stands on its first row or is at its end.
  CppSQLite3Query RunQuery(const char* sql);
  // Prepares the first statement of `sql`; the caller owns the result (RunQuery hands it to a query).
  sqlite3_stmt* Compile(const char* sql);
  void Close();

  bool IsOpen() const noexcept { return handle != nullptr; }

 private:
  sqlite3* handle = nullptr;
  int busyTimeoutMs;

  void CheckOpen() const;
};
