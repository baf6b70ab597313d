#include <cstring>
#include <string>

#include "almanac/almanac_connection.h"
#include "almanac/almanac_keys.h"
#include "almanac/almanac_store.h"
#include "almanac/cpp_sqlite3.h"
#include "lunar/festival_lookup.h"
#include "platform/code_page.h"

namespace {

// The engine's festival buffers hold 18 bytes: a name of at most 17 and its terminating zero.
constexpr std::size_t kFestivalNameBytes = 17;

bool QueryFestivalName(const char* table, const char* key, char* out) {
  AlmanacConnection db;
  if (!db) return false;
  std::string sql = std::string("select * from ") + table + " where monthday='" +
                    QuoteText(key != nullptr ? key : "") + "'";
  CppSQLite3Query query = db->RunQuery(sql.c_str());
  if (!query.AtEnd() && out != nullptr) {
    std::string_view name = query.ColumnText("festival");
    std::size_t n = platform::Utf8PrefixAtBoundary(name, kFestivalNameBytes);
    std::memcpy(out, name.data(), n);
    out[n] = '\0';
  }
  query.Finalize();
  return true;
}

}  // namespace

bool QueryFestival(const DateTimeRecord& date, std::string& out) {
  AlmanacConnection db;
  if (!db) return false;
  std::string sql = "select * from festivaltable where datetime='" + MonthDayKey(date) + "'";
  CppSQLite3Query query = db->RunQuery(sql.c_str());
  if (!query.AtEnd()) {
    std::string festival = query.ColumnText("festival");
    std::string datetime = query.ColumnText("datetime");
    if (!festival.empty()) out = festival;
    if (!datetime.empty()) out += " " + datetime;
  }
  query.Finalize();
  return true;
}

bool QueryGregorianFestival(const char* key, char* out) { return QueryFestivalName("gregtable", key, out); }

bool QueryLunarFestival(const char* key, char* out) { return QueryFestivalName("tradtable", key, out); }

void ConnectFestivalLookups() { SetFestivalLookups({&QueryGregorianFestival, &QueryLunarFestival}); }
