#include "ui/host/timer_schedule.h"

#include <algorithm>

namespace DuiLib::sdl {

std::uint64_t TimerSchedule::Start(std::uint32_t intervalMs, std::uint64_t nowMs) {
  std::uint32_t const interval = std::max<std::uint32_t>(1, intervalMs);
  std::uint64_t const serial = m_nextSerial++;
  m_timers.emplace(serial, Timer{interval, nowMs + interval});
  return serial;
}

void TimerSchedule::Stop(std::uint64_t serial) { m_timers.erase(serial); }

std::optional<std::uint64_t> TimerSchedule::MsUntilNext(std::uint64_t nowMs) const {
  std::optional<std::uint64_t> next;
  for (const auto& [serial, timer] : m_timers) {
    std::uint64_t const wait = timer.dueMs > nowMs ? timer.dueMs - nowMs : 0;
    if (!next || wait < *next) next = wait;
  }
  return next;
}

std::vector<std::uint64_t> TimerSchedule::TakeDue(std::uint64_t nowMs) {
  std::vector<std::pair<std::uint64_t, std::uint64_t>> due;  // deadline, serial
  for (auto& [serial, timer] : m_timers) {
    if (timer.dueMs > nowMs) continue;
    due.emplace_back(timer.dueMs, serial);
    // Keeps its pace (a clock's ticks stay where they fall in the second); ticks missed while the loop was
    // busy are not made up.
    timer.dueMs += timer.intervalMs;
    if (timer.dueMs <= nowMs) timer.dueMs = nowMs + timer.intervalMs;
  }
  std::sort(due.begin(), due.end());
  std::vector<std::uint64_t> serials;
  serials.reserve(due.size());
  for (const auto& [deadline, serial] : due) serials.push_back(serial);
  return serials;
}

}  // namespace DuiLib::sdl
