#include "ui/host/sdl_window.h"

#include <algorithm>
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
  // The frame is drawn on the CPU already and shown with one full blit: the software renderer over the
  // window's own framebuffer is all it needs, and it follows resizes on every X server (the GL path on a
  // server without direct rendering, Xvfb or a remote display, keeps drawing at the first size).
  m_renderer.reset(SDL_CreateRenderer(m_window.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!m_renderer) throw std::runtime_error(std::string("SDL cannot draw into a window: ") + SDL_GetError());
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

ICanvas& NativeWindow::BeginPaint() {
  int width = std::max(1, deviceRect.Width());
  int height = std::max(1, deviceRect.Height());
  if (!m_frame || m_frame->Width() != width || m_frame->Height() != height) {
    m_frame = std::make_unique<CairoFrame>(width, height, scale);
  }
  return m_frame->Canvas();
}

void NativeWindow::EndPaint(const std::vector<RECT>& painted) {
  if (!m_frame) return;
  m_frame->Flush();
  bool whole = false;
  if (!m_texture || m_textureWidth != m_frame->Width() || m_textureHeight != m_frame->Height()) {
    whole = true;
    // cairo's ARGB32 words are SDL's ARGB8888: the frame goes up as it is.
    m_texture.reset(SDL_CreateTexture(m_renderer.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                      m_frame->Width(), m_frame->Height()));
    if (!m_texture) {
      SDL_Log("SDL cannot make a texture: %s", SDL_GetError());
      return;
    }
    // The window is opaque: the frame's alpha must not blend with whatever the renderer cleared to.
    SDL_SetTextureBlendMode(m_texture.get(), SDL_BLENDMODE_NONE);
    m_textureWidth = m_frame->Width();
    m_textureHeight = m_frame->Height();
  }
  if (whole) {
    SDL_UpdateTexture(m_texture.get(), nullptr, m_frame->Data(), m_frame->Stride());
    Present();
    return;
  }
  // Only what was painted goes up (a clock tick: the clock's label), into the texture and from there into
  // the software renderer's back buffer, the window's own framebuffer, which keeps the rest of the last
  // frame (an expose or a show copies the whole texture again: Present).
  RECT const frame{0, 0, m_frame->Width(), m_frame->Height()};
  for (const RECT& part : painted) {
    RECT const d = IntersectRects(ToDeviceOutward(part, scale), frame);
    if (d.IsEmpty()) continue;
    SDL_Rect const area{d.left, d.top, d.Width(), d.Height()};
    const std::uint8_t* first = m_frame->Data() + static_cast<std::ptrdiff_t>(d.top) * m_frame->Stride() +
                                 static_cast<std::ptrdiff_t>(d.left) * 4;
    SDL_UpdateTexture(m_texture.get(), &area, first, m_frame->Stride());
    SDL_RenderCopy(m_renderer.get(), m_texture.get(), &area, &area);
  }
  SDL_RenderPresent(m_renderer.get());
}

bool NativeWindow::Present() {
  if (!m_texture) return false;
  SDL_RenderCopy(m_renderer.get(), m_texture.get(), nullptr, nullptr);
  SDL_RenderPresent(m_renderer.get());
  return true;
}

}  // namespace DuiLib::sdl
