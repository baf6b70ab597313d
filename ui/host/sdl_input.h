#pragma once
// Translation of SDL input events into the framework's Windows-style messages. Pure functions: the host
// finds the target window and its points, these decide the message numbers and parameters.
#include <SDL.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui_defs.h"

namespace DuiLib::sdl {

struct HostMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  friend bool operator==(const HostMessage&, const HostMessage&) = default;
};

// A virtual key (VK_*, 'A'..'Z', '0'..'9') for an SDL key, or 0 for keys the framework has no name for.
UINT VirtualKeyFromSdl(SDL_Keycode key);

// A press or release at a client point. The second press of a double click (SDL counts clicks) becomes
// WM_LBUTTONDBLCLK. Middle and extra buttons have no message.
std::optional<HostMessage> TranslateMouseButton(const SDL_MouseButtonEvent& event, POINT client);
// ±120 per notch, up positive whatever the system's scrolling direction; `screen` is the pointer.
std::optional<HostMessage> TranslateWheel(const SDL_MouseWheelEvent& event, POINT screen);
std::optional<HostMessage> TranslateKey(const SDL_KeyboardEvent& event);
// One WM_CHAR per code point of the typed UTF-8 text (malformed bytes are skipped).
std::vector<HostMessage> TranslateText(std::string_view utf8);
// SDL's modifier state (KMOD_*) as MK_SHIFT | MK_CONTROL | MK_ALT.
UINT ModifiersFromSdl(Uint16 mod);

// An input method's composition as SDL reports it — the whole composition whenever it changes
// (SDL_TEXTEDITING, empty once it is cleared) and the committed text as typed text (SDL_TEXTINPUT) — turned
// into the framework's WM_IME_* sequence. Each answer holds the messages to deliver in order; while they
// are handled, Composition() and Result() are what GetCompositionString gives.
class CompositionTracker {
 public:
  // The composition changed: its text and the cursor in it, in characters.
  std::vector<HostMessage> Edit(std::string_view utf8, int cursor);
  // Typed text: the composition's result while one is going on, else one WM_CHAR per character.
  std::vector<HostMessage> Text(std::string_view utf8);
  // Forgets a composition without messages (text input went off: SDL has reset the input method).
  void Reset();

  bool Composing() const { return m_composing; }
  const std::wstring& Composition() const { return m_composition; }
  int Cursor() const { return m_cursor; }  // wchar_t units
  const std::wstring& Result() const { return m_result; }

 private:
  bool m_composing = false;
  std::wstring m_composition;
  int m_cursor = 0;
  std::wstring m_result;
};
// Focus, leave and close requests; other window events are the host's business (or nothing).
std::optional<HostMessage> TranslateWindowEvent(const SDL_WindowEvent& event);

// Double clicks on a caption spot. SDL consumes those presses (the window manager moves the window), so
// it does not count them: the host reports each to this tracker, which recognises the second press of a
// double click with SDL's own time and distance limits.
class CaptionClickTracker {
 public:
  CaptionClickTracker(std::uint32_t timeMs, int radius) : m_timeMs(timeMs), m_radius(radius) {}
  // True when this press completes a double click (the next press then starts afresh).
  bool Press(std::uintptr_t window, std::uint32_t ticks, POINT screen);

 private:
  std::uint32_t m_timeMs;
  int m_radius;
  bool m_armed = false;
  std::uintptr_t m_window = 0;
  std::uint32_t m_ticks = 0;
  POINT m_point;
};

}  // namespace DuiLib::sdl
