#include <string>
#include <vector>

#include "almanac/almanac_connection.h"
#include "almanac/almanac_keys.h"
#include "almanac/almanac_store.h"
#include "almanac/cpp_sqlite3.h"

namespace {

// Appends the keytable word of `id`, if it has one, and reports whether it did.
bool AppendWord(CppSQLite3DB& db, CppSQLite3Query& query, const std::string& id, std::string& out) {
  std::string sql = "select * from keytable where id='" + QuoteText(id) + "'";
  query = db.RunQuery(sql.c_str());
  bool found = !query.AtEnd();
  if (found) out += query.ColumnText("key");
  query.Finalize();
  return found;
}

}  // namespace

bool QueryYiJi(std::string& out, bool yi, DateTimeRecord date) {
  AlmanacConnection db;
  if (!db) return false;
  std::string sql = "select * from yijitable where id='" + DateKey(date) + "'";
  CppSQLite3Query query = db->RunQuery(sql.c_str());
  std::vector<std::string> ids;
  if (!query.AtEnd()) ids = SplitString(query.ColumnText(yi ? "yi" : "ji"), ",");
  query.Finalize();

  if (ids.size() > 2) {
    for (std::size_t i = 0; i < 2; ++i) {
      if (AppendWord(*db, query, ids[i], out)) out += ' ';
    }
  } else if (!ids.empty()) {
    AppendWord(*db, query, ids[0], out);
  }
  return true;
}
