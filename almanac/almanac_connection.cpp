#include "almanac/almanac_connection.h"

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "almanac/almanac_store.h"
#include "almanac/cpp_sqlite3.h"
#include "platform/file_identity.h"

namespace {

struct KeptConnection {
  std::string path;
  platform::FileIdentity identity;
  std::unique_ptr<CppSQLite3DB> db;
  std::set<std::string> tables;
};

std::set<std::string> TableNames(CppSQLite3DB& db) {
  std::set<std::string> names;
  CppSQLite3Query query = db.RunQuery("select name from sqlite_master where type='table'");
  for (; !query.AtEnd(); query.Advance()) names.insert(query.ColumnText("name"));
  return names;
}

KeptConnection& Kept() {
  static KeptConnection kept;
  return kept;
}

}  // namespace

AlmanacConnection::AlmanacConnection() {
  KeptConnection& kept = Kept();
  const std::string path = GetAlmanacDbPath();
  const std::optional<platform::FileIdentity> identity = platform::GetFileIdentity(path);
  if (!identity) {
    kept.db.reset();
    return;
  }
  if (!kept.db || kept.path != path || !(kept.identity == *identity)) {
    kept.db.reset();
    auto fresh = std::make_unique<CppSQLite3DB>(kAlmanacBusyTimeoutMs);
    fresh->Open(path.c_str());
    std::set<std::string> tables = TableNames(*fresh);
    kept = {path, *identity, std::move(fresh), std::move(tables)};
  }
  db = kept.db.get();
}

void ReleaseAlmanacConnection() { Kept().db.reset(); }

bool AlmanacConnection::HasTable(const std::string& name) const {
  return db != nullptr && Kept().tables.count(name) != 0;
}
