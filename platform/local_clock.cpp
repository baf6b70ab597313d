#include "platform/local_clock.h"

#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <ctime>
#endif

namespace platform {
namespace {

ClockSource& InstalledSource() {
  static ClockSource source;
  return source;
}

LocalDateTime SystemNow() {
#if defined(_WIN32)
  // The system's own time zone settings; the C library's localtime would read a TZ variable instead when
  // one is set, and misread the POSIX-style values it may hold.
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
#else
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
#endif
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
