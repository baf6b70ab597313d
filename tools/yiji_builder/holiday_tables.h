#pragma once
// festable<YEAR> and bantable<YEAR> from the dated holiday schedule. Each holiday gets one festable row per
// month it touches: on its main day when that lies in the month, else on its first rest day there; the row
// lists the holiday's rest days in that month as two-digit days.
#include <map>
#include <string>
#include <vector>

#include "tools/yiji_builder/almanac_sources.h"

struct FestRow {
  CivilDate date;
  std::string festival;  // UTF-8 (written as GBK)
  std::string picpath;
  std::string holidays;  // "18,19,20"
};

struct YearTables {
  std::vector<FestRow> festRows;        // in date order
  std::vector<CivilDate> workedDays;  // in date order
};

// One entry for every year any date of the schedule falls in. Throws BuildError on an unknown holiday,
// two rows of one table on the same date, or a row whose rest days are not two-digit days of its month.
std::map<int, YearTables> BuildHolidayTables(const std::vector<HolidayDate>& dates,
                                             const std::map<CivilDate, std::vector<std::string>>& lunarMainDays);

// Checks one festable row: every rest day two digits, a real day of the row's month.
void CheckFestRow(const FestRow& row);

// The festival picture of a holiday kind ("" when there is none).
std::string FestivalPicture(const std::string& holiday);
