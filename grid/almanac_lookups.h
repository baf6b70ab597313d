#pragma once
// The almanac questions the grid asks, as replaceable functions: the window plugs in the real store
// (StoreLookups), tests plug in recorders. A default-constructed AlmanacLookups is "no almanac": every
// text look-up leaves its outputs empty and every predicate answers no, as the store does without yiji.db.
//
// Signatures and encodings are the store's: outputs are handed on as stored, GBK throughout here. A
// look-up may throw the store's exception; the grid lets it pass.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "almanac/date_time_record.h"

namespace grid {

// How the almanac answered, for the widget to say why it shows no words.
enum class AlmanacAnswer {
  Answered,    // yiji.db answered (possibly with nothing for that day)
  NoAlmanac,   // there is no yiji.db
  Unreadable,  // yiji.db cannot be read (corrupt, empty, not a database)
  Busy,        // another program holds yiji.db locked
};

struct AlmanacLookups {
  // Appends the date's "yi" (yi = true) or "ji" activity words to `out`.
  std::function<bool(std::string& out, bool yi, DateTimeRecord date)> queryYiJi =
      [](std::string&, bool, DateTimeRecord) { return false; };
  // Appends every "yi" or "ji" word of the date to `out`, in stored order.
  std::function<AlmanacAnswer(std::vector<std::string>& out, bool yi, DateTimeRecord date)> queryYiJiWords =
      [](std::vector<std::string>&, bool, DateTimeRecord) { return AlmanacAnswer::NoAlmanac; };
  // Sets `out` to the month-and-day festival tooltip.
  std::function<bool(const DateTimeRecord& date, std::string& out)> queryFestival =
      [](const DateTimeRecord&, std::string&) { return false; };
  // Copies the date's holiday row: name, picture file, rest days ("01,02,..." days of the date's month).
  std::function<bool(const DateTimeRecord& date, std::string& festival, std::string& picpath,
                     std::string& holidays)>
      queryFestivalDay = [](const DateTimeRecord&, std::string&, std::string&, std::string&) { return false; };
  std::function<bool(const DateTimeRecord& date)> queryWorkedDay = [](const DateTimeRecord&) { return false; };
  std::function<bool(const DateTimeRecord& date)> queryRestDay = [](const DateTimeRecord&) { return false; };
  // The first line (UTF-8) of the user's note on the date, or nothing (the user's store, not yiji.db).
  std::function<std::optional<std::string>(const DateTimeRecord& date)> queryNote = [](const DateTimeRecord&) {
    return std::optional<std::string>();
  };
};

}  // namespace grid
