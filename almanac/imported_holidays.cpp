#include "almanac/imported_holidays.h"

#include <iostream>
#include <map>
#include <optional>
#include <set>

#include "almanac/almanac_batch.h"
#include "almanac/cpp_sqlite3_exception.h"
#include "platform/code_page.h"
#include "platform/file_identity.h"

namespace {

struct KeptSchedules {
  bool looked = false;
  std::string path;
  std::optional<platform::FileIdentity> file, log;
  std::map<int, HolidayYear> years;
};

KeptSchedules& Kept() {
  static KeptSchedules kept;
  return kept;
}

// "YYYY-MM-DD" → "YYYYMMDD", the almanac's date key.
std::string KeyOf(const std::string& date) { return date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2); }

}  // namespace

HolidayYear ToHolidayYear(const std::vector<UserHoliday>& days) {
  HolidayYear year;
  year.hasFestable = year.hasBantable = true;
  // The rest days of each holiday in each month: "01,02,…" as a yiji.db row lists them.
  std::map<std::pair<std::string, std::string>, std::string> listed;  // (name, YYYYMM) → days
  for (const UserHoliday& day : days) {
    if (day.kind != HolidayKind::Rest) continue;
    std::string& list = listed[{day.name, KeyOf(day.date).substr(0, 6)}];
    list += (list.empty() ? "" : ",") + day.date.substr(8, 2);
  }
  for (const UserHoliday& day : days) {
    std::string const key = KeyOf(day.date);
    HolidayRow row;
    if (day.kind == HolidayKind::Rest) {
      year.restDays.insert(key);
      row.festival = platform::Utf8ToGbk(day.name);
      row.holidays = listed[{day.name, key.substr(0, 6)}];
    } else {
      year.workedDays.insert(key);
      row.festival = platform::Utf8ToGbk(day.name + " 补班");
    }
    year.rows.insert_or_assign(key, std::move(row));
  }
  return year;
}

bool LookAtImportedHolidays() {
  KeptSchedules& k = Kept();
  UserStore store;
  auto const file = platform::GetFileIdentity(store.Path());
  auto const log = platform::GetFileIdentity(store.Path() + "-wal");
  if (k.looked && k.path == store.Path() && k.file == file && k.log == log) return false;
  bool const had = !k.years.empty();
  k = {true, store.Path(), file, log, {}};
  if (!file) return had;
  try {
    for (const auto& [year, days] : store.ImportedHolidays()) k.years.emplace(year, ToHolidayYear(days));
  } catch (const CppSQLite3Exception& error) {
    // Busy or unreadable: the built-in schedules answer meanwhile, and the next batch tries again.
    static std::set<std::string> reported;
    std::string const text = store.Path() + ": " + error.ErrorMessage();
    if (reported.insert(text).second) {
      std::cerr << "wannianli: user store " << text << " (imported holidays not shown)\n";
    }
    k.looked = false;
  }
  return true;
}

const HolidayYear* ImportedHolidayYear(int year) {
  AlmanacGeneration();  // the batch's first look-up looks at the store
  auto const it = Kept().years.find(year);
  return it != Kept().years.end() ? &it->second : nullptr;
}
