#pragma once
// The frame an SDL window paints into: its window surface (SDL_GetWindowSurface, the memory SDL puts on the
// screen), painted where it lies when cairo can address that memory as it is (32-bit XRGB8888 or ARGB8888,
// the common X visual), so a frame costs no copy and no memory of its own. Any other format (a 16-bit
// display, an unusual visual) gets a private cairo frame whose painted parts are converted into the
// surface; slower, but right everywhere.
#include <SDL.h>

#include <memory>
#include <vector>

#include "ui/render/canvas.h"
#include "ui/render/cairo_canvas.h"

namespace DuiLib::sdl {

class SurfaceFrame {
 public:
  // Paints into `target` at `scale` (ui/device_scale.h). The frame borrows `target`: the surface must
  // outlive it; a window surface lives until SDL invalidates it (a resize), so the owner makes the frame
  // again then. Throws std::runtime_error when SDL cannot make the conversion's source.
  SurfaceFrame(SDL_Surface* target, double scale);
  ~SurfaceFrame();
  SurfaceFrame(const SurfaceFrame&) = delete;
  SurfaceFrame& operator=(const SurfaceFrame&) = delete;

  SDL_Surface* Target() const { return m_target; }  // compared only: it may have been freed since
  // True when the canvas paints into the target's own memory (no conversion).
  bool InPlace() const { return m_source == nullptr; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  ICanvas& Canvas() { return m_frame->Canvas(); }
  // After painting: the painted device rectangles are in the target's pixels (cairo flushed; a private
  // frame's rectangles converted into the target's format).
  void Finish(const std::vector<SDL_Rect>& painted);

 private:
  struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
  };

  SDL_Surface* m_target;
  int m_width;
  int m_height;
  std::unique_ptr<CairoFrame> m_frame;
  // The private frame's pixels as an SDL surface, the source of the conversion; null when painting in place.
  std::unique_ptr<SDL_Surface, SurfaceDeleter> m_source;
};

}  // namespace DuiLib::sdl
