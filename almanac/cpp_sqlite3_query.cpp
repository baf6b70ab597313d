#include "almanac/cpp_sqlite3_query.h"

#include <cstring>
#include <utility>

#include <sqlite3.h>

#include "almanac/cpp_sqlite3_exception.h"
#include "almanac/sqlite_error_text.h"

CppSQLite3Query::CppSQLite3Query(sqlite3* handle, sqlite3_stmt* statement, bool atEnd)
    : handle(handle),
      statement(statement),
      atEnd(atEnd),
      columnCount(statement != nullptr ? sqlite3_column_count(statement) : 0),
      ownsStatement(statement != nullptr) {}

CppSQLite3Query::CppSQLite3Query(CppSQLite3Query&& other) noexcept
    : handle(other.handle),
      statement(std::exchange(other.statement, nullptr)),
      atEnd(other.atEnd),
      columnCount(other.columnCount),
      ownsStatement(other.ownsStatement) {}

CppSQLite3Query& CppSQLite3Query::operator=(CppSQLite3Query&& other) noexcept {
  if (this == &other) return *this;
  try {
    Finalize();
  } catch (const CppSQLite3Exception&) {
    // The old statement is gone either way; its last error no longer matters.
  }
  statement = std::exchange(other.statement, nullptr);
  atEnd = other.atEnd;
  columnCount = other.columnCount;
  ownsStatement = other.ownsStatement;
  return *this;
}

CppSQLite3Query::~CppSQLite3Query() {
  try {
    Finalize();
  } catch (const CppSQLite3Exception&) {
  }
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
  if (name != nullptr) {
    for (int i = 0; i < columnCount; ++i) {
      const char* column = sqlite3_column_name(statement, i);
      if (column != nullptr && std::strcmp(name, column) == 0) return i;
    }
  }
  throw CppSQLite3Exception(CPPSQLITE_ERROR, "Invalid field name requested");
}

const char* CppSQLite3Query::ColumnText(const char* name) const {
  int index = ColumnIndex(name);
  if (atEnd) return "";
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
    int rc2 = sqlite3_finalize(std::exchange(statement, nullptr));
    throw CppSQLite3Exception(rc2, SqliteErrorText(handle));
  }
}

void CppSQLite3Query::Finalize() {
  if (statement == nullptr || !ownsStatement) return;
  int rc = sqlite3_finalize(std::exchange(statement, nullptr));
  // sqlite3_errstr, not the connection's text: the connection may already be gone once its last
  // statement is finalized (see ~CppSQLite3DB).
  if (rc != SQLITE_OK) throw CppSQLite3Exception(rc, sqlite3_errstr(rc));
}
