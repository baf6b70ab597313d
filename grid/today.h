#pragma once
// Today's local date as the grid compares it with cell dates (time part 0).
#include "almanac/date_time_record.h"
#include "platform/local_clock.h"

namespace grid {

inline DateTimeRecord Today() {
  auto const now = platform::LocalNow();
  return {now.year, now.month, now.day, 0, 0, 0};
}

}  // namespace grid
