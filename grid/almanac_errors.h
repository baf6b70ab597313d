#pragma once
// Database errors in the widget (a corrupt or unreadable yiji.db).
//
// The widget's look-ups fail soft: a look-up that throws says once on standard error what failed (the file
// and SQLite's message) and answers as without a database. A thrown error would leave the action that
// asked at that point: a month fill stops at its first look-up (day 1's selected image) and leaves the grid
// half filled, and a cell that throws while painting costs the whole frame.
//
// What still escapes a handler reaches the framework's dispatch, which reports it once and goes on. The
// store's CppSQLite3Exception is no std::exception, so the window's handlers pass it on as an AlmanacError
// naming the database file, for the report to say what failed.
#include <stdexcept>
#include <string>

#include "almanac/almanac_batch.h"
#include "almanac/cpp_sqlite3_exception.h"
#include "grid/almanac_lookups.h"

namespace grid {

class AlmanacError : public std::runtime_error {
 public:
  explicit AlmanacError(const CppSQLite3Exception& error);
};

// Runs `action` as one batch of almanac look-ups (almanac/almanac_batch.h): a notification or a selected day
// is one refresh, which looks at yiji.db once, at its first look-up, and reads it in one read transaction;
// one that asks nothing of the almanac (a clock tick) touches no file. A database error leaving `action`
// leaves as an AlmanacError.
template <typename F>
void NameAlmanacErrors(F&& action) {
  try {
    AlmanacBatch const batch;
    action();
  } catch (const CppSQLite3Exception& error) {
    throw AlmanacError(error);
  }
}

// Connects the store's festival-name look-ups to the lunar engine, failing soft as described above and
// remembered while the file stays the same (grid/almanac_memo.h).
void ConnectWidgetFestivalLookups();

// `inner` (the store's look-ups) failing soft as described above.
AlmanacLookups SoftAlmanacLookups(AlmanacLookups inner);
// The look-ups the widget's main window uses: the store's, failing soft, remembered.
AlmanacLookups WidgetAlmanacLookups();

}  // namespace grid
