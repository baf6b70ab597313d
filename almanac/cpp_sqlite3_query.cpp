#include "almanac/cpp_sqlite3_query.h"

#include <cstring>
#include <utility>

#include <sqlite3.h>

#include "almanac/cpp_sqlite3_exception.h"
#include "almanac/sqlite_error_text.h"

CppSQLite3Query::CppSQLite3Query(sqlite3* handle, sqlite3_stmt* statement, bool atEnd, Ownership ownership,
                                 std::string table)
    : handle(handle),
      statement(statement),
      atEnd(atEnd),
      columnCount(statement != nullptr ? sqlite3_column_count(statement) : 0),
      ownsStatement(statement != nullptr && ownership == Ownership::Owns),
      table(std::move(table)) {}

CppSQLite3Query::CppSQLite3Query(CppSQLite3Query&& other) noexcept
    : handle(other.handle),
      statement(std::exchange(other.statement, nullptr)),
      atEnd(other.atEnd),
      columnCount(other.columnCount),
      ownsStatement(other.ownsStatement),
      table(std::move(other.table)) {}

CppSQLite3Query& CppSQLite3Query::operator=(CppSQLite3Query&& other) noexcept {
  if (this == &other) return *this;
  // The old statement is gone either way; its last error no longer matters.
  Release();
  // The connection comes along: the error texts of the new statement are that connection's.
  handle = other.handle;
  statement = std::exchange(other.statement, nullptr);
  atEnd = other.atEnd;
  columnCount = other.columnCount;
  ownsStatement = other.ownsStatement;
  table = std::move(other.table);
  return *this;
}

CppSQLite3Query::~CppSQLite3Query() { Release(); }

int CppSQLite3Query::Release() noexcept {
  sqlite3_stmt* const gone = std::exchange(statement, nullptr);
  if (gone == nullptr) return SQLITE_OK;
  return ownsStatement ? sqlite3_finalize(gone) : sqlite3_reset(gone);
}

void CppSQLite3Query::CheckStatement() const {
  if (statement == nullptr) throw CppSQLite3Exception(CPPSQLITE_ERROR, "Null Virtual Machine pointer");
}

bool CppSQLite3Query::AtEnd() const {
  CheckStatement();
  return atEnd;
}

int CppSQLite3Query::ColumnIndex(const char* name) const {
  CheckStatement();
  return ColumnIndexOf(statement, name, table);
}

int CppSQLite3Query::ColumnIndexOf(sqlite3_stmt* statement, const char* name, const std::string& table) {
  if (name != nullptr) {
    const int count = sqlite3_column_count(statement);
    for (int i = 0; i < count; ++i) {
      const char* column = sqlite3_column_name(statement, i);
      if (column != nullptr && std::strcmp(name, column) == 0) return i;
    }
  }
  std::string detail = "Invalid field name requested";
  if (name != nullptr) detail += std::string(": no column \"") + name + "\"";
  if (name != nullptr && !table.empty()) detail += " in table " + table;
  throw CppSQLite3Exception(CPPSQLITE_ERROR, detail.c_str());
}

const char* CppSQLite3Query::ColumnText(const char* name) const { return ColumnText(ColumnIndex(name)); }

const char* CppSQLite3Query::ColumnText(int index) const {
  CheckStatement();
  if (atEnd || index < 0 || index >= columnCount) return "";
  const unsigned char* text = sqlite3_column_text(statement, index);
  return text != nullptr ? reinterpret_cast<const char*>(text) : "";
}

void CppSQLite3Query::Advance() {
  CheckStatement();
  // Stepping a finished statement would silently start it over.
  if (atEnd) return;
  int rc = sqlite3_step(statement);
  if (rc == SQLITE_DONE) {
    atEnd = true;
  } else if (rc != SQLITE_ROW) {
    if (ownsStatement) {
      int rc2 = sqlite3_finalize(std::exchange(statement, nullptr));
      throw CppSQLite3Exception(rc2, SqliteErrorText(handle));
    }
    CppSQLite3Exception error(rc, SqliteErrorText(handle));
    Release();
    throw error;
  }
}

void CppSQLite3Query::Finalize() {
  const bool owned = ownsStatement;
  int rc = Release();
  // sqlite3_errstr, not the connection's text: the connection may already be gone once its last
  // statement is finalized (see ~CppSQLite3DB). A reset repeats the last step's error, already reported.
  if (owned && rc != SQLITE_OK) throw CppSQLite3Exception(rc, sqlite3_errstr(rc));
}
