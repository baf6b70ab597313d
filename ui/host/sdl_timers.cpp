#include "ui/host/sdl_timers.h"

#include <algorithm>
#include <mutex>
#include <set>

namespace DuiLib::sdl {
namespace {

// Shared with SDL's timer thread. It is process-wide (SDL is) and outlives every callback: SDL_Quit joins
// the timer thread long before statics are destroyed.
struct TickState {
  std::mutex mutex;
  std::set<std::uint64_t> queued;  // serials with a tick in the event queue
  std::uint32_t eventType = 0;
  std::uint64_t nextSerial = 1;
};

TickState& State() {
  static TickState state;
  return state;
}

Uint32 OnTimer(Uint32 interval, void* param) {
  // The parameter is the serial itself, never a pointer to memory the UI thread may free.
  const auto serial = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(param));
  TickState& state = State();
  std::uint32_t type = 0;
  {
    std::lock_guard lock(state.mutex);
    if (!state.queued.insert(serial).second) return interval;
    type = state.eventType;
  }
  SDL_Event event{};
  event.type = type;
  event.user.code = TimerBridge::kTickCode;
  event.user.data1 = param;
  if (SDL_PushEvent(&event) != 1) {
    std::lock_guard lock(State().mutex);
    state.queued.erase(serial);
  }
  return interval;
}

}  // namespace

TimerBridge::TimerBridge(std::uint32_t eventType) {
  std::lock_guard lock(State().mutex);
  State().eventType = eventType;
}

TimerBridge::~TimerBridge() {
  for (auto& [serial, id] : m_live) SDL_RemoveTimer(id);
}

std::uint64_t TimerBridge::Start(std::uint32_t intervalMs) {
  std::uint64_t serial = 0;
  {
    std::lock_guard lock(State().mutex);
    serial = State().nextSerial++;
  }
  SDL_TimerID id = SDL_AddTimer(std::max<std::uint32_t>(1, intervalMs), OnTimer,
                                reinterpret_cast<void*>(static_cast<std::uintptr_t>(serial)));
  if (id == 0) return 0;
  m_live.emplace(serial, id);
  return serial;
}

void TimerBridge::Stop(std::uint64_t serial) {
  auto it = m_live.find(serial);
  if (it == m_live.end()) return;
  SDL_RemoveTimer(it->second);
  m_live.erase(it);
}

std::uint64_t TimerBridge::Accept(const SDL_UserEvent& event) {
  const auto serial = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(event.data1));
  {
    std::lock_guard lock(State().mutex);
    State().queued.erase(serial);
  }
  return m_live.contains(serial) ? serial : 0;
}

}  // namespace DuiLib::sdl
