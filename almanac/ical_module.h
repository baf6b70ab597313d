#pragma once
// The three iCalendar operations of ical_calendar.h as one table. libical links ICU, and mapping and
// relocating those libraries costs every start of the widget about 2 MB and 2 ms for nothing: on Linux the
// operations live in a module of their own (wannianli-ical.so, the only part that links libical), loaded
// when an iCalendar command first asks for them. The Windows build links them in.
#include <string>
#include <string_view>
#include <vector>

#include "almanac/ical_calendar.h"

struct IcalOperations {
  // The version of the program the module was built with. The types below cross the module's boundary by
  // their layout, so a module of another version is refused before anything of it runs.
  const char* version;
  CalendarFile (*readCalendarFile)(const std::string& path);
  CalendarFile (*readCalendarText)(std::string_view bytes, const std::string& name);
  std::string (*writeNotesCalendar)(const std::vector<UserNote>& notes);
};

// The module's one exported entry (the name the loader looks up).
inline constexpr char kIcalModuleEntry[] = "wannianli_ical_operations";
extern "C" const IcalOperations* wannianli_ical_operations();

// The operations. On Linux the first call loads the module: beside the executable (a build tree, a portable
// copy), else in the private library folder the install puts it in, relative to the executable's folder
// (../lib/<multiarch>/wannianli: the top CMakeLists.txt). The module then stays loaded. nullptr when it
// cannot be loaded, with `error` saying what was tried and why each failed, on one line.
const IcalOperations* IcalCalendar(std::string& error);
