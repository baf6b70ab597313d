#pragma once
// One opened yiji.db: its read-only connection, the statements kept with it and the small tables it answers
// from memory. The statements are prepared once and run with bound keys; the 宜/忌 word list, the two
// festival-name tables and each year's holiday rows are read once, on first use, and kept until the file's
// content changes (BeginRead notices that). UI thread only; the batch (almanac/almanac_batch.h) owns it.
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "almanac/cpp_sqlite3.h"

// Which festival-name table a look-up reads.
enum class FestivalNameTable { Gregorian, Lunar };

// One row of festable<YEAR>, as stored.
struct HolidayRow {
  std::string festival;
  std::string picpath;
  std::string holidays;
};

// A year's holiday schedule: festable<YEAR> by date key, and the days it and bantable<YEAR> name.
struct HolidayYear {
  bool hasFestable = false;  // a year without a schedule answers no at once
  bool hasBantable = false;
  std::unordered_map<std::string, HolidayRow> rows;
  std::unordered_set<std::string> restDays;    // date keys: a row's month followed by one of its pieces
  std::unordered_set<std::string> workedDays;  // date keys of bantable<YEAR>
};

// The yi and ji id lists of one date.
struct YiJiRow {
  bool found = false;
  std::string yi;
  std::string ji;
};

class AlmanacFile {
 public:
  // Opens `path` read-only in `mode`; throws CppSQLite3Exception.
  AlmanacFile(const std::string& path, CppSQLite3ReadMode mode);

  // Every wait for other programs' locks from now on lasts at most `totalMs` together.
  void LimitBusyWait(int totalMs) { db.LimitBusyWait(totalMs); }
  // Starts the read transaction of a batch (taking SQLite's read lock: this is where a busy file fails)
  // and returns true when another program changed the content since memory was filled; memory is then
  // dropped. Throws CppSQLite3Exception.
  bool BeginRead();
  // Ends it: every statement is reset and the read lock let go.
  void EndRead() noexcept;

  bool HasTable(const std::string& name);
  // The yijitable row of `dateKey` (the last one asked is kept: yi and ji are asked one after the other).
  const YiJiRow& YiJi(const std::string& dateKey);
  // The keytable word of `id`, or null.
  const std::string* Word(const std::string& id);
  // The festivaltable row of `monthDayKey`: false without one.
  bool FestivalTip(const std::string& monthDayKey, std::string& festival, std::string& datetime);
  // The festival name (valid UTF-8: bytes that do not decode are U+FFFD) of `gbkKey`, or null.
  const std::string* FestivalName(FestivalNameTable table, std::string_view gbkKey);
  const HolidayYear& Holidays(int year);

 private:
  CppSQLite3DB db;
  CppSQLite3ReadMode mode;
  CppSQLite3Statement begin, commit, dataVersion;
  std::string contentVersion;  // PRAGMA data_version when memory was filled

  // Kept while the content stays the same.
  struct Memory {
    std::optional<std::set<std::string>> tables;
    CppSQLite3Statement yiji, tips;
    int yiIndex = 0, jiIndex = 0, tipFestivalIndex = 0, tipDatetimeIndex = 0;
    std::optional<std::string> yijiKey;
    YiJiRow yijiRow;
    std::optional<std::unordered_map<std::string, std::string>> words;
    std::optional<std::unordered_map<std::string, std::string>> names[2];
    std::map<int, HolidayYear> years;
  };
  std::unique_ptr<Memory> memory = std::make_unique<Memory>();

  void ResetStatements() noexcept;
  // Every row of `table`, `columns` read by name (a missing column names itself and the table).
  template <typename Row>
  void ReadTable(const std::string& table, std::initializer_list<const char*> columns, Row&& row);
};
