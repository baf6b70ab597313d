#include "almanac/almanac_connection.h"

#include <filesystem>
#include <string>

#include "almanac/almanac_keys.h"
#include "almanac/almanac_store.h"
#include "almanac/cpp_sqlite3.h"

AlmanacConnection::AlmanacConnection() {
  std::string path = GetAlmanacDbPath();
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return;
  owned = std::make_unique<CppSQLite3DB>(kAlmanacBusyTimeoutMs);
  owned->Open(path.c_str());
  db = owned.get();
}

AlmanacConnection::~AlmanacConnection() = default;

bool HasTable(CppSQLite3DB& db, const char* name) {
  std::string sql = "select name from sqlite_master where type='table' and name='" + QuoteText(name) + "'";
  CppSQLite3Query query = db.RunQuery(sql.c_str());
  return !query.AtEnd();
}
