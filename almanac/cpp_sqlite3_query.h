#pragma once
// A cursor over one prepared statement, made by CppSQLite3DB::RunQuery. It stands on its first row (or is
// at its end) when made. Exactly one query owns a statement: assignment and moving take it over.
struct sqlite3;
struct sqlite3_stmt;

class CppSQLite3Query {
 public:
  CppSQLite3Query() = default;
  CppSQLite3Query(sqlite3* handle, sqlite3_stmt* statement, bool atEnd);
  CppSQLite3Query(const CppSQLite3Query&) = delete;
  CppSQLite3Query(CppSQLite3Query&& other) noexcept;
  // Finalizes this query's own statement (dropping any error), then takes over the other's statement.
  CppSQLite3Query& operator=(CppSQLite3Query&& other) noexcept;
  virtual ~CppSQLite3Query();

  bool AtEnd() const;
  // Index of the first result column named exactly `name` (case-sensitive).
  int ColumnIndex(const char* name) const;
  // The current row's value of the column as narrow text; NULL (and no current row) read as "".
  // @warning The text belongs to SQLite and is valid only until the next Advance or Finalize: copy it.
  const char* ColumnText(const char* name) const;
  // Steps to the next row; afterwards AtEnd() tells whether there is one. At the end it stays there.
  void Advance();
  void Finalize();

 private:
  sqlite3* handle = nullptr;  // only for SQLite's error text
  sqlite3_stmt* statement = nullptr;
  bool atEnd = true;
  int columnCount = 0;
  bool ownsStatement = false;

  void CheckStatement() const;
};
