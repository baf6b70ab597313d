#include "ui/host/headless_host.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "ui/device_scale.h"
#include "ui/render/render_frame.h"

namespace DuiLib {
namespace {
// A queue that keeps refilling itself (a paint that invalidates, a message that posts itself) is a fault;
// the headless host stops it instead of hanging a test.
constexpr int kMaxIdleRounds = 100000;
const RECT kWorkArea{0, 0, 1920, 1080};
}  // namespace

struct HeadlessHost::Window {
  IHostClient* client = nullptr;
  RECT rect;
  bool visible = false;
  bool paintPending = false;
  bool textInput = false;
  RECT caret;
  int paints = 0;
  std::vector<RECT> lastPainted;
  std::unique_ptr<RenderFrame> frame;
  struct Timer {
    std::uint64_t interval;
    std::uint64_t due;
  };
  std::map<std::uintptr_t, Timer> timers;
};

HeadlessHost::HeadlessHost(double scale) : m_scale(ClampScale(scale)) {}

HeadlessHost::~HeadlessHost() {
  if (CurrentHost() == this) InstallHost(nullptr);
}

HeadlessHost::Window* HeadlessHost::Find(HWND window) const {
  auto it = m_windows.find(reinterpret_cast<std::uintptr_t>(window));
  return it == m_windows.end() ? nullptr : it->second.get();
}

HWND HeadlessHost::CreateNativeWindow(IHostClient* client, const NativeWindowParams& params) {
  auto window = std::make_unique<Window>();
  window->client = client;
  window->rect = params.outer;
  std::uintptr_t id = m_nextHandle++;
  m_windows.emplace(id, std::move(window));
  return reinterpret_cast<HWND>(id);
}

void HeadlessHost::DestroyNativeWindow(HWND window) {
  m_windows.erase(reinterpret_cast<std::uintptr_t>(window));
  std::erase_if(m_queue, [&](const Posted& p) { return p.window == window; });
  if (m_capture == window) m_capture = nullptr;
  if (m_dragging == window) m_dragging = nullptr;
  if (m_focus == window) m_focus = nullptr;
}

void HeadlessHost::ShowNativeWindow(HWND window, bool show, bool activate) {
  Window* w = Find(window);
  if (w == nullptr) return;
  w->visible = show;
  if (show && activate && m_focus != window) {
    HWND old = m_focus;
    m_focus = window;
    if (old != nullptr) Deliver(old, WM_KILLFOCUS, 0, 0);
    Deliver(window, WM_SETFOCUS, 0, 0);
  }
}

bool HeadlessHost::IsNativeWindowVisible(HWND window) {
  Window* w = Find(window);
  return w != nullptr && w->visible;
}

void HeadlessHost::SetWindowRect(HWND window, const RECT& outer) {
  Window* w = Find(window);
  if (w == nullptr) return;
  RECT old = w->rect;
  w->rect = outer;
  if (old.left != outer.left || old.top != outer.top) Deliver(window, WM_MOVE, 0, MAKELPARAM(outer.left, outer.top));
  if (Find(window) != nullptr && (old.Width() != outer.Width() || old.Height() != outer.Height())) {
    Deliver(window, WM_SIZE, 0, MAKELPARAM(outer.Width(), outer.Height()));
  }
}

RECT HeadlessHost::GetWindowRect(HWND window) {
  Window* w = Find(window);
  return w != nullptr ? w->rect : RECT{};
}

void HeadlessHost::RaiseWindow(HWND) {}
RECT HeadlessHost::GetWorkArea(HWND) { return kWorkArea; }

void HeadlessHost::SetMouseCapture(HWND window, bool capture) {
  if (capture) m_capture = window;
  else if (m_capture == window) m_capture = nullptr;
}

void HeadlessHost::InvalidateWindow(HWND window) {
  if (Window* w = Find(window)) w->paintPending = true;
}

ICanvas* HeadlessHost::BeginPaint(HWND window) {
  Window* w = Find(window);
  if (w == nullptr) return nullptr;
  SIZE const device = ToDevice(SIZE{std::max(1, w->rect.Width()), std::max(1, w->rect.Height())}, m_scale);
  if (!w->frame || w->frame->Width() != device.cx || w->frame->Height() != device.cy) {
    w->frame = std::make_unique<RenderFrame>(device.cx, device.cy, m_scale);
  }
  return &w->frame->Canvas();
}

void HeadlessHost::EndPaint(HWND window, const std::vector<RECT>& painted) {
  if (Window* w = Find(window)) {
    w->frame->Flush();
    ++w->paints;
    w->lastPainted = painted;
  }
}

void HeadlessHost::SetTimer(HWND window, std::uintptr_t id, UINT elapseMs) {
  Window* w = Find(window);
  if (w == nullptr) return;
  std::uint64_t interval = std::max<std::uint64_t>(1, elapseMs);
  w->timers[id] = Window::Timer{interval, m_now + interval};
}

void HeadlessHost::KillTimer(HWND window, std::uintptr_t id) {
  if (Window* w = Find(window)) w->timers.erase(id);
}

void HeadlessHost::PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Find(window) != nullptr) m_queue.push_back(Posted{window, message, wParam, lParam});
}

void HeadlessHost::PostQuitMessage(int exitCode) {
  m_quit = true;
  m_exitCode = exitCode;
}

LRESULT HeadlessHost::Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Find(window);
  if (w == nullptr) return 0;
  return w->client->HostDispatch(message, wParam, lParam);
}

void HeadlessHost::PaintIfPending(Window& w) {
  if (!w.paintPending) return;
  w.paintPending = false;
  w.client->HostDispatch(WM_PAINT, 0, 0);
}

void HeadlessHost::RunUntilIdle() {
  for (int round = 0; round < kMaxIdleRounds; ++round) {
    if (!m_queue.empty()) {
      Posted p = m_queue.front();
      m_queue.pop_front();
      Deliver(p.window, p.message, p.wParam, p.lParam);
      continue;
    }
    // Paint only when nothing else is queued, as a real message loop does.
    HWND pending = nullptr;
    for (auto& [id, w] : m_windows) {
      if (w->paintPending) {
        pending = reinterpret_cast<HWND>(id);
        break;
      }
    }
    if (pending == nullptr) return;
    if (Window* w = Find(pending)) PaintIfPending(*w);
  }
  std::fprintf(stderr, "headless host: the queue never ran dry; stopped after %d rounds\n", kMaxIdleRounds);
}

void HeadlessHost::AdvanceTime(std::uint64_t ms) {
  const std::uint64_t target = m_now + ms;
  RunUntilIdle();
  while (true) {
    HWND window = nullptr;
    std::uintptr_t timer = 0;
    std::uint64_t due = std::numeric_limits<std::uint64_t>::max();
    for (auto& [id, w] : m_windows) {
      for (auto& [timerId, t] : w->timers) {
        if (t.due < due) {
          due = t.due;
          window = reinterpret_cast<HWND>(id);
          timer = timerId;
        }
      }
    }
    if (window == nullptr || due > target) break;
    m_now = due;
    Window* w = Find(window);
    auto& t = w->timers.at(timer);
    t.due += t.interval;
    Deliver(window, WM_TIMER, timer, 0);
    RunUntilIdle();
  }
  m_now = target;
}

int HeadlessHost::RunMessageLoop() {
  const std::uint64_t start = m_now;
  while (true) {
    RunUntilIdle();
    if (m_quit) return m_exitCode;
    std::uint64_t next = std::numeric_limits<std::uint64_t>::max();
    for (auto& [id, w] : m_windows) {
      for (auto& [timerId, t] : w->timers) next = std::min(next, t.due);
    }
    if (next == std::numeric_limits<std::uint64_t>::max() || next - start > m_loopLimit) {
      std::fprintf(stderr, "headless host: message loop gave up without a quit message\n");
      return -1;
    }
    AdvanceTime(next - m_now);
    if (m_quit) return m_exitCode;
  }
}

int HeadlessHost::RunModalLoop(HWND window) {
  ++m_modalLoops;
  auto key = reinterpret_cast<std::uintptr_t>(window);
  RunUntilIdle();
  if (m_modalScript && Find(window) != nullptr) {
    m_modalScript(window);
    RunUntilIdle();
  }
  if (!m_modalResults.contains(key) && Find(window) != nullptr) {
    // Nobody answered: the box is closed with the answer the test chose (Cancel unless told otherwise).
    PostMessage(window, WM_CLOSE, static_cast<WPARAM>(m_modalAnswer), 0);
    RunUntilIdle();
  }
  auto it = m_modalResults.find(key);
  int result = it != m_modalResults.end() ? it->second : m_modalAnswer;
  if (it != m_modalResults.end()) m_modalResults.erase(it);
  return result;
}

void HeadlessHost::EndModalLoop(HWND window, int result) {
  m_modalResults[reinterpret_cast<std::uintptr_t>(window)] = result;
}

LPARAM HeadlessHost::ClientPoint(int x, int y) const {
  return MAKELPARAM(ToLogicalPoint(x, m_scale), ToLogicalPoint(y, m_scale));
}

LPARAM HeadlessHost::ScreenPoint(HWND window, int x, int y) {
  RECT rc = GetWindowRect(window);
  return MAKELPARAM(rc.left + ToLogicalPoint(x, m_scale), rc.top + ToLogicalPoint(y, m_scale));
}

void HeadlessHost::MoveMouse(HWND window, int x, int y) {
  if (m_mouseWindow != nullptr && m_mouseWindow != window) Deliver(m_mouseWindow, WM_MOUSELEAVE, 0, 0);
  m_mouseWindow = window;
  Deliver(window, WM_MOUSEMOVE, 0, ClientPoint(x, y));
  RunUntilIdle();
}

void HeadlessHost::Press(HWND window, int x, int y) {
  if (Deliver(window, WM_NCHITTEST, 0, ScreenPoint(window, x, y)) == HTCAPTION) {
    // The window manager takes a press on a caption spot: the window sees no button message.
    m_dragging = window;
  } else {
    Deliver(window, WM_LBUTTONDOWN, 0, ClientPoint(x, y));
  }
  RunUntilIdle();
}

void HeadlessHost::Release(HWND window, int x, int y) {
  if (m_dragging == window) {
    m_dragging = nullptr;
  } else {
    Deliver(window, WM_LBUTTONUP, 0, ClientPoint(x, y));
  }
  RunUntilIdle();
}

void HeadlessHost::Click(HWND window, int x, int y) {
  MoveMouse(window, x, y);
  Press(window, x, y);
  Release(window, x, y);
}

void HeadlessHost::DoubleClick(HWND window, int x, int y) {
  MoveMouse(window, x, y);
  LPARAM screen = ScreenPoint(window, x, y);
  if (Deliver(window, WM_NCHITTEST, 0, screen) == HTCAPTION) {
    Deliver(window, WM_NCLBUTTONDBLCLK, static_cast<WPARAM>(HTCAPTION), screen);
  } else {
    LPARAM const client = ClientPoint(x, y);
    Deliver(window, WM_LBUTTONDOWN, 0, client);
    Deliver(window, WM_LBUTTONUP, 0, client);
    Deliver(window, WM_LBUTTONDBLCLK, 0, client);
    Deliver(window, WM_LBUTTONUP, 0, client);
  }
  RunUntilIdle();
}

void HeadlessHost::Drag(HWND window, int fromX, int fromY, int toX, int toY) {
  MoveMouse(window, fromX, fromY);
  Press(window, fromX, fromY);
  if (m_dragging == window) {
    RECT rc = GetWindowRect(window);
    int dx = ToLogicalPoint(toX, m_scale) - ToLogicalPoint(fromX, m_scale);
    int dy = ToLogicalPoint(toY, m_scale) - ToLogicalPoint(fromY, m_scale);
    SetWindowRect(window, RECT{rc.left + dx, rc.top + dy, rc.right + dx, rc.bottom + dy});
    Release(window, fromX, fromY);  // the pointer stays on the same window spot
    return;
  }
  Deliver(window, WM_MOUSEMOVE, 0, ClientPoint(toX, toY));
  RunUntilIdle();
  Release(window, toX, toY);
}

void HeadlessHost::Wheel(HWND window, int x, int y, int notches) {
  Deliver(window, WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), ScreenPoint(window, x, y));
  RunUntilIdle();
}

void HeadlessHost::LeaveWindow(HWND window) {
  if (m_mouseWindow == window) m_mouseWindow = nullptr;
  Deliver(window, WM_MOUSELEAVE, 0, 0);
  RunUntilIdle();
}

void HeadlessHost::Key(HWND window, UINT vk, UINT modifiers) {
  UINT const held = m_modifiers;
  m_modifiers = modifiers;
  Deliver(window, WM_KEYDOWN, vk, 0);
  Deliver(window, WM_KEYUP, vk, 0);
  m_modifiers = held;
  RunUntilIdle();
}

void HeadlessHost::TypeChar(HWND window, char32_t ch) {
  Deliver(window, WM_CHAR, static_cast<WPARAM>(ch), 0);
  RunUntilIdle();
}

void HeadlessHost::TypeText(HWND window, std::u32string_view text) {
  for (char32_t ch : text) Deliver(window, WM_CHAR, static_cast<WPARAM>(ch), 0);
  RunUntilIdle();
}

void HeadlessHost::StartTextInput(HWND window, const RECT& caret) {
  if (Window* w = Find(window)) {
    w->textInput = true;
    w->caret = caret;
  }
}

void HeadlessHost::StopTextInput(HWND window) {
  if (Window* w = Find(window)) w->textInput = false;
}

bool HeadlessHost::IsTextInputOn(HWND window) const {
  Window* w = Find(window);
  return w != nullptr && w->textInput;
}

RECT HeadlessHost::TextInputRect(HWND window) const {
  Window* w = Find(window);
  return w != nullptr ? ToDeviceOutward(w->caret, m_scale) : RECT{};
}

std::wstring HeadlessHost::GetCompositionString(HWND, DWORD kind) {
  if (kind == GCS_RESULTSTR) return m_compositionResult;
  return kind == GCS_COMPSTR ? m_composition : std::wstring();
}

bool HeadlessHost::SetClipboardText(std::wstring_view text) {
  m_clipboard = std::wstring(text);
  return true;
}

ICanvas* HeadlessHost::MeasuringCanvas(HWND) {
  if (!m_measuring) m_measuring = std::make_unique<RenderFrame>(1, 1, m_scale);
  return &m_measuring->Canvas();
}

void HeadlessHost::StartComposition(HWND window) {
  if (!IsTextInputOn(window)) return;
  m_composition.clear();
  m_compositionCursor = 0;
  Deliver(window, WM_IME_STARTCOMPOSITION, 0, 0);
  RunUntilIdle();
}

void HeadlessHost::UpdateComposition(HWND window, std::wstring_view text, int cursor) {
  if (!IsTextInputOn(window)) return;
  m_composition = std::wstring(text);
  m_compositionCursor = cursor;
  Deliver(window, WM_IME_COMPOSITION, 0, static_cast<LPARAM>(GCS_COMPSTR | GCS_CURSORPOS));
  RunUntilIdle();
}

void HeadlessHost::CommitComposition(HWND window, std::wstring_view result) {
  if (!IsTextInputOn(window)) return;
  m_composition.clear();
  m_compositionCursor = 0;
  m_compositionResult = std::wstring(result);
  Deliver(window, WM_IME_COMPOSITION, 0, static_cast<LPARAM>(GCS_RESULTSTR));
  m_compositionResult.clear();
  Deliver(window, WM_IME_ENDCOMPOSITION, 0, 0);
  RunUntilIdle();
}

void HeadlessHost::CancelComposition(HWND window) {
  if (!IsTextInputOn(window)) return;
  m_composition.clear();
  m_compositionCursor = 0;
  Deliver(window, WM_IME_COMPOSITION, 0, static_cast<LPARAM>(GCS_COMPSTR));
  Deliver(window, WM_IME_ENDCOMPOSITION, 0, 0);
  RunUntilIdle();
}

RenderFrame* HeadlessHost::Frame(HWND window) {
  Window* w = Find(window);
  if (w == nullptr) return nullptr;
  if (!w->frame) w->paintPending = true;
  RunUntilIdle();
  w = Find(window);
  return w != nullptr ? w->frame.get() : nullptr;
}

DWORD HeadlessHost::Pixel(HWND window, int x, int y) {
  RenderFrame* frame = Frame(window);
  return frame != nullptr ? frame->Pixel(x, y) : 0;
}

bool HeadlessHost::SavePng(HWND window, const std::string& file) {
  RenderFrame* frame = Frame(window);
  if (frame == nullptr) {
    // Not the file's fault: say what is missing rather than leave the failure unexplained.
    std::fprintf(stderr, "wannianli: nothing to save: the window has not been drawn\n");
    return false;
  }
  return frame->SavePng(file);
}

int HeadlessHost::PaintCount(HWND window) const {
  Window* w = Find(window);
  return w != nullptr ? w->paints : 0;
}

std::vector<RECT> HeadlessHost::LastPainted(HWND window) const {
  Window* w = Find(window);
  return w != nullptr ? w->lastPainted : std::vector<RECT>{};
}

std::vector<HWND> HeadlessHost::Windows() const {
  std::vector<HWND> handles;
  for (auto& [id, w] : m_windows) handles.push_back(reinterpret_cast<HWND>(id));
  return handles;
}

}  // namespace DuiLib
