#include "ui/host/sdl_input.h"

#include <cstdlib>

#include "platform/code_page.h"

namespace DuiLib::sdl {
namespace {

// Decodes one UTF-8 sequence at `pos`; returns 0 for a malformed one (and skips a byte).
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(pos);
  int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
  if (extra < 0 || pos + static_cast<std::size_t>(extra) >= text.size()) {
    ++pos;
    return 0;
  }
  char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    unsigned char next = byte(pos + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return 0;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  pos += static_cast<std::size_t>(extra) + 1;
  return cp;
}

}  // namespace

UINT VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return static_cast<UINT>('1' + (key - SDLK_KP_1));
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + static_cast<UINT>(key - SDLK_F1);
  switch (key) {
    case SDLK_KP_0: return '0';
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    default: return 0;
  }
}

std::optional<HostMessage> TranslateMouseButton(const SDL_MouseButtonEvent& event, POINT client) {
  const LPARAM at = MAKELPARAM(client.x, client.y);
  const bool down = event.type == SDL_MOUSEBUTTONDOWN;
  if (event.button == SDL_BUTTON_LEFT) {
    // Every second click of a run is the double click, as the desktop counts them.
    if (down) return HostMessage{event.clicks >= 2 && event.clicks % 2 == 0 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, 0, at};
    return HostMessage{WM_LBUTTONUP, 0, at};
  }
  if (event.button == SDL_BUTTON_RIGHT) return HostMessage{down ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0, at};
  return std::nullopt;
}

std::optional<HostMessage> TranslateWheel(const SDL_MouseWheelEvent& event, POINT screen) {
  int notches = event.y;
  if (event.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
  if (notches == 0) return std::nullopt;  // a purely horizontal scroll
  return HostMessage{WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), MAKELPARAM(screen.x, screen.y)};
}

std::optional<HostMessage> TranslateKey(const SDL_KeyboardEvent& event) {
  UINT vk = VirtualKeyFromSdl(event.keysym.sym);
  if (vk == 0) return std::nullopt;
  return HostMessage{event.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, vk, 0};
}

std::vector<HostMessage> TranslateText(std::string_view utf8) {
  std::vector<HostMessage> messages;
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t cp = NextCodePoint(utf8, pos);
    if (cp != 0) messages.push_back(HostMessage{WM_CHAR, static_cast<WPARAM>(cp), 0});
  }
  return messages;
}

UINT ModifiersFromSdl(Uint16 mod) {
  UINT keys = 0;
  if ((mod & KMOD_SHIFT) != 0) keys |= MK_SHIFT;
  if ((mod & KMOD_CTRL) != 0) keys |= MK_CONTROL;
  if ((mod & KMOD_ALT) != 0) keys |= MK_ALT;
  return keys;
}

std::vector<HostMessage> CompositionTracker::Edit(std::string_view utf8, int cursor) {
  std::vector<HostMessage> messages;
  m_composition = platform::Utf8ToWide(utf8);
  // SDL counts characters; the framework counts wchar_t units (two for some characters on Windows).
  std::size_t units = 0;
  for (int i = 0; i < cursor && units < m_composition.size(); ++i) {
    bool const pair = units + 1 < m_composition.size() && m_composition[units] >= 0xD800 && m_composition[units] <= 0xDBFF;
    units += pair ? 2 : 1;
  }
  m_cursor = static_cast<int>(units);
  if (m_composition.empty()) {
    if (!m_composing) return messages;
    m_composing = false;  // cleared: a cancel (a commit comes as text)
    messages.push_back(HostMessage{WM_IME_COMPOSITION, 0, static_cast<LPARAM>(GCS_COMPSTR)});
    messages.push_back(HostMessage{WM_IME_ENDCOMPOSITION, 0, 0});
    return messages;
  }
  if (!m_composing) messages.push_back(HostMessage{WM_IME_STARTCOMPOSITION, 0, 0});
  m_composing = true;
  messages.push_back(HostMessage{WM_IME_COMPOSITION, 0, static_cast<LPARAM>(GCS_COMPSTR | GCS_CURSORPOS)});
  return messages;
}

std::vector<HostMessage> CompositionTracker::Text(std::string_view utf8) {
  if (!m_composing) return TranslateText(utf8);
  m_composing = false;
  m_composition.clear();
  m_cursor = 0;
  m_result = platform::Utf8ToWide(utf8);
  return {HostMessage{WM_IME_COMPOSITION, 0, static_cast<LPARAM>(GCS_RESULTSTR)}, HostMessage{WM_IME_ENDCOMPOSITION, 0, 0}};
}

void CompositionTracker::Reset() {
  m_composing = false;
  m_composition.clear();
  m_cursor = 0;
  m_result.clear();
}

std::optional<HostMessage> TranslateWindowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: return HostMessage{WM_SETFOCUS, 0, 0};
    case SDL_WINDOWEVENT_FOCUS_LOST: return HostMessage{WM_KILLFOCUS, 0, 0};
    case SDL_WINDOWEVENT_LEAVE: return HostMessage{WM_MOUSELEAVE, 0, 0};
    case SDL_WINDOWEVENT_CLOSE: return HostMessage{WM_CLOSE, 0, 0};
    default: return std::nullopt;
  }
}

bool CaptionClickTracker::Press(std::uintptr_t window, std::uint32_t ticks, POINT screen) {
  const bool second = m_armed && window == m_window && ticks - m_ticks <= m_timeMs &&
                      std::abs(screen.x - m_point.x) <= m_radius && std::abs(screen.y - m_point.y) <= m_radius;
  if (second) {
    m_armed = false;
    return true;
  }
  m_armed = true;
  m_window = window;
  m_ticks = ticks;
  m_point = screen;
  return false;
}

}  // namespace DuiLib::sdl
