#pragma once
// The almanac's columns of `wannianli --info`, read from yiji.db for a whole range as one batch: the file
// is looked at once and read in one read transaction, a file that another program holds locked is waited
// for about 5 s in all, and a file that disappears in the middle of the range is said once, with the date
// from which the almanac columns are empty.
#include <iosfwd>

#include "almanac/almanac_batch.h"
#include "almanac/cpp_sqlite3_exception.h"
#include "app/info_command.h"

namespace app {

class InfoAlmanac {
 public:
  explicit InfoAlmanac(std::ostream& err) : err(err) {}

  // The provider of RunInfoCommand. Throws CppSQLite3Exception when yiji.db is busy or broken.
  AlmanacColumns Columns(const InfoDate& date);

 private:
  AlmanacBatch batch{kCommandBusyWaitMs};
  std::ostream& err;
  int lastMonth = -1;  // year * 12 + month of the last date asked
  bool gone = false;
};

// The one error line of an `--info` run that a database error ended; returns its exit status (1).
int ReportInfoAlmanacError(const CppSQLite3Exception& error, std::ostream& err);

}  // namespace app
