#pragma once
// One native window of the SDL host: a borderless SDL window and the frame the framework paints into, which
// is the window's own framebuffer (SurfaceFrame over SDL_GetWindowSurface).
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "ui/host/host.h"
#include "ui/host/sdl_handles.h"
#include "ui/host/sdl_input.h"
#include "ui/host/sdl_surface_frame.h"

namespace DuiLib::sdl {

class NativeWindow {
 public:
  // Makes the window hidden at params.outer (logical pixels), `scale` times as large on the screen. Throws
  // std::runtime_error with SDL's message when it cannot.
  NativeWindow(IHostClient* client, const NativeWindowParams& params, SDL_Window* parent, double scale);

  SDL_Window* Sdl() const { return m_window.get(); }
  std::uint32_t Id() const { return m_id; }

  // The canvas of the window's framebuffer. A new frame (painted whole) once SDL has made a new surface (after
  // a resize); null, said once on standard error, when SDL gives the window no framebuffer.
  ICanvas* BeginPaint();
  // Shows the painted rectangles (logical) of the frame. Not while the window is hidden: X keeps nothing
  // drawn on an unmapped window, and showing it presents the whole frame.
  void EndPaint(const std::vector<RECT>& painted);
  // Shows the whole frame again (after a show or an expose); false when there is nothing to show (no frame
  // yet, or SDL has dropped the surface since): the window needs a paint then.
  bool Present();

  // Places and sizes: `rect` in logical pixels, as the framework sees it; `deviceRect` as SDL and the
  // window manager see it. Each is set from the other (ui/device_scale.h), so neither drifts.
  void SetLogicalRect(const RECT& logical);
  void SetDeviceRect(const RECT& device);
  // A point in the window's device pixels as a logical client point, and as a logical screen point.
  POINT ClientFromDevice(int x, int y) const;
  POINT ScreenFromDevice(int x, int y) const;

  IHostClient* client;  // null once the window is destroyed
  double const scale;
  RECT rect;            // screen rectangle as last known (logical)
  RECT deviceRect;      // the same on the screen
  bool visible = false;
  bool paintPending = false;
  POINT lastPointer;                          // screen point of the last pointer event over the window
  POINT lastCaptionPoint;                     // screen point of the last caption hit
  bool captionPressed = false;                // a caption press handed to the window manager, button not yet up
  bool textInput = false;                     // a text field of the window asked for text input
  RECT caret;                                 // where its caret is (client pixels)
  CompositionTracker composition;
  std::map<std::uintptr_t, std::uint64_t> timers;  // framework timer id -> bridge serial

 private:
  WindowPtr m_window;
  std::unique_ptr<SurfaceFrame> m_frame;  // after m_window: goes before the surface it borrows
  bool m_framebufferProblemSaid = false;
  bool m_paintOpen = false;  // BeginPaint gave a canvas that EndPaint has not finished yet
  std::uint32_t m_id = 0;
};

}  // namespace DuiLib::sdl
