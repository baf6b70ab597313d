#pragma once
// A cursor over one prepared statement, made by CppSQLite3DB::RunQuery (which hands the statement over) or
// by CppSQLite3Statement::Run (which lends its kept statement). It stands on its first row (or is at its
// end) when made. Exactly one query owns or borrows a statement: assignment and moving take it over.
#include <string>

struct sqlite3;
struct sqlite3_stmt;

class CppSQLite3Query {
 public:
  // Whether the query finalizes its statement when done, or only resets a statement it borrowed from a
  // CppSQLite3Statement (so that the statement can run again and holds no read lock meanwhile).
  enum class Ownership { Owns, Borrows };

  CppSQLite3Query() = default;
  CppSQLite3Query(sqlite3* handle, sqlite3_stmt* statement, bool atEnd, Ownership ownership = Ownership::Owns,
                  std::string table = {});
  CppSQLite3Query(const CppSQLite3Query&) = delete;
  CppSQLite3Query(CppSQLite3Query&& other) noexcept;
  // Finalizes (or resets) this query's own statement, dropping any error, then takes over the other's.
  CppSQLite3Query& operator=(CppSQLite3Query&& other) noexcept;
  virtual ~CppSQLite3Query();

  bool AtEnd() const;
  // Index of the first result column named exactly `name` (case-sensitive); the error names the column
  // (and the table, when the query knows which it reads).
  int ColumnIndex(const char* name) const;
  // The same for any statement.
  static int ColumnIndexOf(sqlite3_stmt* statement, const char* name, const std::string& table);
  // The current row's value of the column as narrow text; NULL (and no current row) read as "".
  // @warning The text belongs to SQLite and is valid only until the next Advance or Finalize: copy it.
  const char* ColumnText(const char* name) const;
  // The same by index, for callers that looked the index up once (an index out of range reads as "").
  const char* ColumnText(int index) const;
  // Steps to the next row; afterwards AtEnd() tells whether there is one. At the end it stays there.
  void Advance();
  // Finalizes an owned statement, resets a borrowed one; afterwards the query has no statement.
  void Finalize();

 private:
  sqlite3* handle = nullptr;  // only for SQLite's error text
  sqlite3_stmt* statement = nullptr;
  bool atEnd = true;
  int columnCount = 0;
  bool ownsStatement = false;
  std::string table;  // named in errors; may be empty

  void CheckStatement() const;
  // The statement is gone: finalized when owned, reset when borrowed. Returns the code of that call.
  int Release() noexcept;
};
