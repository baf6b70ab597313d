#pragma once
// The command-line options that read or change the user's store (almanac/user_store.h):
//   wannianli --export-notes FILE.ics      every note as an all-day event, written atomically
//   wannianli --import-notes FILE.ics      all-day events become notes on their days, merged by UID
//   wannianli --import-holidays FILE.ics   events whose summary ends in (休) or (班): each year in the file
//                                          replaces that year's schedule
//   wannianli --forget-holidays YEAR       back to the built-in schedule of YEAR
// Each prints one summary line on `out` and returns 0. A bad file gets one line naming file and line on
// `err`, status 2, and nothing changes; a store that cannot be written, or an iCalendar module that cannot
// be loaded (almanac/ical_module.h), status 1.
#include <iosfwd>
#include <span>
#include <string_view>

namespace app {

bool IsUserDataCommand(std::string_view option);

// `arguments` starts with the option.
int RunUserDataCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

}  // namespace app
