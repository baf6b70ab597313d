#include "platform/local_clock.h"

#include <ctime>
#include <utility>

namespace platform {
namespace {

ClockSource& InstalledSource() {
  static ClockSource source;
  return source;
}

LocalDateTime SystemNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace

LocalDateTime LocalNow() {
  const ClockSource& source = InstalledSource();
  return source ? source() : SystemNow();
}

void SetClockSource(ClockSource source) { InstalledSource() = std::move(source); }

ClockSource FixedDateClock(int year, int month, int day) {
  return [year, month, day] {
    LocalDateTime now = SystemNow();
    now.year = year;
    now.month = month;
    now.day = day;
    return now;
  };
}

}  // namespace platform
