#include "almanac/cpp_sqlite3_exception.h"

#include <sqlite3.h>

namespace {

constexpr const char* kSqliteCodeNames[] = {
    "SQLITE_OK",       "SQLITE_ERROR",    "SQLITE_INTERNAL", "SQLITE_PERM",     "SQLITE_ABORT",
    "SQLITE_BUSY",     "SQLITE_LOCKED",   "SQLITE_NOMEM",    "SQLITE_READONLY", "SQLITE_INTERRUPT",
    "SQLITE_IOERR",    "SQLITE_CORRUPT",  "SQLITE_NOTFOUND", "SQLITE_FULL",     "SQLITE_CANTOPEN",
    "SQLITE_PROTOCOL", "SQLITE_EMPTY",    "SQLITE_SCHEMA",   "SQLITE_TOOBIG",   "SQLITE_CONSTRAINT",
    "SQLITE_MISMATCH", "SQLITE_MISUSE",   "SQLITE_NOLFS",    "SQLITE_AUTH",     "SQLITE_FORMAT",
    "SQLITE_RANGE"};
static_assert(sizeof kSqliteCodeNames / sizeof kSqliteCodeNames[0] == 26);

}  // namespace

CppSQLite3Exception::CppSQLite3Exception(int code, const char* detail)
    : code(code),
      message(sqlite3_mprintf("%s[%d]: %s", CodeName(code), code, detail != nullptr ? detail : "")) {}

CppSQLite3Exception::CppSQLite3Exception(const CppSQLite3Exception& other)
    : code(other.code), message(other.message != nullptr ? sqlite3_mprintf("%s", other.message) : nullptr) {}

CppSQLite3Exception::~CppSQLite3Exception() { sqlite3_free(message); }

const char* CppSQLite3Exception::CodeName(int code) noexcept {
  if (code >= 0 && code < 26) return kSqliteCodeNames[code];
  switch (code) {
    case SQLITE_ROW: return "SQLITE_ROW";
    case SQLITE_DONE: return "SQLITE_DONE";
    case CPPSQLITE_ERROR: return "CPPSQLITE_ERROR";
    default: return "UNKNOWN_ERROR";
  }
}
