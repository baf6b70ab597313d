#pragma once
// The connection a look-up reads "yiji.db" through, or none when the file does not exist.
//
// Opening the file for every look-up costs more than a month refresh may take, so one read-only connection
// is kept between calls. It holds no lock and no statement between calls, and it is opened afresh whenever
// the file's identity (device, inode, size, modification time) differs from the one it was opened on, or the
// path changes; edits made through SQLite are seen by SQLite itself. Every call therefore reads the file's
// current content. The names of the file's tables are read once per opening, so asking whether a year has
// holiday tables costs no statement. UI thread only.

#include <string>

class CppSQLite3DB;

// Busy timeout of every almanac connection: other processes' locks are waited for up to a minute.
constexpr int kAlmanacBusyTimeoutMs = 60000;

class AlmanacConnection {
 public:
  // Checks the file and opens (or re-opens) the kept connection; throws CppSQLite3Exception when the file
  // exists but cannot be opened.
  AlmanacConnection();
  AlmanacConnection(const AlmanacConnection&) = delete;
  AlmanacConnection& operator=(const AlmanacConnection&) = delete;

  explicit operator bool() const noexcept { return db != nullptr; }
  CppSQLite3DB* operator->() const noexcept { return db; }
  CppSQLite3DB& operator*() const noexcept { return *db; }

  // True when the file has a table of that name (only while the connection exists).
  bool HasTable(const std::string& name) const;

 private:
  CppSQLite3DB* db = nullptr;
};

// Closes the kept connection (the next look-up opens the file again).
void ReleaseAlmanacConnection();

