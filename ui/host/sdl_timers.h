#pragma once
// Timers on SDL's timer thread. Each tick is pushed as an SDL user event (SDL_PushEvent is the one thing
// done on the timer thread) and dispatched on the UI thread. A timer that is still waiting for its last
// tick to be dispatched does not push another one, so a busy window gets one tick, not a pile of them.
// Ticks of a stopped timer that are already queued are dropped: every start gets a new serial number and
// only live serials are accepted.
#include <SDL.h>

#include <cstdint>
#include <map>

namespace DuiLib::sdl {

class TimerBridge {
 public:
  // `eventType` is the registered user event that carries ticks (user.code kTickCode, data1 the serial).
  explicit TimerBridge(std::uint32_t eventType);
  ~TimerBridge();
  TimerBridge(const TimerBridge&) = delete;
  TimerBridge& operator=(const TimerBridge&) = delete;

  static constexpr Sint32 kTickCode = 1;

  // Starts a periodic timer; returns its serial (0 when SDL refuses).
  std::uint64_t Start(std::uint32_t intervalMs);
  void Stop(std::uint64_t serial);
  // On the UI thread, for a tick event: the serial of a live timer, or 0 for a stale tick.
  std::uint64_t Accept(const SDL_UserEvent& event);
  std::size_t LiveCount() const { return m_live.size(); }

 private:
  std::map<std::uint64_t, SDL_TimerID> m_live;
};

}  // namespace DuiLib::sdl
