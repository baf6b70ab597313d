#pragma once
// A statement prepared once and run many times (CppSQLite3DB::Prepare): every run resets it and binds its
// parameters afresh, so no value ever becomes part of a statement's text. Finalized by the destructor.
#include <initializer_list>
#include <string>
#include <string_view>

#include "almanac/cpp_sqlite3_query.h"

struct sqlite3;
struct sqlite3_stmt;

class CppSQLite3Statement {
 public:
  CppSQLite3Statement() = default;
  // Takes over `statement`, prepared on `handle`; `table` is named in column errors (may be empty).
  CppSQLite3Statement(sqlite3* handle, sqlite3_stmt* statement, std::string table);
  CppSQLite3Statement(const CppSQLite3Statement&) = delete;
  CppSQLite3Statement& operator=(const CppSQLite3Statement&) = delete;
  CppSQLite3Statement(CppSQLite3Statement&& other) noexcept;
  CppSQLite3Statement& operator=(CppSQLite3Statement&& other) noexcept;
  virtual ~CppSQLite3Statement();

  explicit operator bool() const noexcept { return statement != nullptr; }

  // Resets the statement, binds `parameters` as texts to ?1, ?2, … and steps to the first row.
  // @warning The query borrows the statement: it must be done (finalized or destroyed) before the next Run,
  // which would otherwise take the statement from under it. Finishing it resets the statement, so an idle
  // statement holds no read lock.
  CppSQLite3Query Run(std::initializer_list<std::string_view> parameters = {});
  // Index of the result column `name`, looked up once by callers that read many rows; the error names the
  // column and the table.
  int ColumnIndex(const char* name) const;
  // Drops what the last run left (its row, its read lock); the statement can run again.
  void Reset() noexcept;

 private:
  sqlite3* handle = nullptr;
  sqlite3_stmt* statement = nullptr;
  std::string table;
};
