#pragma once
// One connection to an SQLite database file, read-only unless opened with OpenReadWrite (only the user's own
// store is). Statements are narrow texts in GBK; SQLite receives
// them as UTF-8. Values reach a kept statement only as bound parameters (Prepare). Every failure throws
// CppSQLite3Exception.
#include <string>

#include "almanac/cpp_sqlite3_query.h"
#include "almanac/cpp_sqlite3_statement.h"

struct sqlite3;
struct sqlite3_stmt;

// How a read-only connection meets other programs that may write the file. None of them ever creates,
// changes or deletes a file: a read-only connection writes nothing, and neither a journal nor a write-ahead
// log (WAL) is made for it.
enum class CppSQLite3ReadMode {
  // SQLite's locks: a writer's commit is waited for (the busy wait) and a hot journal is refused (code
  // SQLITE_READONLY), never rolled back. For a file in rollback-journal mode.
  Locked,
  // A WAL file whose shared-memory index (-shm) exists: the index is opened read-only ("readonly_shm"),
  // so the reader sees what the log holds without writing the index.
  ReadOnlyIndex,
  // No locks and no look at journal, log or index ("immutable"): for a WAL file without a log, whose
  // content is all in the file itself. SQLite would otherwise create the log and the index to read it.
  Immutable,
};

// Whether OpenReadWrite may create a missing file.
enum class CppSQLite3Creation { Never, IfMissing };

class CppSQLite3DB {
 public:
  explicit CppSQLite3DB(int busyTimeoutMs);
  CppSQLite3DB(const CppSQLite3DB&) = delete;
  CppSQLite3DB& operator=(const CppSQLite3DB&) = delete;
  virtual ~CppSQLite3DB();

  // Opens the file read-only, so a missing file is never created and nothing is ever written. `path` is in
  // the file system's narrow encoding; it may be of any length.
  void Open(const char* path, CppSQLite3ReadMode mode = CppSQLite3ReadMode::Locked);
  // Opens the file for reading and writing (read-only when the file itself is write-protected), creating it
  // only when `creation` allows. For a database the program owns; the almanac is never opened this way.
  void OpenReadWrite(const char* path, CppSQLite3Creation creation);
  // Runs every statement of `sql` (a fixed script: schema, pragmas), reading no rows.
  void Execute(const char* sql);
  // Runs the first statement of `sql`; the query stands on its first row or is at its end.
  CppSQLite3Query RunQuery(const char* sql);
  // Prepares the first statement of `sql`; the caller owns the result (RunQuery hands it to a query).
  sqlite3_stmt* Compile(const char* sql);
  // Prepares `sql` to be kept and run many times with bound parameters; `table` is named in its column
  // errors. The statement must go before the connection closes.
  CppSQLite3Statement Prepare(const char* sql, std::string table = {});
  // From now on every wait for other programs' locks together lasts at most `totalMs` (0: none), instead
  // of up to the busy timeout for each statement. Call again to grant a fresh allowance.
  void LimitBusyWait(int totalMs);
  void Close();

  bool IsOpen() const noexcept { return handle != nullptr; }
  // The extended result code of the connection's last failure (SQLITE_READONLY_ROLLBACK, …).
  int ExtendedErrorCode() const noexcept;

 private:
  sqlite3* handle = nullptr;
  int busyTimeoutMs;
  int busyAllowanceMs = 0;  // what LimitBusyWait left

  void CheckOpen() const;
  static int WaitWhileBusy(void* self, int attempt);
};
