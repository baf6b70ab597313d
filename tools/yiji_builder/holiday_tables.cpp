#include "tools/yiji_builder/holiday_tables.h"

#include <algorithm>
#include <set>

#include "tools/yiji_builder/build_error.h"
#include "tools/yiji_builder/source_lines.h"

namespace {

struct HolidayKind {
  const char* name;
  const char* picture;
  int month;  // fixed main day; 0 when it comes from the lunar calendar or the solar terms
  int day;
};

constexpr HolidayKind kHolidayKinds[] = {
    {"元旦", "fest_yuandan.png", 1, 1},      {"春节", "fest_chunjie.png", 0, 0},
    {"清明节", "fest_qingming.png", 0, 0},   {"劳动节", "fest_laodong.png", 5, 1},
    {"端午节", "fest_duanwu.png", 0, 0},     {"中秋节", "fest_zhongqiu.png", 0, 0},
    {"国庆节", "fest_guoqing.png", 10, 1},   {"抗战胜利纪念日", "fest_kangzhan.png", 9, 3},
};

const HolidayKind* FindKind(const std::string& name) {
  for (const HolidayKind& kind : kHolidayKinds) {
    if (name == kind.name) return &kind;
  }
  return nullptr;
}

// Two holidays of one name are months apart; rest days of one holiday lie within a few days.
constexpr int kMaxGapInsideHoliday = 14;

struct Holiday {
  std::string name;               // as in the schedule, possibly "中秋节、国庆节"
  std::vector<std::string> parts;  // the kinds it combines
  std::vector<CivilDate> restDays;
};

bool IsMainDay(const HolidayKind& kind, CivilDate date,
               const std::map<CivilDate, std::vector<std::string>>& lunarMainDays) {
  if (kind.month != 0) return date.month == kind.month && date.day == kind.day;
  auto found = lunarMainDays.find(date);
  return found != lunarMainDays.end() &&
         std::find(found->second.begin(), found->second.end(), kind.name) != found->second.end();
}

std::vector<std::string> SplitParts(const std::string& name) {
  static const std::string kSeparator = "、";
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = name.find(kSeparator, start)) != std::string::npos; start = end + kSeparator.size()) {
    parts.push_back(name.substr(start, end - start));
  }
  parts.push_back(name.substr(start));
  return parts;
}

std::string TwoDigitDay(int day) { return (day < 10 ? "0" : "") + std::to_string(day); }

std::vector<Holiday> GroupHolidays(const std::vector<HolidayDate>& dates) {
  std::vector<HolidayDate> rest;
  for (const HolidayDate& date : dates) {
    if (date.rest) rest.push_back(date);
  }
  std::sort(rest.begin(), rest.end(), [](const HolidayDate& a, const HolidayDate& b) { return a.date < b.date; });
  std::vector<Holiday> holidays;
  std::map<std::string, std::size_t> latest;  // name -> index of its latest holiday
  for (const HolidayDate& date : rest) {
    auto found = latest.find(date.name);
    if (found != latest.end() &&
        DaysFromCivil(date.date) - DaysFromCivil(holidays[found->second].restDays.back()) <= kMaxGapInsideHoliday) {
      holidays[found->second].restDays.push_back(date.date);
      continue;
    }
    Holiday holiday{date.name, SplitParts(date.name), {date.date}};
    for (const std::string& part : holiday.parts) {
      if (FindKind(part) == nullptr) {
        throw BuildError("holidays line " + std::to_string(date.line) + ": unknown holiday \"" + part +
                         "\" (no main day or picture is known for it)");
      }
    }
    latest[date.name] = holidays.size();
    holidays.push_back(std::move(holiday));
  }
  return holidays;
}

// The rows of one holiday, one per month of its rest days.
std::vector<FestRow> RowsOf(const Holiday& holiday,
                            const std::map<CivilDate, std::vector<std::string>>& lunarMainDays) {
  std::vector<FestRow> rows;
  for (std::size_t first = 0; first < holiday.restDays.size();) {
    const CivilDate start = holiday.restDays[first];
    std::size_t end = first;
    while (end < holiday.restDays.size() && holiday.restDays[end].year == start.year &&
           holiday.restDays[end].month == start.month) {
      ++end;
    }
    FestRow row{start, "", "", ""};
    std::set<std::string> centred;  // parts whose main day lies in this month
    bool onMainDay = false;
    for (std::size_t i = first; i < end; ++i) {
      const CivilDate day = holiday.restDays[i];
      row.holidays += (i == first ? "" : ",") + TwoDigitDay(day.day);
      // A combined holiday names the parts whose main days fall in this month; the row stands on the
      // earliest main day and shows the picture of the last part centred on it (10-01 is 国庆节's).
      for (const std::string& part : holiday.parts) {
        const HolidayKind& kind = *FindKind(part);
        if (!IsMainDay(kind, day, lunarMainDays)) continue;
        centred.insert(part);
        if (!onMainDay || row.date == day) {
          row.date = day;
          row.picpath = kind.picture;
        }
        onMainDay = true;
      }
    }
    for (const std::string& part : holiday.parts) {
      if (centred.count(part) != 0) row.festival += (row.festival.empty() ? "" : "、") + part;
    }
    if (!onMainDay) row.festival = holiday.name;
    if (!onMainDay) row.picpath = FindKind(holiday.parts.front())->picture;
    rows.push_back(std::move(row));
    first = end;
  }
  return rows;
}

}  // namespace

std::string FestivalPicture(const std::string& holiday) {
  const HolidayKind* kind = FindKind(holiday);
  return kind != nullptr ? kind->picture : "";
}

void CheckFestRow(const FestRow& row) {
  const std::string where = "festable" + std::to_string(row.date.year) + " row " + DateKeyOf(row.date) + ": ";
  if (row.holidays.empty()) return;
  for (const std::string& piece : SplitFields(row.holidays, ',')) {
    CivilDate day{row.date.year, row.date.month, 0};
    if (piece.size() != 2 || piece[0] < '0' || piece[0] > '9' || piece[1] < '0' || piece[1] > '9') {
      throw BuildError(where + "rest day \"" + piece + "\" is not two digits");
    }
    day.day = (piece[0] - '0') * 10 + (piece[1] - '0');
    if (!IsValidDate(day)) throw BuildError(where + "rest day \"" + piece + "\" is not a day of the row's month");
  }
}

std::map<int, YearTables> BuildHolidayTables(const std::vector<HolidayDate>& dates,
                                             const std::map<CivilDate, std::vector<std::string>>& lunarMainDays) {
  std::map<int, YearTables> tables;
  for (const HolidayDate& date : dates) {
    YearTables& year = tables[date.date.year];
    if (date.rest) continue;
    int weekday = Weekday(date.date);
    if (weekday != 0 && weekday != 6) {
      throw BuildError("worked day " + DateKeyOf(date.date) + " is not a Saturday or Sunday");
    }
    year.workedDays.push_back(date.date);
  }
  for (const Holiday& holiday : GroupHolidays(dates)) {
    for (FestRow& row : RowsOf(holiday, lunarMainDays)) {
      CheckFestRow(row);
      tables[row.date.year].festRows.push_back(std::move(row));
    }
  }
  for (auto& [year, table] : tables) {
    std::sort(table.festRows.begin(), table.festRows.end(),
              [](const FestRow& a, const FestRow& b) { return a.date < b.date; });
    std::sort(table.workedDays.begin(), table.workedDays.end());
    for (std::size_t i = 1; i < table.festRows.size(); ++i) {
      if (table.festRows[i].date == table.festRows[i - 1].date) {
        throw BuildError("festable" + std::to_string(year) + ": two rows on " + DateKeyOf(table.festRows[i].date) +
                         " (" + table.festRows[i - 1].festival + ", " + table.festRows[i].festival + ")");
      }
    }
    for (std::size_t i = 1; i < table.workedDays.size(); ++i) {
      if (table.workedDays[i] == table.workedDays[i - 1]) {
        throw BuildError("bantable" + std::to_string(year) + ": two rows on " + DateKeyOf(table.workedDays[i]));
      }
    }
  }
  return tables;
}
