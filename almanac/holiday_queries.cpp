#include <string>

#include "almanac/almanac_batch.h"
#include "almanac/almanac_connection.h"
#include "almanac/almanac_file.h"
#include "almanac/almanac_keys.h"
#include "almanac/almanac_store.h"
#include "almanac/imported_holidays.h"

// Holiday schedules are published per year: festable<YEAR> and bantable<YEAR> exist for the years that
// have one (or the user imported one: almanac/imported_holidays.h), and any other year answers no without a statement on a table that is not there. A year's
// rows are read once and answered from memory.

namespace {

// The year's schedule, or null without a database. A schedule the user imported for the year comes first.
const HolidayYear* Holidays(const DateTimeRecord& date) {
  if (const HolidayYear* imported = ImportedHolidayYear(date.year)) return imported;
  AlmanacFile* file = UseAlmanac();
  return file != nullptr ? &file->Holidays(date.year) : nullptr;
}

}  // namespace

bool QueryFestivalDay(const DateTimeRecord& date, std::string& festival, std::string& picpath,
                      std::string& holidays) {
  AlmanacBatch batch;
  const HolidayYear* year = Holidays(date);
  if (year == nullptr || !year->hasFestable) return false;
  auto const row = year->rows.find(DateKey(date));
  if (row != year->rows.end()) {
    festival = row->second.festival;
    picpath = row->second.picpath;
    holidays = row->second.holidays;
  }
  return true;
}

bool QueryWorkedDay(const DateTimeRecord& date) {
  AlmanacBatch batch;
  const HolidayYear* year = Holidays(date);
  return year != nullptr && year->workedDays.count(DateKey(date)) != 0;
}

bool QueryRestDay(const DateTimeRecord& date) {
  AlmanacBatch batch;
  const HolidayYear* year = Holidays(date);
  return year != nullptr && year->restDays.count(DateKey(date)) != 0;
}
