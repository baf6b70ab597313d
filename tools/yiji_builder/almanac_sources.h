#pragma once
// The readable sources of yiji.db under data/, parsed and checked. Every reader throws BuildError naming
// the file and line of the first fault.
#include <map>
#include <string>
#include <vector>

#include "lunar/supported_years.h"
#include "tools/yiji_builder/civil_date.h"

// Names in festival cells hold at most 17 UTF-8 bytes (the engine's buffers have 18).
constexpr std::size_t kMaxFestivalNameBytes = 17;

// First and last date that yijitable covers.
constexpr CivilDate kFirstAlmanacDate{lunar::kFirstYear, 1, 1};
constexpr CivilDate kLastAlmanacDate{lunar::kLastYear, 12, 31};

struct YiJiDay {
  CivilDate date;
  std::vector<int> yi;  // word ids, 1-based positions in the word list
  std::vector<int> ji;
};

struct GregorianFestival {
  int month = 0;
  int day = 0;
  std::string name;     // UTF-8
  std::string tooltip;  // UTF-8
};

struct LunarFestival {
  std::string monthText;  // UTF-8, as the engine writes it ("正月", "十二月")
  std::string dayText;    // "初一", "廿三"
  std::string name;
};

struct HolidayDate {
  CivilDate date;
  bool rest = false;  // else a worked weekend day
  std::string name;
  int line = 0;
};

// Activity words, one per line; a word's id is its position (from 1).
std::vector<std::string> ReadYiJiWords(const std::string& path);
// Every date kFirstAlmanacDate..kLastAlmanacDate exactly once: "D8<TAB>yi ids<TAB>ji ids".
std::vector<YiJiDay> ReadYiJiDays(const std::string& path, std::size_t wordCount);
std::vector<GregorianFestival> ReadGregorianFestivals(const std::string& path);
std::vector<LunarFestival> ReadLunarFestivals(const std::string& path);
// holidays-cn.csv: "date,kind,name,sources" with a header line.
std::vector<HolidayDate> ReadHolidayDates(const std::string& path);
// The days holidays centre on that need the lunar calendar: date -> names.
std::map<CivilDate, std::vector<std::string>> ReadLunarMainDays(const std::string& path);

// The month-day key of the festival tables ("%d%d"), and the other date that shares it, if any.
std::string MonthDayKeyOf(int month, int day);
bool SharedMonthDayKey(int month, int day, CivilDate& other);

// `utf8` in GBK; throws BuildError (with `where`) when a character has no GBK form.
std::string ToGbkChecked(const std::string& utf8, const std::string& where);
