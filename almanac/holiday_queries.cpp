#include <string>

#include "almanac/almanac_connection.h"
#include "almanac/almanac_keys.h"
#include "almanac/almanac_store.h"
#include "almanac/cpp_sqlite3.h"

// Holiday schedules are published per year: festable<YEAR> and bantable<YEAR> exist for the years that
// have one, and any other year answers no without a statement on a table that is not there.

namespace {

std::string YearTable(const char* prefix, const DateTimeRecord& date) {
  return prefix + std::to_string(date.year);
}

}  // namespace

bool QueryFestivalDay(const DateTimeRecord& date, std::string& festival, std::string& picpath,
                      std::string& holidays) {
  AlmanacConnection db;
  if (!db) return false;
  std::string table = YearTable("festable", date);
  if (!db.HasTable(table)) return false;
  std::string sql = "select * from " + table + " where datetime='" + DateKey(date) + "'";
  CppSQLite3Query query = db->RunQuery(sql.c_str());
  if (!query.AtEnd()) {
    // Read all three before writing any, so a missing column leaves every output as it was.
    std::string rowFestival = query.ColumnText("festival");
    std::string rowPicpath = query.ColumnText("picpath");
    std::string rowHolidays = query.ColumnText("holidays");
    festival = std::move(rowFestival);
    picpath = std::move(rowPicpath);
    holidays = std::move(rowHolidays);
  }
  query.Finalize();
  return true;
}

bool QueryWorkedDay(const DateTimeRecord& date) {
  AlmanacConnection db;
  if (!db) return false;
  std::string table = YearTable("bantable", date);
  if (!db.HasTable(table)) return false;
  std::string sql = "select * from " + table + " where ban='" + DateKey(date) + "'";
  CppSQLite3Query query = db->RunQuery(sql.c_str());
  bool worked = !query.AtEnd();
  query.Finalize();
  return worked;
}

bool QueryRestDay(const DateTimeRecord& date) {
  AlmanacConnection db;
  if (!db) return false;
  std::string table = YearTable("festable", date);
  if (!db.HasTable(table)) return false;
  const std::string key = DateKey(date);
  std::string sql = "select * from " + table + " where holidays <> ''";
  CppSQLite3Query query = db->RunQuery(sql.c_str());
  bool rest = false;
  while (!rest && !query.AtEnd()) {
    // Rest days are two-digit days of the month that the row's key names.
    std::string prefix = std::string(query.ColumnText("datetime")).substr(0, 6);
    for (const std::string& piece : SplitString(query.ColumnText("holidays"), ",")) {
      if (prefix + piece == key) {
        rest = true;
        break;
      }
    }
    if (!rest) query.Advance();
  }
  query.Finalize();
  return rest;
}
