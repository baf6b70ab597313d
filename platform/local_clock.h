#pragma once
// The local wall clock. Everything that asks "what time is it" asks here, so that tests, demos and
// `--today` can put a clock of their own in its place.
#include <functional>

namespace platform {

struct LocalDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The current local time (not UTC), from the installed clock source or the system clock.
LocalDateTime LocalNow();

// Installs a clock source; an empty function restores the system clock.
using ClockSource = std::function<LocalDateTime()>;
void SetClockSource(ClockSource source);

// The system clock with its date replaced by (year, month, day): today is fixed, the time runs.
ClockSource FixedDateClock(int year, int month, int day);

}  // namespace platform
