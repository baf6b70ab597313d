#pragma once
// The SDL host's timers as deadlines that its event loop waits for (SDL_WaitEventTimeout until the next
// one), rather than ticks pushed from SDL's timer thread: an idle widget wakes once per tick of its clock
// and for nothing else (no second thread, no wake-up message through the X server). A timer keeps its pace
// (each deadline an interval after the last) and ticks at most once per turn of the loop: one that came due
// several times while the loop was busy ticks once, and its next deadline is an interval from then. Times
// are milliseconds of one monotonic clock, given by the caller.
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace DuiLib::sdl {

class TimerSchedule {
 public:
  // Starts a periodic timer of `intervalMs` (at least 1); returns its serial, never 0.
  std::uint64_t Start(std::uint32_t intervalMs, std::uint64_t nowMs);
  void Stop(std::uint64_t serial);
  std::size_t LiveCount() const { return m_timers.size(); }
  // How long the loop may wait before a timer is due (0: one is due now); nothing without timers.
  std::optional<std::uint64_t> MsUntilNext(std::uint64_t nowMs) const;
  // The serials due at `nowMs`, in the order of their deadlines; each is rescheduled.
  std::vector<std::uint64_t> TakeDue(std::uint64_t nowMs);

 private:
  struct Timer {
    std::uint32_t intervalMs;
    std::uint64_t dueMs;
  };
  std::map<std::uint64_t, Timer> m_timers;
  std::uint64_t m_nextSerial = 1;
};

}  // namespace DuiLib::sdl
