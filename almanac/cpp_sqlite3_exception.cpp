#include "almanac/cpp_sqlite3_exception.h"

#include <sqlite3.h>

namespace {

constexpr const char* kSqliteCodeNames[] = {
    "SQLITE_OK",       "SQLITE_ERROR",    "SQLITE_INTERNAL", "SQLITE_PERM",     "SQLITE_ABORT",
    "SQLITE_BUSY",     "SQLITE_LOCKED",   "SQLITE_NOMEM",    "SQLITE_READONLY", "SQLITE_INTERRUPT",
    "SQLITE_IOERR",    "SQLITE_CORRUPT",  "SQLITE_NOTFOUND", "SQLITE_FULL",     "SQLITE_CANTOPEN",
    "SQLITE_PROTOCOL", "SQLITE_EMPTY",    "SQLITE_SCHEMA",   "SQLITE_TOOBIG",   "SQLITE_CONSTRAINT",
    "SQLITE_MISMATCH", "SQLITE_MISUSE",   "SQLITE_NOLFS",    "SQLITE_AUTH",     "SQLITE_FORMAT",
    "SQLITE_RANGE",    "SQLITE_NOTADB",   "SQLITE_NOTICE",   "SQLITE_WARNING"};
constexpr int kNamedCodes = sizeof kSqliteCodeNames / sizeof kSqliteCodeNames[0];
static_assert(kNamedCodes == SQLITE_WARNING + 1);

}  // namespace

CppSQLite3Exception::CppSQLite3Exception(int code, const char* detail)
    : code(code),
      message(sqlite3_mprintf("%s[%d]: %s", CodeName(code), code, detail != nullptr ? detail : "")) {}

CppSQLite3Exception::CppSQLite3Exception(const CppSQLite3Exception& other)
    : code(other.code), message(other.message != nullptr ? sqlite3_mprintf("%s", other.message) : nullptr) {}

CppSQLite3Exception::~CppSQLite3Exception() { sqlite3_free(message); }

bool CppSQLite3Exception::IsBusy() const noexcept {
  const int primary = code & 0xFF;
  return code > 0 && code <= 0xFFFF && (primary == SQLITE_BUSY || primary == SQLITE_LOCKED);
}

const char* CppSQLite3Exception::CodeName(int code) noexcept {
  if (code >= 0 && code < kNamedCodes) return kSqliteCodeNames[code];
  switch (code) {
    case SQLITE_ROW: return "SQLITE_ROW";
    case SQLITE_DONE: return "SQLITE_DONE";
    case CPPSQLITE_ERROR: return "CPPSQLITE_ERROR";
    default: break;
  }
  // An extended result code (SQLITE_IOERR_READ is 266) belongs to the family of its low byte.
  const int primary = code & 0xFF;
  if (code > 0xFF && code <= 0xFFFF && primary > 0 && primary < kNamedCodes) return kSqliteCodeNames[primary];
  return "UNKNOWN_ERROR";
}
