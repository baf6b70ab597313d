#pragma once
// The connection a look-up reads "yiji.db" through, or none when the file does not exist.
#include <memory>

class CppSQLite3DB;

// Busy timeout of every almanac connection: other processes' locks are waited for up to a minute.
constexpr int kAlmanacBusyTimeoutMs = 60000;

class AlmanacConnection {
 public:
  AlmanacConnection();
  AlmanacConnection(const AlmanacConnection&) = delete;
  AlmanacConnection& operator=(const AlmanacConnection&) = delete;
  ~AlmanacConnection();

  explicit operator bool() const noexcept { return db != nullptr; }
  CppSQLite3DB* operator->() const noexcept { return db; }
  CppSQLite3DB& operator*() const noexcept { return *db; }

 private:
  std::unique_ptr<CppSQLite3DB> owned;
  CppSQLite3DB* db = nullptr;
};

// True when the database has a table of that name.
bool HasTable(CppSQLite3DB& db, const char* name);
