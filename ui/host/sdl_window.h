#pragma once
// One native window of the SDL host: a borderless SDL window, its renderer, the streaming texture that
// shows frames, and the cairo frame the framework paints into.
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "ui/host/host.h"
#include "ui/host/sdl_handles.h"
#include "ui/host/sdl_input.h"
#include "ui/render/cairo_canvas.h"

namespace DuiLib::sdl {

class NativeWindow {
 public:
  // Makes the window hidden at params.outer (logical pixels), `scale` times as large on the screen. Throws
  // std::runtime_error with SDL's message when it cannot.
  NativeWindow(IHostClient* client, const NativeWindowParams& params, SDL_Window* parent, double scale);

  SDL_Window* Sdl() const { return m_window.get(); }
  std::uint32_t Id() const { return m_id; }

  // A canvas of the window's size (the frame is remade when the size changed).
  ICanvas& BeginPaint();
  // Uploads the painted rectangles (logical) of the frame into the texture and shows it; a new texture
  // gets the whole frame.
  void EndPaint(const std::vector<RECT>& painted);
  // Shows the last frame again (after an expose); false when there is none yet.
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
  RendererPtr m_renderer;
  TexturePtr m_texture;
  int m_textureWidth = 0;
  int m_textureHeight = 0;
  std::unique_ptr<CairoFrame> m_frame;
  std::uint32_t m_id = 0;
};

}  // namespace DuiLib::sdl
