#include "ui/host/win32_host.h"

// The framework's headers come first: <windows.h> turns PostMessage into a macro and defines the WM_* / HT*
// names that ui_defs.h declares as constants (with the same values, so the plain names work below).
#include <windows.h>
#include <imm.h>
#undef PostMessage

#include <algorithm>
#include <cwchar>

#include "ui/device_scale.h"
#include "ui/host/native_host.h"
#include "ui/render/gdiplus_canvas.h"

namespace {
// Outside namespace DuiLib, where the macro's HWND is the native one.
::HWND const kMessageOnlyParent = HWND_MESSAGE;
}  // namespace

namespace DuiLib {

struct Win32Host::Window {
  Win32Host* host = nullptr;
  HWND handle = nullptr;  // the framework's handle
  IHostClient* client = nullptr;
  ::HWND native = nullptr;
  std::unique_ptr<GdiplusFrame> frame;
  double scale = 1.0;  // device pixels per logical pixel
  bool paintPending = false;
  bool trackingLeave = false;
  bool textInput = false;     // a text field asked: the input method's context is associated
  RECT caret;                 // its caret, logical
  wchar_t highSurrogate = 0;  // first half of a character typed outside the basic plane
};

namespace {

constexpr const wchar_t* kWindowClass = kNativeWindowClass;
// The program's icon resource (app/resources/wannianli.rc); a test program without one gets the default.
constexpr ::WORD kIconResource = 1;
constexpr wchar_t kQueueClass[] = L"WannianliQueue";
constexpr ::UINT kPostedMessage = WM_APP + 1;  // to the queue window: deliver the next posted message

::HWND Native(void* window) { return static_cast<::HWND>(window); }

RECT FromNative(const ::RECT& rc) { return RECT{rc.left, rc.top, rc.right, rc.bottom}; }

constexpr double kDefaultDpi = 96.0;
constexpr ::UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED (Windows 8.1)

// DPI functions of newer Windows, looked up at run time so that the program still starts on older ones.
template <class Function>
Function SystemFunction(const wchar_t* module, const char* name) {
  ::HMODULE const library = LoadLibraryW(module);  // user32 and shcore stay loaded for the process
  return library != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

// Per-monitor v2 where Windows has it (10 1703), else per-monitor (8.1), else system aware (Vista). The
// manifest asks the same; this covers a program started without it (the test programs). Whatever was
// set first stays: later calls fail harmlessly.
void BecomeDpiAware() {
  using SetContext = ::BOOL(WINAPI*)(::HANDLE);
  using SetAwareness = ::HRESULT(WINAPI*)(int);
  using SetAware = ::BOOL(WINAPI*)();
  auto* const perMonitorV2 = reinterpret_cast<::HANDLE>(static_cast<::INT_PTR>(-4));
  if (auto set = SystemFunction<SetContext>(L"user32.dll", "SetProcessDpiAwarenessContext"); set && set(perMonitorV2)) return;
  if (auto set = SystemFunction<SetAwareness>(L"shcore.dll", "SetProcessDpiAwareness"); set && set(2) == S_OK) return;
  if (auto set = SystemFunction<SetAware>(L"user32.dll", "SetProcessDPIAware")) set();
}

double SystemDpi() {
  ::HDC screen = GetDC(nullptr);
  int const dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDefaultDpi;
}

double WindowDpi(::HWND native) {
  using GetDpi = ::UINT(WINAPI*)(::HWND);
  static GetDpi const getDpiForWindow = SystemFunction<GetDpi>(L"user32.dll", "GetDpiForWindow");
  ::UINT const dpi = getDpiForWindow != nullptr ? getDpiForWindow(native) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

// Native client points of a window in its logical pixels, and screen points in logical screen pixels.
::LPARAM LogicalClientPoint(const Win32Host::Window& window, ::LPARAM lParam) {
  POINT const p = ToLogicalPoint(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, window.scale);
  return MAKELPARAM(p.x, p.y);
}

::LPARAM LogicalScreenPoint(const Win32Host::Window& window, ::LPARAM lParam) {
  ::RECT device{};
  ::GetWindowRect(window.native, &device);
  RECT const logical = WindowToLogical(FromNative(device), window.scale);
  POINT const p = ToLogicalPoint(POINT{GET_X_LPARAM(lParam) - device.left, GET_Y_LPARAM(lParam) - device.top},
                                 window.scale);
  return MAKELPARAM(logical.left + p.x, logical.top + p.y);
}

// EnumDisplayMonitors: each screen's work area, the primary screen first.
::BOOL CALLBACK CollectWorkArea(::HMONITOR monitor, ::HDC, ::LPRECT, ::LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  auto& areas = *reinterpret_cast<std::vector<RECT>*>(data);
  RECT const work = FromNative(info.rcWork);
  if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) areas.insert(areas.begin(), work);
  else areas.push_back(work);
  return TRUE;
}

// Another program may hold the clipboard for a moment.
bool OpenClipboardSoon(::HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

// The input method context of a window, released when done.
class InputContext {
 public:
  explicit InputContext(::HWND window) : m_window(window), m_context(ImmGetContext(window)) {}
  ~InputContext() {
    if (m_context != nullptr) ImmReleaseContext(m_window, m_context);
  }
  InputContext(const InputContext&) = delete;
  InputContext& operator=(const InputContext&) = delete;
  ::HIMC Get() const { return m_context; }

 private:
  ::HWND m_window;
  ::HIMC m_context;
};

void Present(::HDC dc, GdiplusFrame& frame) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = frame.Width();
  info.bmiHeader.biHeight = -frame.Height();  // rows top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, frame.Width(), frame.Height(), 0, 0, 0, frame.Height(), frame.Data(), &info,
                    DIB_RGB_COLORS);
}

}  // namespace

// The window procedures, with access to the host's insides.
struct Win32HostAccess {
  static LRESULT CALLBACK WindowProc(::HWND native, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
    // Null until CreateNativeWindow has registered the window, and again once it is being destroyed: the
    // framework sends WM_CREATE, WM_DESTROY and WM_NCDESTROY itself.
    auto* window = reinterpret_cast<Win32Host::Window*>(GetWindowLongPtrW(native, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcW(native, message, wParam, lParam);
    return Handle(*window, message, wParam, lParam);
  }

  static LRESULT CALLBACK QueueProc(::HWND native, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
    auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(native, GWLP_USERDATA));
    if (message == kPostedMessage && host != nullptr) {
      host->DeliverNextPosted();
      return 0;
    }
    return DefWindowProcW(native, message, wParam, lParam);
  }

  static LRESULT Handle(Win32Host::Window& window, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
    IHostClient* client = window.client;
    switch (message) {
      case WM_NCHITTEST:
        // HTCAPTION hands the press to the system, which moves the window itself.
        return client->HostDispatch(WM_NCHITTEST, 0, LogicalScreenPoint(window, lParam));
      case WM_NCLBUTTONDBLCLK:
        client->HostDispatch(message, wParam, LogicalScreenPoint(window, lParam));
        return 0;  // no maximize
      case WM_MOUSEACTIVATE:
        // The click that activates the window acts too: it is never eaten.
        return MA_ACTIVATE;
      case WM_MOUSEMOVE:
        if (!window.trackingLeave) {
          TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window.native, 0};
          window.trackingLeave = TrackMouseEvent(&track) != 0;
        }
        client->HostDispatch(message, wParam, LogicalClientPoint(window, lParam));
        return 0;
      case WM_MOUSELEAVE:
        window.trackingLeave = false;
        client->HostDispatch(message, 0, 0);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONUP:
      case WM_LBUTTONDBLCLK:
      case WM_RBUTTONDOWN:
      case WM_RBUTTONUP:
        client->HostDispatch(message, wParam, LogicalClientPoint(window, lParam));
        return 0;
      case WM_MOUSEWHEEL:
        client->HostDispatch(message, wParam, LogicalScreenPoint(window, lParam));
        return 0;
      case WM_KEYDOWN:
      case WM_KEYUP:
        client->HostDispatch(message, wParam, lParam);
        return 0;
      case WM_CHAR:
        if (window.textInput) HandleChar(window, wParam, lParam);
        return 0;
      case WM_IME_SETCONTEXT:
        // The text field draws the composition at its caret: the system's composition window stays hidden.
        return DefWindowProcW(window.native, message, wParam, lParam & ~static_cast<::LPARAM>(ISC_SHOWUICOMPOSITIONWINDOW));
      case WM_IME_STARTCOMPOSITION:
      case WM_IME_COMPOSITION:
      case WM_IME_ENDCOMPOSITION:
        if (!window.textInput) return DefWindowProcW(window.native, message, wParam, lParam);
        // Not passed on: DefWindowProc would type the result a second time as WM_IME_CHAR.
        client->HostDispatch(message, wParam, lParam);
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        client->HostDispatch(message, 0, 0);
        return 0;
      case WM_CLOSE:  // the framework decides; DefWindowProc would destroy the window
        client->HostDispatch(WM_CLOSE, 0, 0);
        return 0;
      case WM_SIZE:
      case WM_MOVE:
        // Rounded as GetWindowRect rounds a window's place and size (WindowToLogical).
        client->HostDispatch(message, 0, MAKELPARAM(ToLogical(GET_X_LPARAM(lParam), window.scale),
                                                    ToLogical(GET_Y_LPARAM(lParam), window.scale)));
        return 0;
      case kDpiChanged:
        HandleDpiChanged(window, wParam, lParam);
        return 0;
      case WM_TIMER:
        client->HostDispatch(WM_TIMER, wParam, 0);
        return 0;
      case WM_ERASEBKGND:
        return 1;  // every frame covers the whole window
      case WM_PAINT:
        HandlePaint(window);
        return 0;
      default:
        return DefWindowProcW(window.native, message, wParam, lParam);
    }
  }

  // The framework takes whole code points; Windows sends UTF-16 units.
  static void HandleChar(Win32Host::Window& window, ::WPARAM wParam, ::LPARAM lParam) {
    auto const unit = static_cast<wchar_t>(wParam);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      window.highSurrogate = unit;
      return;
    }
    char32_t c = unit;
    if (unit >= 0xDC00 && unit <= 0xDFFF && window.highSurrogate != 0) {
      c = 0x10000 + ((static_cast<char32_t>(window.highSurrogate) - 0xD800) << 10) + (unit - 0xDC00);
    }
    window.highSurrogate = 0;
    window.client->HostDispatch(WM_CHAR, c, lParam);
  }

  // The window moved onto a monitor of another DPI (or the user changed it): it takes the size Windows
  // suggests, the same logical size at the new scale, and is drawn anew at that scale.
  static void HandleDpiChanged(Win32Host::Window& window, ::WPARAM wParam, ::LPARAM lParam) {
    if (window.host->m_fixedScale) return;
    window.scale = ClampScale(LOWORD(wParam) / kDefaultDpi);
    auto const* suggested = reinterpret_cast<const ::RECT*>(lParam);
    SetWindowPos(window.native, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    window.host->InvalidateWindow(window.handle);
    if (window.textInput) window.host->PlaceInputMethod(window);  // the candidate list at the new scale
  }

  static void HandlePaint(Win32Host::Window& window) {
    PAINTSTRUCT paint;
    ::HDC dc = ::BeginPaint(window.native, &paint);
    if (window.paintPending || !window.frame) {
      window.paintPending = false;
      window.host->m_paintDc = dc;
      window.client->HostDispatch(WM_PAINT, 0, 0);  // paints into the frame and presents it
      window.host->m_paintDc = nullptr;
    } else {
      Present(dc, *window.frame);  // uncovered: the last frame is still right
    }
    ::EndPaint(window.native, &paint);
  }
};

Win32Host::Win32Host(std::optional<double> scale) {
  if (scale) m_fixedScale = ClampScale(*scale);
  BecomeDpiAware();
  HINSTANCE const instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &Win32HostAccess::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);

  WNDCLASSEXW queueClass{};
  queueClass.cbSize = sizeof(queueClass);
  queueClass.lpfnWndProc = &Win32HostAccess::QueueProc;
  queueClass.hInstance = instance;
  queueClass.lpszClassName = kQueueClass;
  RegisterClassExW(&queueClass);
  ::HWND queue = CreateWindowExW(0, kQueueClass, L"", 0, 0, 0, 0, 0, kMessageOnlyParent, nullptr, instance, nullptr);
  SetWindowLongPtrW(queue, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  m_messageWindow = queue;
}

Win32Host::~Win32Host() {
  for (auto& [handle, window] : m_windows) {
    SetWindowLongPtrW(window->native, GWLP_USERDATA, 0);
    DestroyWindow(window->native);
  }
  DestroyWindow(Native(m_messageWindow));
  HINSTANCE const instance = GetModuleHandleW(nullptr);
  UnregisterClassW(kWindowClass, instance);
  UnregisterClassW(kQueueClass, instance);
}

Win32Host::Window* Win32Host::Find(HWND window) {
  auto it = m_windows.find(window);
  return it == m_windows.end() ? nullptr : it->second.get();
}

double Win32Host::DefaultScale() const { return m_fixedScale ? *m_fixedScale : ClampScale(SystemDpi() / kDefaultDpi); }

double Win32Host::ScaleOf(void* native) const {
  return m_fixedScale ? *m_fixedScale : ClampScale(WindowDpi(Native(native)) / kDefaultDpi);
}

HWND Win32Host::CreateNativeWindow(IHostClient* client, const NativeWindowParams& params) {
  Window* owner = Find(params.parent);
  std::wstring const title(params.title);
  // Borderless; the system menu and minimize box only give the taskbar button its usual menu.
  ::DWORD const style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
  ::DWORD const exStyle = owner == nullptr ? WS_EX_APPWINDOW : 0;
  // An owned window starts at its owner's scale; any other at the system's, until it knows its monitor.
  double scale = owner != nullptr ? owner->scale : DefaultScale();
  RECT device = WindowToDevice(params.outer, scale);
  ::HWND native = CreateWindowExW(exStyle, kWindowClass, title.c_str(), style, device.left, device.top,
                                  device.Width(), device.Height(), owner ? owner->native : nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
  if (native == nullptr) return nullptr;
  if (double const actual = ScaleOf(native); actual != scale) {
    scale = actual;
    device = WindowToDevice(params.outer, scale);
    SetWindowPos(native, nullptr, device.left, device.top, device.Width(), device.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ImmAssociateContext(native, nullptr);  // no input method until a text field asks
  auto window = std::make_unique<Window>();
  window->host = this;
  window->handle = reinterpret_cast<HWND>(++m_lastHandle);  // never reused, unlike native handles
  window->client = client;
  window->native = native;
  window->scale = scale;
  SetWindowLongPtrW(native, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window.get()));
  HWND const handle = window->handle;
  m_windows.emplace(handle, std::move(window));
  return handle;
}

void Win32Host::DestroyNativeWindow(HWND window) {
  auto it = m_windows.find(window);
  if (it == m_windows.end()) return;
  std::unique_ptr<Window> gone = std::move(it->second);
  m_windows.erase(it);
  SetWindowLongPtrW(gone->native, GWLP_USERDATA, 0);  // what the system still sends goes nowhere
  DestroyWindow(gone->native);                         // its timers die with it
  // Its posted messages are dropped when their turn comes (DeliverNextPosted finds no window).
}

void Win32Host::ShowNativeWindow(HWND window, bool show, bool activate) {
  Window* w = Find(window);
  if (w == nullptr) return;
  // The first frame is painted while the window is hidden; the WM_PAINT of showing it only presents it.
  if (show && !IsWindowVisible(w->native) && w->paintPending && w->client != nullptr) {
    w->paintPending = false;
    w->client->HostDispatch(WM_PAINT, 0, 0);
    if ((w = Find(window)) == nullptr) return;
  }
  ShowWindow(w->native, !show ? SW_HIDE : activate ? SW_SHOW : SW_SHOWNOACTIVATE);
  if (show && activate) SetForegroundWindow(w->native);
}

bool Win32Host::IsNativeWindowVisible(HWND window) {
  Window* w = Find(window);
  return w != nullptr && IsWindowVisible(w->native);
}

void Win32Host::SetWindowRect(HWND window, const RECT& outer) {
  Window* w = Find(window);
  if (w == nullptr) return;
  RECT const device = WindowToDevice(outer, w->scale);
  SetWindowPos(w->native, nullptr, device.left, device.top, device.Width(), device.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);  // the system sends WM_MOVE / WM_SIZE for what changed
}

RECT Win32Host::GetWindowRect(HWND window) {
  Window* w = Find(window);
  if (w == nullptr) return RECT{};
  // A minimised window sits at (-32000, -32000): what counts is where it comes back to.
  if (IsIconic(w->native)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (GetWindowPlacement(w->native, &placement)) return WindowToLogical(FromNative(placement.rcNormalPosition), w->scale);
  }
  ::RECT rc{};
  if (!::GetWindowRect(w->native, &rc)) return RECT{};
  return WindowToLogical(FromNative(rc), w->scale);
}

void Win32Host::RaiseWindow(HWND window) {
  if (Window* w = Find(window)) {
    if (IsIconic(w->native)) ShowWindow(w->native, SW_RESTORE);
    BringWindowToTop(w->native);
    SetForegroundWindow(w->native);
  }
}

RECT Win32Host::GetWorkArea(HWND window) {
  Window* w = Find(window);
  HMONITOR monitor = w != nullptr ? MonitorFromWindow(w->native, MONITOR_DEFAULTTONEAREST)
                                  : MonitorFromPoint(::POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return RECT{};
  return ToLogical(FromNative(info.rcWork), w != nullptr ? w->scale : DefaultScale());
}

std::vector<RECT> Win32Host::GetWorkAreas() {
  std::vector<RECT> areas;
  EnumDisplayMonitors(nullptr, nullptr, &CollectWorkArea, reinterpret_cast<::LPARAM>(&areas));
  double const scale = DefaultScale();
  for (RECT& area : areas) area = ToLogical(area, scale);
  if (areas.empty()) areas.push_back(GetWorkArea(nullptr));
  return areas;
}

double Win32Host::GetWindowScale(HWND window) {
  Window* w = Find(window);
  return w != nullptr ? w->scale : DefaultScale();
}

void Win32Host::SetMouseCapture(HWND window, bool capture) {
  Window* w = Find(window);
  if (w == nullptr) return;
  if (capture) {
    SetCapture(w->native);
  } else if (GetCapture() == w->native) {
    ReleaseCapture();
  }
}

void Win32Host::InvalidateWindow(HWND window) {
  Window* w = Find(window);
  if (w == nullptr) return;
  // Always to Windows, pending or not: a part invalidated before must not stand for the whole.
  w->paintPending = true;
  InvalidateRect(w->native, nullptr, FALSE);  // WM_PAINT comes once the queue is empty
}

void Win32Host::InvalidateWindowRect(HWND window, const RECT& rect) {
  Window* w = Find(window);
  if (w == nullptr) return;
  // Each part joins Windows' update region, pending or not: WM_PAINT presents within that region only.
  w->paintPending = true;
  RECT const device = ToDeviceOutward(rect, w->scale);
  ::RECT const native{device.left, device.top, device.right, device.bottom};
  ::InvalidateRect(w->native, &native, FALSE);
}

ICanvas* Win32Host::BeginPaint(HWND window) {
  Window* w = Find(window);
  if (w == nullptr) return nullptr;
  ::RECT client{};
  GetClientRect(w->native, &client);
  if (!w->frame || w->frame->Width() != client.right || w->frame->Height() != client.bottom ||
      w->frame->Scale() != w->scale) {
    w->frame = std::make_unique<GdiplusFrame>(client.right, client.bottom, w->scale);
  }
  return &w->frame->Canvas();
}

void Win32Host::EndPaint(HWND window, const std::vector<RECT>& painted) {
  Window* w = Find(window);
  if (w == nullptr || !w->frame) return;
  // Inside WM_PAINT the paint DC is clipped to the update region (the invalidated parts and anything
  // uncovered); the painted parts go up through the window's DC as well, in case the framework painted
  // more than Windows was told (a layout change it found only when painting).
  if (m_paintDc != nullptr) Present(static_cast<::HDC>(m_paintDc), *w->frame);
  ::HDC dc = GetDC(w->native);
  for (const RECT& part : painted) {
    RECT const device = ToDeviceOutward(part, w->scale);
    IntersectClipRect(dc, device.left, device.top, device.right, device.bottom);
    Present(dc, *w->frame);
    SelectClipRgn(dc, nullptr);
  }
  ReleaseDC(w->native, dc);
}

void Win32Host::SetTimer(HWND window, std::uintptr_t id, UINT elapseMs) {
  if (Window* w = Find(window)) ::SetTimer(w->native, id, elapseMs, nullptr);
}

void Win32Host::KillTimer(HWND window, std::uintptr_t id) {
  if (Window* w = Find(window)) ::KillTimer(w->native, id);
}

std::uint64_t Win32Host::TickCount() { return GetTickCount64(); }

void Win32Host::PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Find(window) == nullptr) return;
  // One wake-up per message, to a window that lives as long as the host: the order holds across windows, and
  // the system's own loops (moving a window, a system dialog) dispatch it too.
  m_posted.push_back(Posted{window, message, wParam, lParam});
  PostMessageW(Native(m_messageWindow), kPostedMessage, 0, 0);
}

void Win32Host::DeliverNextPosted() {
  if (m_posted.empty()) return;
  Posted const next = m_posted.front();
  m_posted.pop_front();
  if (Window* w = Find(next.window)) w->client->HostDispatch(next.message, next.wParam, next.lParam);
}

void Win32Host::PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

int Win32Host::RunMessageLoop() {
  MSG message;
  for (;;) {
    BOOL const got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got < 0) return -1;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

int Win32Host::RunModalLoop(HWND window) {
  m_modalResults.erase(window);
  MSG message;
  while (Find(window) != nullptr && !m_modalResults.contains(window)) {
    BOOL const got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The quit message belongs to the outer loop.
      if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  auto it = m_modalResults.find(window);
  int const result = it != m_modalResults.end() ? it->second : IDCANCEL;
  if (it != m_modalResults.end()) m_modalResults.erase(it);
  return result;
}

void Win32Host::EndModalLoop(HWND window, int result) {
  m_modalResults[window] = result;
  PostMessageW(Native(m_messageWindow), WM_NULL, 0, 0);  // wakes GetMessage
}

UINT Win32Host::KeyModifiers() {
  // GetKeyState follows the message queue: the keys held as the message being handled was sent.
  UINT keys = 0;
  if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
  if (GetKeyState(VK_MENU) < 0) keys |= MK_ALT;
  return keys;
}

void Win32Host::StartTextInput(HWND window, const RECT& caret) {
  Window* w = Find(window);
  if (w == nullptr) return;
  if (!w->textInput) ImmAssociateContextEx(w->native, nullptr, IACE_DEFAULT);
  w->textInput = true;
  w->caret = caret;
  PlaceInputMethod(*w);
}

void Win32Host::PlaceInputMethod(Window& window) {
  InputContext context(window.native);
  if (context.Get() == nullptr) return;
  RECT const caret = ToDeviceOutward(window.caret, window.scale);  // Windows places it in client device pixels
  COMPOSITIONFORM composition{};
  composition.dwStyle = CFS_POINT;
  composition.ptCurrentPos = ::POINT{caret.left, caret.top};
  ImmSetCompositionWindow(context.Get(), &composition);
  // The candidate list goes below the caret and never over it.
  CANDIDATEFORM candidate{};
  candidate.dwIndex = 0;
  candidate.dwStyle = CFS_EXCLUDE;
  candidate.ptCurrentPos = ::POINT{caret.left, caret.bottom};
  candidate.rcArea = ::RECT{caret.left, caret.top, caret.right, caret.bottom};
  ImmSetCandidateWindow(context.Get(), &candidate);
}

void Win32Host::StopTextInput(HWND window) {
  Window* w = Find(window);
  if (w == nullptr || !w->textInput) return;
  {
    InputContext context(w->native);
    if (context.Get() != nullptr) ImmNotifyIME(context.Get(), NI_COMPOSITIONSTR, CPS_CANCEL, 0);
  }
  ImmAssociateContext(w->native, nullptr);
  w->textInput = false;
}

std::wstring Win32Host::GetCompositionString(HWND window, DWORD kind) {
  Window* w = Find(window);
  if (w == nullptr) return {};
  InputContext context(w->native);
  if (context.Get() == nullptr) return {};
  LONG const bytes = ImmGetCompositionStringW(context.Get(), kind, nullptr, 0);
  if (bytes <= 0) return {};
  std::wstring text(static_cast<std::size_t>(bytes) / sizeof(wchar_t), L'\0');
  LONG const got = ImmGetCompositionStringW(context.Get(), kind, text.data(), static_cast<::DWORD>(bytes));
  text.resize(got > 0 ? static_cast<std::size_t>(got) / sizeof(wchar_t) : 0);
  return text;
}

int Win32Host::GetCompositionCursor(HWND window) {
  Window* w = Find(window);
  if (w == nullptr) return 0;
  InputContext context(w->native);
  if (context.Get() == nullptr) return 0;
  return std::max(0L, ImmGetCompositionStringW(context.Get(), GCS_CURSORPOS, nullptr, 0) & 0xFFFF);
}

std::wstring Win32Host::GetClipboardText() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardSoon(Native(m_messageWindow))) return {};
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto const* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      // A program may have put text without its terminator: never read past the block.
      text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool Win32Host::SetClipboardText(std::wstring_view text) {
  // Windows programs expect "\r\n" between lines.
  std::wstring lines;
  lines.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) lines.push_back(L'\r');
    lines.push_back(text[i]);
  }
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (lines.size() + 1) * sizeof(wchar_t));
  if (memory == nullptr) return false;
  if (auto* chars = static_cast<wchar_t*>(GlobalLock(memory))) {
    std::copy(lines.begin(), lines.end(), chars);
    chars[lines.size()] = L'\0';
    GlobalUnlock(memory);
  }
  if (!OpenClipboardSoon(Native(m_messageWindow))) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  bool const taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;  // the system owns it now
  if (!taken) GlobalFree(memory);
  CloseClipboard();
  return taken;
}

ICanvas* Win32Host::MeasuringCanvas(HWND window) {
  // Windows may differ in scale (their monitors'): the frame is made again for another one.
  double const scale = GetWindowScale(window);
  if (!m_measuring || m_measuringScale != scale) {
    m_measuring = std::make_unique<GdiplusFrame>(1, 1, scale);
    m_measuringScale = scale;
  }
  return &m_measuring->Canvas();
}

GdiplusFrame* Win32Host::Frame(HWND window) {
  Window* w = Find(window);
  return w != nullptr ? w->frame.get() : nullptr;
}

void* Win32Host::NativeHandle(HWND window) {
  Window* w = Find(window);
  return w != nullptr ? w->native : nullptr;
}

}  // namespace DuiLib
