#include "app/info_almanac.h"

#include <ostream>

#include "almanac/almanac_info.h"
#include "almanac/almanac_store.h"

namespace app {

AlmanacColumns InfoAlmanac::Columns(const InfoDate& date) {
  // A look once a month, enough to say from when the columns are empty; a stat a day would cost more than
  // the day's look-ups.
  const int month = date.year * 12 + date.month;
  if (month != lastMonth && lastMonth >= 0 && !gone && batch.NoticeFileGone()) {
    gone = true;
    err << "wannianli: almanac database " << GetAlmanacDbPath() << " is gone; the festival, yi/ji and holiday "
        << "columns are empty from " << date.year << "-" << (date.month < 10 ? "0" : "") << date.month << "-"
        << (date.day < 10 ? "0" : "") << date.day << " on\n";
  }
  lastMonth = month;
  auto const columns = AlmanacInfoColumns(date.year, date.month, date.day);
  return {{}, {}, columns.yi, columns.ji, columns.holiday};
}

int ReportInfoAlmanacError(const CppSQLite3Exception& error, std::ostream& err) {
  err << "wannianli: almanac database " << GetAlmanacDbPath() << ": " << error.ErrorMessage();
  if (error.IsBusy()) err << " (another program holds it locked; gave up after " << kCommandBusyWaitMs / 1000 << " s)";
  err << "\n";
  return 1;
}

}  // namespace app
