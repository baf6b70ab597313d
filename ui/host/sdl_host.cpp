#include "ui/host/sdl_host.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

#include "platform/code_page.h"
#include "ui/device_scale.h"
#include "ui/host/display_scale.h"
#include "ui/host/sdl_host_impl.h"
#include "ui/host/sdl_x11_resources.h"
#include "ui/render/png_pixels.h"

namespace DuiLib {

std::unique_ptr<IHost> CreateSdlHost(std::optional<double> scale) {
  try {
    return std::make_unique<sdl::SdlHost>(scale);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "wannianli: %s\n", error.what());
    return nullptr;
  }
}

namespace sdl {
namespace {


// SDL's own double-click limits, so a caption double click feels like one anywhere else.
std::uint32_t HintOr(const char* hint, std::uint32_t fallback) {
  const char* value = SDL_GetHint(hint);
  return value != nullptr && *value != '\0' ? static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10)) : fallback;
}

std::atomic<bool> slotTaken{false};

}  // namespace

double SdlHost::DesktopScale() {
  ScaleSources sources = ScaleSourcesFromEnvironment();
  sources.xftDpi = XftDpiFromResources(XResourceText());
  return ChooseDisplayScale(sources, std::cerr);
}

HostSlot::HostSlot() {
  if (slotTaken.exchange(true)) throw std::runtime_error("only one SDL host can live at a time");
}

HostSlot::~HostSlot() { slotTaken = false; }

SdlHost::SdlHost(std::optional<double> scale)
    : m_scale(scale ? ClampScale(*scale) : DesktopScale()),
      m_eventType(SDL_RegisterEvents(1)),
      m_captionClicks(HintOr(SDL_HINT_MOUSE_DOUBLE_CLICK_TIME, 500),
                      static_cast<int>(HintOr(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, 32))) {
  // SDL starts with text input on; here it waits for a text field to ask.
  SDL_StopTextInput();
}

SdlHost::~SdlHost() {
  if (CurrentHost() == this) InstallHost(nullptr);
  m_windows.clear();
  m_graveyard.clear();
}

NativeWindow* SdlHost::Find(HWND window) const {
  auto it = m_windows.find(reinterpret_cast<std::uintptr_t>(window));
  return it == m_windows.end() ? nullptr : it->second.get();
}

HWND SdlHost::HandleOf(std::uint32_t sdlId) const {
  for (auto& [handle, w] : m_windows) {
    if (w->Id() == sdlId) return reinterpret_cast<HWND>(handle);
  }
  return nullptr;
}

SDL_Window* SdlHost::SdlWindowOf(HWND window) const {
  NativeWindow* w = Find(window);
  return w != nullptr ? w->Sdl() : nullptr;
}

HWND SdlHost::CreateNativeWindow(IHostClient* client, const NativeWindowParams& params) {
  NativeWindow* parent = Find(params.parent);
  std::unique_ptr<NativeWindow> window;
  try {
    window = std::make_unique<NativeWindow>(client, params, parent != nullptr ? parent->Sdl() : nullptr, m_scale);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "wannianli: %s\n", error.what());
    return nullptr;
  }
  // Not every video driver has hit tests (the dummy one has none); the window then simply never drags.
  SDL_SetWindowHitTest(window->Sdl(), &SdlHost::HitTest, this);
  std::uintptr_t handle = m_nextHandle++;
  m_windows.emplace(handle, std::move(window));
  return reinterpret_cast<HWND>(handle);
}

void SdlHost::DestroyNativeWindow(HWND window) {
  auto it = m_windows.find(reinterpret_cast<std::uintptr_t>(window));
  if (it == m_windows.end()) return;
  NativeWindow& w = *it->second;
  for (auto& [id, serial] : w.timers) {
    m_timers.Stop(serial);
    m_timerOwners.erase(serial);
  }
  w.client = nullptr;
  SDL_HideWindow(w.Sdl());
  m_graveyard.push_back(std::move(it->second));
  m_windows.erase(it);
  std::erase_if(m_posted, [&](const auto& entry) { return entry.second.window == window; });
  if (m_capture == window) m_capture = nullptr;
  if (m_keyboard == window) {
    m_keyboard = nullptr;
    ApplyTextInput();
  }
}

void SdlHost::ShowNativeWindow(HWND window, bool show, bool activate) {
  NativeWindow* w = Find(window);
  if (w == nullptr) return;
  if (!show) {
    w->visible = false;
    SDL_HideWindow(w->Sdl());
    return;
  }
  // The first frame is laid out and painted while the window is still unmapped, and shown as it maps.
  if (!w->visible && w->client != nullptr && w->paintPending) {
    w->paintPending = false;
    Deliver(window, WM_PAINT, 0, 0);
    if ((w = Find(window)) == nullptr) return;
  }
  w->visible = true;
  SDL_ShowWindow(w->Sdl());
  if (activate) SDL_RaiseWindow(w->Sdl());
  if (!w->Present()) w->paintPending = true;  // a window with no frame yet has nothing on it
}

bool SdlHost::IsNativeWindowVisible(HWND window) {
  NativeWindow* w = Find(window);
  return w != nullptr && w->visible;
}

void SdlHost::SetWindowRect(HWND window, const RECT& outer) {
  NativeWindow* w = Find(window);
  if (w == nullptr) return;
  const RECT old = w->rect;
  w->SetLogicalRect(outer);
  const RECT& device = w->deviceRect;
  const bool moved = old.left != outer.left || old.top != outer.top;
  const bool sized = old.Width() != outer.Width() || old.Height() != outer.Height();
  if (sized) SDL_SetWindowSize(w->Sdl(), std::max(1, device.Width()), std::max(1, device.Height()));
  if (moved) SDL_SetWindowPosition(w->Sdl(), device.left, device.top);
  if (moved) Deliver(window, WM_MOVE, 0, MAKELPARAM(outer.left, outer.top));
  if (sized && Find(window) != nullptr) {
    Find(window)->paintPending = true;
    Deliver(window, WM_SIZE, 0, MAKELPARAM(outer.Width(), outer.Height()));
  }
}

RECT SdlHost::GetWindowRect(HWND window) {
  NativeWindow* w = Find(window);
  return w != nullptr ? w->rect : RECT{};
}

void SdlHost::RaiseWindow(HWND window) {
  NativeWindow* w = Find(window);
  if (w == nullptr) return;
  if ((SDL_GetWindowFlags(w->Sdl()) & SDL_WINDOW_MINIMIZED) != 0) SDL_RestoreWindow(w->Sdl());
  SDL_RaiseWindow(w->Sdl());  // on X11 also asks the window manager to activate it
}

RECT SdlHost::GetWorkArea(HWND window) {
  int display = 0;
  if (NativeWindow* w = Find(window)) display = std::max(0, SDL_GetWindowDisplayIndex(w->Sdl()));
  SDL_Rect area{};
  if (SDL_GetDisplayUsableBounds(display, &area) != 0 && SDL_GetDisplayBounds(display, &area) != 0) {
    return RECT{0, 0, 1024, 768};
  }
  return ToLogical(RECT{area.x, area.y, area.x + area.w, area.y + area.h}, m_scale);
}

std::vector<RECT> SdlHost::GetWorkAreas() {
  std::vector<RECT> areas;
  for (int display = 0; display < SDL_GetNumVideoDisplays(); ++display) {
    SDL_Rect area{};
    if (SDL_GetDisplayUsableBounds(display, &area) != 0 && SDL_GetDisplayBounds(display, &area) != 0) continue;
    areas.push_back(ToLogical(RECT{area.x, area.y, area.x + area.w, area.y + area.h}, m_scale));
  }
  return areas;
}

void SdlHost::SetWindowIcon(HWND window, const std::string& pngFile) {
  NativeWindow* w = Find(window);
  if (w == nullptr) return;
  auto pixels = LoadPngPixels(pngFile);
  if (!pixels) return;  // the image cache has said why
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(pixels->argb.data(), pixels->width, pixels->height, 32,
                                                         pixels->width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (icon == nullptr) return;
  SDL_SetWindowIcon(w->Sdl(), icon);  // SDL keeps its own copy
  SDL_FreeSurface(icon);
}

void SdlHost::SetMouseCapture(HWND window, bool capture) {
  if (capture) m_capture = Find(window) != nullptr ? window : nullptr;
  else if (m_capture == window) m_capture = nullptr;
}

void SdlHost::InvalidateWindow(HWND window) {
  if (NativeWindow* w = Find(window)) w->paintPending = true;
}

ICanvas* SdlHost::BeginPaint(HWND window) {
  NativeWindow* w = Find(window);
  return w != nullptr ? w->BeginPaint() : nullptr;
}

void SdlHost::EndPaint(HWND window, const std::vector<RECT>& painted) {
  if (NativeWindow* w = Find(window)) w->EndPaint(painted);
}

void SdlHost::SetTimer(HWND window, std::uintptr_t id, UINT elapseMs) {
  NativeWindow* w = Find(window);
  if (w == nullptr) return;
  KillTimer(window, id);
  std::uint64_t const serial = m_timers.Start(elapseMs, SDL_GetTicks64());
  w->timers[id] = serial;
  m_timerOwners[serial] = {window, id};
}

void SdlHost::KillTimer(HWND window, std::uintptr_t id) {
  NativeWindow* w = Find(window);
  if (w == nullptr) return;
  auto it = w->timers.find(id);
  if (it == w->timers.end()) return;
  m_timers.Stop(it->second);
  m_timerOwners.erase(it->second);
  w->timers.erase(it);
}

std::uint64_t SdlHost::TickCount() { return SDL_GetTicks64(); }

void SdlHost::PushUserEvent(Sint32 code, std::uint64_t serial) {
  SDL_Event event{};
  event.type = m_eventType;
  event.user.code = code;
  event.user.data1 = reinterpret_cast<void*>(static_cast<std::uintptr_t>(serial));
  if (SDL_PushEvent(&event) != 1) std::fprintf(stderr, "wannianli: SDL event queue refused a message: %s\n", SDL_GetError());
}

void SdlHost::PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Find(window) == nullptr) return;
  std::uint64_t serial = m_nextPost++;
  m_posted.emplace(serial, Posted{window, message, wParam, lParam});
  PushUserEvent(kPostedCode, serial);
}

void SdlHost::PostQuitMessage(int exitCode) {
  m_quit = true;
  m_exitCode = exitCode;
  PushUserEvent(kWakeCode, 0);
}

LRESULT SdlHost::Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  NativeWindow* w = Find(window);
  if (w == nullptr || w->client == nullptr) return 0;
  return w->client->HostDispatch(message, wParam, lParam);
}

void SdlHost::Deliver(HWND window, const std::optional<HostMessage>& message) {
  if (message) Deliver(window, message->message, message->wParam, message->lParam);
}

bool SdlHost::PaintOne() {
  for (auto& [handle, w] : m_windows) {
    if (!w->paintPending) continue;
    w->paintPending = false;
    Deliver(reinterpret_cast<HWND>(handle), WM_PAINT, 0, 0);
    return true;  // the window list may have changed
  }
  return false;
}

bool SdlHost::NextQueued(SDL_Event& event) {
  if (SDL_PollEvent(&event) == 1) return true;
  // SDL_PollEvent stops at the end of what was queued when its cycle began; events queued since (posted
  // by the handlers) still count before the queue is empty.
  return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE && SDL_PollEvent(&event) == 1;
}

bool SdlHost::TickDueTimers() {
  std::vector<std::uint64_t> const due = m_timers.TakeDue(SDL_GetTicks64());
  for (std::uint64_t serial : due) {
    // An earlier tick's handler may have stopped this timer or destroyed its window (either forgets its owner).
    auto it = m_timerOwners.find(serial);
    if (it != m_timerOwners.end()) Deliver(it->second.first, WM_TIMER, it->second.second, 0);
  }
  return !due.empty();
}

void SdlHost::WaitAndDispatch() {
  SDL_Event event;
  std::optional<std::uint64_t> wait = m_timers.MsUntilNext(SDL_GetTicks64());
  // Wakes to look at the button again (nothing is queued when it comes up).
  if (CaptionPressed()) wait = std::min<std::uint64_t>(wait.value_or(kCaptionPollMs), kCaptionPollMs);
  int const got = wait ? SDL_WaitEventTimeout(&event, static_cast<int>(std::min<std::uint64_t>(*wait, 60'000)))
                       : SDL_WaitEvent(&event);
  if (got == 1) {
    Dispatch(event);
  } else if (!wait) {
    // Not expected once SDL runs; waiting a little keeps a broken queue from spinning a core.
    std::fprintf(stderr, "wannianli: SDL cannot wait for events: %s\n", SDL_GetError());
    SDL_Delay(100);
  }
}

void SdlHost::RunLoop(const std::function<bool()>& done) {
  SDL_Event event;
  while (!done()) {
    m_graveyard.clear();
    EndCaptionPresses();
    if (NextQueued(event)) {
      Dispatch(event);
      continue;
    }
    // Timers, then painting, only when nothing else is queued, as a desktop message loop does.
    if (TickDueTimers() || PaintOne() || done()) continue;
    WaitAndDispatch();
  }
}

void SdlHost::RunUntilIdle() {
  SDL_Event event;
  while (true) {
    m_graveyard.clear();
    if (NextQueued(event)) {
      Dispatch(event);
    } else if (!TickDueTimers() && !PaintOne()) {
      return;
    }
  }
}

int SdlHost::RunMessageLoop() {
  RunLoop([this] { return m_quit; });
  m_quit = false;  // the quit message is consumed by the loop it ended
  return m_exitCode;
}

int SdlHost::RunModalLoop(HWND window) {
  const auto key = reinterpret_cast<std::uintptr_t>(window);
  // A quit request ends the modal loop too (answering Cancel) and stays set for the outer loop.
  RunLoop([&] { return m_quit || m_modalResults.contains(key) || Find(window) == nullptr; });
  auto it = m_modalResults.find(key);
  if (it == m_modalResults.end()) return IDCANCEL;
  int result = it->second;
  m_modalResults.erase(it);
  return result;
}

void SdlHost::EndModalLoop(HWND window, int result) { m_modalResults[reinterpret_cast<std::uintptr_t>(window)] = result; }

void SdlHost::StartTextInput(HWND window, const RECT& caret) {
  NativeWindow* w = Find(window);
  if (w == nullptr) return;
  w->textInput = true;
  w->caret = caret;
  if (window == m_keyboard) ApplyTextInput();
}

void SdlHost::StopTextInput(HWND window) {
  NativeWindow* w = Find(window);
  if (w == nullptr || !w->textInput) return;
  w->textInput = false;
  w->composition.Reset();
  if (window == m_keyboard) ApplyTextInput();
}

void SdlHost::ApplyTextInput() {
  NativeWindow* w = Find(m_keyboard);
  if (w == nullptr || !w->textInput) {
    if (SDL_IsTextInputActive() == SDL_TRUE) SDL_StopTextInput();  // also resets the input method
    return;
  }
  // Starting again would reset the input method and lose a composition in progress.
  if (SDL_IsTextInputActive() != SDL_TRUE) SDL_StartTextInput();
  // SDL's window coordinates are the device pixels the window was created at.
  RECT const caret = ToDeviceOutward(w->caret, m_scale);
  SDL_Rect rect{caret.left, caret.top, std::max(1, caret.Width()), std::max(1, caret.Height())};
  SDL_SetTextInputRect(&rect);
}

std::wstring SdlHost::GetCompositionString(HWND window, DWORD kind) {
  NativeWindow* w = Find(window);
  if (w == nullptr) return {};
  if (kind == GCS_COMPSTR) return w->composition.Composition();
  return kind == GCS_RESULTSTR ? w->composition.Result() : std::wstring();
}

int SdlHost::GetCompositionCursor(HWND window) {
  NativeWindow* w = Find(window);
  return w != nullptr ? w->composition.Cursor() : 0;
}

std::wstring SdlHost::GetClipboardText() {
  if (SDL_HasClipboardText() != SDL_TRUE) return {};
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return {};
  std::wstring wide = platform::Utf8ToWide(text);
  SDL_free(text);
  return wide;
}

bool SdlHost::SetClipboardText(std::wstring_view text) {
  if (SDL_SetClipboardText(platform::WideToUtf8(text).c_str()) == 0) return true;
  std::fprintf(stderr, "wannianli: the clipboard refused the text: %s\n", SDL_GetError());
  return false;
}

ICanvas* SdlHost::MeasuringCanvas(HWND) {
  if (!m_measuring) m_measuring = std::make_unique<CairoFrame>(1, 1, m_scale);
  return &m_measuring->Canvas();
}

}  // namespace sdl
}  // namespace DuiLib
