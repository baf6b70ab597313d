#include "almanac/cpp_sqlite3_db.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

#include <sqlite3.h>

#include "almanac/cpp_sqlite3_exception.h"
#include "almanac/sqlite_error_text.h"
#include "platform/code_page.h"
#include "platform/executable_path.h"
#include "platform/path_encoding.h"

namespace {

// A URI file name for `utf8Path` (see SQLite's "URI filenames"): every byte that could be read as URI
// syntax is percent-encoded, Windows separators become '/', and a drive letter gets the empty authority.
std::string FileUri(const std::string& utf8Path, const char* parameter) {
  std::string uri = "file:";
  if (utf8Path.size() >= 2 && utf8Path[1] == ':') uri += "///";
  for (unsigned char c : utf8Path) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
    if (c == '\\' && platform::PathSeparator() == '\\') {
      uri += '/';
    } else if (plain) {
      uri += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      uri += escaped;
    }
  }
  return uri + "?" + parameter;
}

}  // namespace

CppSQLite3DB::CppSQLite3DB(int busyTimeoutMs) : busyTimeoutMs(busyTimeoutMs) {}

CppSQLite3DB::~CppSQLite3DB() {
  try {
    Close();
  } catch (const CppSQLite3Exception&) {
    // A query still holds a statement: let SQLite close the connection once that is finalized.
    sqlite3_close_v2(std::exchange(handle, nullptr));
  }
}

void CppSQLite3DB::Open(const char* path, CppSQLite3ReadMode mode) {
  Close();
  // SQLite takes UTF-8 file names; the path is in the file functions' narrow encoding.
  std::string utf8 = platform::NarrowPathToUtf8(path != nullptr ? path : "");
  int flags = SQLITE_OPEN_READONLY;
  if (mode != CppSQLite3ReadMode::Locked) {
    utf8 = FileUri(utf8, mode == CppSQLite3ReadMode::Immutable ? "immutable=1" : "readonly_shm=1");
    flags |= SQLITE_OPEN_URI;
  }
  int rc = sqlite3_open_v2(utf8.c_str(), &handle, flags, nullptr);
  if (rc != SQLITE_OK) throw CppSQLite3Exception(rc, SqliteErrorText(handle));
  sqlite3_busy_timeout(handle, busyTimeoutMs);
  // A reader never checkpoints, not even as the last connection to close (it could not write anyway).
  sqlite3_db_config(handle, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

void CppSQLite3DB::OpenReadWrite(const char* path, CppSQLite3Creation creation) {
  Close();
  std::string const utf8 = platform::NarrowPathToUtf8(path != nullptr ? path : "");
  int const flags = SQLITE_OPEN_READWRITE | (creation == CppSQLite3Creation::IfMissing ? SQLITE_OPEN_CREATE : 0);
  int rc = sqlite3_open_v2(utf8.c_str(), &handle, flags, nullptr);
  if (rc != SQLITE_OK) throw CppSQLite3Exception(rc, SqliteErrorText(handle));
  sqlite3_busy_timeout(handle, busyTimeoutMs);
}

void CppSQLite3DB::Execute(const char* sql) {
  CheckOpen();
  char* error = nullptr;
  int const rc = sqlite3_exec(handle, sql != nullptr ? sql : "", nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    CppSQLite3Exception failure(rc, error != nullptr ? error : SqliteErrorText(handle));
    sqlite3_free(error);
    throw failure;
  }
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

CppSQLite3Statement CppSQLite3DB::Prepare(const char* sql, std::string table) {
  CheckOpen();
  std::string utf8 = platform::GbkToUtf8(sql != nullptr ? sql : "");
  if (utf8.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    throw CppSQLite3Exception(CPPSQLITE_ERROR, "Statement too long");
  }
  sqlite3_stmt* statement = nullptr;
  int rc = sqlite3_prepare_v3(handle, utf8.c_str(), static_cast<int>(utf8.size()) + 1, SQLITE_PREPARE_PERSISTENT,
                              &statement, nullptr);
  if (rc != SQLITE_OK) throw CppSQLite3Exception(rc, SqliteErrorText(handle));
  if (statement == nullptr) throw CppSQLite3Exception(CPPSQLITE_ERROR, "Empty statement");
  return CppSQLite3Statement(handle, statement, std::move(table));
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

int CppSQLite3DB::WaitWhileBusy(void* self, int) {
  auto* db = static_cast<CppSQLite3DB*>(self);
  if (db->busyAllowanceMs <= 0) return 0;
  // Short naps: a writer's commit usually takes a few milliseconds. The time is measured, not assumed: a
  // nap may last longer than asked (Windows' timer ticks every 15 ms or so).
  auto const start = std::chrono::steady_clock::now();
  sqlite3_sleep(std::min(db->busyAllowanceMs, 5));
  auto const slept = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  db->busyAllowanceMs -= std::max(1, static_cast<int>(slept.count()));
  return 1;
}

void CppSQLite3DB::LimitBusyWait(int totalMs) {
  CheckOpen();
  busyAllowanceMs = std::max(totalMs, 0);
  sqlite3_busy_handler(handle, &CppSQLite3DB::WaitWhileBusy, this);
}

int CppSQLite3DB::ExtendedErrorCode() const noexcept {
  return handle != nullptr ? sqlite3_extended_errcode(handle) : SQLITE_OK;
}

void CppSQLite3DB::Close() {
  if (handle == nullptr) return;
  if (sqlite3_close(handle) != SQLITE_OK) throw CppSQLite3Exception(CPPSQLITE_ERROR, "Unable to close database");
  handle = nullptr;
}
