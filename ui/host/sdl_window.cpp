#include "ui/host/sdl_window.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "platform/code_page.h"
#include "ui/device_scale.h"

namespace DuiLib::sdl {

NativeWindow::NativeWindow(IHostClient* owner, const NativeWindowParams& params, SDL_Window* parent, double s)
    : client(owner), scale(s) {
  SetLogicalRect(params.outer);
  // Owned windows (dialogs, pickers) stay out of the task bar, as owned windows do on the desktop.
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | (parent != nullptr ? SDL_WINDOW_SKIP_TASKBAR : 0);
  std::string title = platform::WideToUtf8(params.title);
  m_window.reset(SDL_CreateWindow(title.c_str(), deviceRect.left, deviceRect.top, std::max(1, deviceRect.Width()),
                                  std::max(1, deviceRect.Height()), flags));
  if (!m_window) throw std::runtime_error(std::string("SDL cannot make a window: ") + SDL_GetError());
  m_id = SDL_GetWindowID(m_window.get());
  // The window manager keeps an owned window above its owner.
  if (parent != nullptr) SDL_SetWindowModalFor(m_window.get(), parent);
  // The framebuffer comes with the first paint: sizing the new window would only make SDL drop it again.
}

void NativeWindow::SetLogicalRect(const RECT& logical) {
  rect = logical;
  deviceRect = WindowToDevice(logical, scale);
}

void NativeWindow::SetDeviceRect(const RECT& device) {
  deviceRect = device;
  rect = WindowToLogical(device, scale);
}

POINT NativeWindow::ClientFromDevice(int x, int y) const { return ToLogicalPoint(POINT{x, y}, scale); }

POINT NativeWindow::ScreenFromDevice(int x, int y) const {
  POINT const client = ClientFromDevice(x - deviceRect.left, y - deviceRect.top);
  return POINT{rect.left + client.x, rect.top + client.y};
}

ICanvas* NativeWindow::BeginPaint() {
  m_paintOpen = false;
  // The frame is drawn on the CPU, so it is drawn straight into the window's framebuffer (no GL texture
  // behind it: SDL_HINT_FRAMEBUFFER_ACCELERATION), which SDL puts on the screen by X MIT-SHM.
  SDL_Surface* surface = SDL_GetWindowSurface(m_window.get());
  if (surface == nullptr) {
    if (!m_framebufferProblemSaid) {
      std::fprintf(stderr, "wannianli: SDL gives a window no framebuffer: %s\n", SDL_GetError());
    }
    m_framebufferProblemSaid = true;
    return nullptr;
  }
  // SDL frees the surface it has invalidated (a resize) when it makes the next, which may come at the same
  // address: the mark, which a new surface lacks, tells them apart.
  if (!m_frame || m_frame->Target() != surface || surface->userdata != this) {
    try {
      // Made before the old frame goes, so that the framework sees a new canvas and paints it whole.
      auto fresh = std::make_unique<SurfaceFrame>(surface, scale);
      m_frame = std::move(fresh);
    } catch (const std::exception& error) {
      if (!m_framebufferProblemSaid) std::fprintf(stderr, "wannianli: %s\n", error.what());
      m_framebufferProblemSaid = true;
      m_frame.reset();
      return nullptr;
    }
    surface->userdata = this;
  }
  m_paintOpen = true;
  return &m_frame->Canvas();
}

void NativeWindow::EndPaint(const std::vector<RECT>& painted) {
  // Only after a BeginPaint that gave a canvas: a frame whose surface SDL has dropped is never touched.
  if (!m_paintOpen) return;
  m_paintOpen = false;
  RECT const frame{0, 0, m_frame->Width(), m_frame->Height()};
  std::vector<SDL_Rect> parts;
  parts.reserve(painted.size());
  for (const RECT& part : painted) {
    RECT const d = IntersectRects(ToDeviceOutward(part, scale), frame);
    if (!d.IsEmpty()) parts.push_back(SDL_Rect{d.left, d.top, d.Width(), d.Height()});
  }
  m_frame->Finish(parts);
  // Only what was painted goes up (a clock tick: the clock's label); the window keeps the rest.
  if (!visible || parts.empty()) return;
  if (SDL_UpdateWindowSurfaceRects(m_window.get(), parts.data(), static_cast<int>(parts.size())) != 0) {
    SDL_Log("SDL cannot show a frame: %s", SDL_GetError());
  }
}

bool NativeWindow::Present() {
  // After a resize SDL refuses the surface it has dropped; the next paint takes the new one.
  return m_frame && SDL_UpdateWindowSurface(m_window.get()) == 0;
}

}  // namespace DuiLib::sdl
