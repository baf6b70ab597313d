#pragma once
// Owning handles for the SDL objects the SDL host keeps: each frees its object when it goes out of scope.
#include <SDL.h>

#include <memory>

namespace DuiLib::sdl {

void ExpectStaleWindowErrors(SDL_Window* window);  // ui/host/sdl_x11_errors.h

struct WindowDeleter {
  void operator()(SDL_Window* window) const {
    ExpectStaleWindowErrors(window);
    SDL_DestroyWindow(window);
  }
};

using WindowPtr = std::unique_ptr<SDL_Window, WindowDeleter>;

// The SDL library itself: initialised for video, events and timers while this object lives. SDL is
// process-wide state, so at most one lives at a time.
class Library {
 public:
  Library();  // throws std::runtime_error with SDL's message when video cannot start (no display)
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
};

}  // namespace DuiLib::sdl
