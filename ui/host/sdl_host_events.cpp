// The SDL host's event dispatch: which window a native event is for, and what it becomes there.
#include "ui/host/sdl_host_impl.h"
#include "ui/host/sdl_x11_move.h"

namespace DuiLib::sdl {

bool SdlHost::PointerAt(std::uint32_t sdlId, int x, int y, PointerTarget& target) {
  HWND from = HandleOf(sdlId);
  NativeWindow* w = Find(from);
  POINT device;  // on the screen
  if (w != nullptr) {
    device = POINT{w->deviceRect.left + x, w->deviceRect.top + y};
  } else if (m_capture != nullptr) {
    SDL_GetGlobalMouseState(&device.x, &device.y);  // reported for no window of ours: outside them all
  } else {
    return false;
  }
  // While a window holds the capture, pointer events go to it wherever the pointer is.
  target.window = m_capture != nullptr && Find(m_capture) != nullptr ? m_capture : from;
  NativeWindow* t = Find(target.window);
  if (t == nullptr) return false;
  t->lastPointer = t->ScreenFromDevice(device.x, device.y);
  target.client = POINT{t->lastPointer.x - t->rect.left, t->lastPointer.y - t->rect.top};
  return true;
}

void SdlHost::Dispatch(const SDL_Event& event) {
  PointerTarget target{};
  // A key event carries the modifiers held when it happened; for the others SDL's state is as near.
  bool const key = event.type == SDL_KEYDOWN || event.type == SDL_KEYUP;
  m_modifiers = ModifiersFromSdl(key ? event.key.keysym.mod : static_cast<Uint16>(SDL_GetModState()));
  switch (event.type) {
    case SDL_MOUSEMOTION:
      if (PointerAt(event.motion.windowID, event.motion.x, event.motion.y, target)) {
        Deliver(target.window, WM_MOUSEMOVE, 0, MAKELPARAM(target.client.x, target.client.y));
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (PointerAt(event.button.windowID, event.button.x, event.button.y, target)) {
        Deliver(target.window, TranslateMouseButton(event.button, target.client));
      }
      break;
    case SDL_MOUSEWHEEL: {
      HWND window = m_capture != nullptr && Find(m_capture) != nullptr ? m_capture : HandleOf(event.wheel.windowID);
      if (NativeWindow* w = Find(window)) Deliver(window, TranslateWheel(event.wheel, w->lastPointer));
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      Deliver(HandleOf(event.key.windowID), TranslateKey(event.key));
      break;
    case SDL_TEXTINPUT:
    case SDL_TEXTEDITING:
    case SDL_TEXTEDITING_EXT:
      DispatchTextEvent(event);
      break;
    case SDL_WINDOWEVENT:
      DispatchWindowEvent(event.window);
      break;
    case SDL_QUIT:
      // A termination signal (closing the last window does not quit: the program decides that).
      PostQuitMessage(0);
      break;
    default:
      if (event.type == m_eventType) DispatchUserEvent(event.user);
      break;
  }
}

void SdlHost::DispatchTextEvent(const SDL_Event& event) {
  // SDL hands the long composition's text over to us.
  char* const extended = event.type == SDL_TEXTEDITING_EXT ? event.editExt.text : nullptr;
  std::uint32_t const id = event.type == SDL_TEXTINPUT     ? event.text.windowID
                           : event.type == SDL_TEXTEDITING ? event.edit.windowID
                                                           : event.editExt.windowID;
  HWND const window = HandleOf(id);
  NativeWindow* w = Find(window);
  // Only a window whose text field asked gets text (SDL's text input may still be on for another one).
  if (w != nullptr && w->textInput) {
    if (event.type == SDL_TEXTINPUT) DeliverAll(window, w->composition.Text(event.text.text));
    else if (event.type == SDL_TEXTEDITING) DeliverAll(window, w->composition.Edit(event.edit.text, event.edit.start));
    else DeliverAll(window, w->composition.Edit(extended != nullptr ? extended : "", event.editExt.start));
  }
  SDL_free(extended);
}

void SdlHost::DeliverAll(HWND window, const std::vector<HostMessage>& messages) {
  for (const HostMessage& message : messages) Deliver(window, message.message, message.wParam, message.lParam);
}

void SdlHost::DispatchWindowEvent(const SDL_WindowEvent& event) {
  HWND window = HandleOf(event.windowID);
  NativeWindow* w = Find(window);
  if (w == nullptr) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
      if (!w->Present()) w->paintPending = true;
      break;
    case SDL_WINDOWEVENT_MOVED:
      // The window manager moved it (a caption drag); moves made by SetWindowRect are already known.
      if (event.data1 != w->deviceRect.left || event.data2 != w->deviceRect.top) {
        const RECT& d = w->deviceRect;
        w->SetDeviceRect(RECT{event.data1, event.data2, event.data1 + d.Width(), event.data2 + d.Height()});
        Deliver(window, WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
      }
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (event.data1 != w->deviceRect.Width() || event.data2 != w->deviceRect.Height()) {
        const RECT& d = w->deviceRect;
        w->SetDeviceRect(RECT{d.left, d.top, d.left + event.data1, d.top + event.data2});
        w->paintPending = true;
        Deliver(window, WM_SIZE, 0, MAKELPARAM(w->rect.Width(), w->rect.Height()));
      }
      break;
    case SDL_WINDOWEVENT_HIT_TEST:
      // SDL consumed a press on a caption spot; the second one of a double click is still news.
      w->captionPressed = true;
      if (m_captionClicks.Press(reinterpret_cast<std::uintptr_t>(window), event.timestamp, w->lastCaptionPoint)) {
        Deliver(window, WM_NCLBUTTONDBLCLK, static_cast<WPARAM>(HTCAPTION),
                MAKELPARAM(w->lastCaptionPoint.x, w->lastCaptionPoint.y));
      }
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
      if (event.event == SDL_WINDOWEVENT_FOCUS_GAINED) m_keyboard = window;
      else if (m_keyboard == window) m_keyboard = nullptr;
      ApplyTextInput();
      Deliver(window, TranslateWindowEvent(event));
      break;
    default:
      Deliver(window, TranslateWindowEvent(event));
      break;
  }
}

void SdlHost::DispatchUserEvent(const SDL_UserEvent& event) {
  const auto serial = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(event.data1));
  if (event.code == kPostedCode) {
    auto it = m_posted.find(serial);
    if (it == m_posted.end()) return;  // its window was destroyed
    Posted posted = it->second;
    m_posted.erase(it);
    Deliver(posted.window, posted.message, posted.wParam, posted.lParam);
  }
}

bool SdlHost::CaptionPressed() const {
  for (auto& [handle, w] : m_windows)
    if (w->captionPressed) return true;
  return false;
}

void SdlHost::EndCaptionPresses() {
  if (!CaptionPressed()) return;
  // SDL hands the release of a caption press to no one (it never reported the press). Once the button is
  // up, whatever move the window manager may still run for the press ends: after a real drag the manager
  // has ended it already and the cancel changes nothing; after a quick click it missed the release and
  // would keep the window on the pointer.
  if ((SDL_GetGlobalMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0) return;
  for (auto& [handle, w] : m_windows) {
    if (!w->captionPressed) continue;
    w->captionPressed = false;
    CancelWindowManagerMove(w->Sdl());
  }
}

SDL_HitTestResult SdlHost::HitTest(SDL_Window* sdlWindow, const SDL_Point* area, void* data) {
  auto* host = static_cast<SdlHost*>(data);
  HWND window = host->HandleOf(SDL_GetWindowID(sdlWindow));
  NativeWindow* w = host->Find(window);
  if (w == nullptr) return SDL_HITTEST_NORMAL;
  const POINT screen = w->ScreenFromDevice(w->deviceRect.left + area->x, w->deviceRect.top + area->y);
  if (host->Deliver(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) != HTCAPTION) return SDL_HITTEST_NORMAL;
  if (NativeWindow* still = host->Find(window)) still->lastCaptionPoint = screen;
  return SDL_HITTEST_DRAGGABLE;
}

}  // namespace DuiLib::sdl
