#include "ui/paint_manager_ui.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>
#include <set>

#include "platform/code_page.h"
#include "platform/executable_path.h"
#include "platform/resource_folder.h"
#include "ui/control_ui.h"
#include "ui/dispatch_guard.h"
#include "ui/host/host.h"
#include "ui/render_engine.h"
#include "ui/resource_path.h"
#include "ui/skin_error.h"

namespace DuiLib {
namespace {

void* processInstance = nullptr;

// Names refused by ResolveFile, so that each is reported once however often it is painted.
std::set<std::string>& ReportedNames() {
  static std::set<std::string> names;
  return names;
}

std::optional<std::string>& InstancePathOverride() {
  static std::optional<std::string> path;
  return path;
}

// The tooltip's own timer id, far above the ids handed out for control timers.
constexpr std::uintptr_t kToolTipTimer = std::numeric_limits<std::uintptr_t>::max() - 1;
constexpr DWORD kToolTipBk = 0xFFFFFFE1;
constexpr DWORD kToolTipBorder = 0xFF767676;
constexpr DWORD kToolTipText = 0xFF000000;

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

CPaintManagerUI::CPaintManagerUI() = default;

CPaintManagerUI::~CPaintManagerUI() {
  *m_alive = false;
  RemoveAllTimers();
  m_hWnd = nullptr;
  m_pPopup = nullptr;
  m_deferred.clear();
  m_root.reset();
}

void CPaintManagerUI::SetInstance(void* instance) { processInstance = instance; }
void* CPaintManagerUI::GetInstance() { return processInstance; }

void CPaintManagerUI::SetInstancePath(const std::string& folder) {
  if (folder.empty()) InstancePathOverride().reset();
  else InstancePathOverride() = folder;
}

std::string CPaintManagerUI::GetInstancePath() {
  if (InstancePathOverride()) return *InstancePathOverride();
  return platform::ResourceFolder();
}

int CPaintManagerUI::MessageLoop() {
  IHost* host = CurrentHost();
  return host != nullptr ? host->RunMessageLoop() : -1;
}

void CPaintManagerUI::Init(HWND window) {
  m_hWnd = window;
  m_bPaintPending = false;  // a new native window has asked for nothing yet
  NeedUpdate();
  Invalidate();
}

void CPaintManagerUI::SetResourcePath(const std::string& folder) {
  m_resourcePath = NormaliseSeparators(folder);
  if (!m_resourcePath.empty() && m_resourcePath.back() != platform::PathSeparator()) {
    m_resourcePath.push_back(platform::PathSeparator());
  }
}

std::string CPaintManagerUI::ResolveFile(std::wstring_view file) const {
  std::string const name = platform::WideToUtf8(file);
  if (std::optional<std::string> path = PathInsideFolder(m_resourcePath, name)) return *std::move(path);
  if (ReportedNames().insert(name).second) {
    std::fprintf(stderr, "wannianli: the file name \"%s\" leaves the skin folder; it is not opened\n",
                 QuoteForMessage(name).c_str());
  }
  return {};
}

bool CPaintManagerUI::AttachDialog(CControlUI* root) {
  if (root == nullptr) return false;
  if (m_root) {
    m_pPopup = nullptr;
    m_root.reset();
  }
  m_root.reset(root);
  root->SetManager(this, nullptr);
  NeedUpdate();
  Invalidate();
  return true;
}

CControlUI* CPaintManagerUI::FindControl(std::wstring_view name) const {
  auto it = m_names.find(CDuiString(name));
  return it == m_names.end() ? nullptr : it->second;
}

CControlUI* CPaintManagerUI::FindControl(POINT pt) const {
  // Positions changed in code since the last paint count already.
  if (m_bUpdateNeeded && !m_bInPaint) const_cast<CPaintManagerUI*>(this)->Layout();
  return m_root ? m_root->FindControlAt(pt) : nullptr;
}

void CPaintManagerUI::SetInitSize(int cx, int cy) { m_initSize = SIZE{cx, cy}; }

SIZE CPaintManagerUI::GetClientSize() const {
  IHost* host = CurrentHost();
  if (m_hWnd != nullptr && host != nullptr) {
    RECT rc = host->GetWindowRect(m_hWnd);
    return SIZE{rc.Width(), rc.Height()};
  }
  return m_initSize;
}

double CPaintManagerUI::GetScale() const {
  IHost* host = CurrentHost();
  return m_hWnd != nullptr && host != nullptr ? host->GetWindowScale(m_hWnd) : 1.0;
}

void CPaintManagerUI::AddFont(int id, const FontSpec& font) { m_fonts[id] = font; }

const FontSpec& CPaintManagerUI::GetFont(int id) const {
  auto it = m_fonts.find(id);
  return it == m_fonts.end() ? m_defaultFont : it->second;
}

bool CPaintManagerUI::AddNotifier(INotifyUI* notifier) {
  if (notifier == nullptr || std::find(m_notifiers.begin(), m_notifiers.end(), notifier) != m_notifiers.end()) {
    return false;
  }
  m_notifiers.push_back(notifier);
  return true;
}

bool CPaintManagerUI::RemoveNotifier(INotifyUI* notifier) {
  auto it = std::find(m_notifiers.begin(), m_notifiers.end(), notifier);
  if (it == m_notifiers.end()) return false;
  m_notifiers.erase(it);
  return true;
}

void CPaintManagerUI::SendNotify(CControlUI* control, std::wstring_view type, WPARAM wParam, LPARAM lParam) {
  TNotifyUI msg;
  msg.sType = CDuiString(type);
  msg.pSender = control;
  msg.wParam = wParam;
  msg.lParam = lParam;
  SendNotify(msg);
}

void CPaintManagerUI::SendNotify(TNotifyUI& msg) {
  IHost* host = CurrentHost();
  msg.dwTimestamp = host != nullptr ? static_cast<DWORD>(host->TickCount()) : 0;
  msg.ptMouse = m_ptLastMouse;
  std::weak_ptr<bool> alive = m_alive;
  ++m_dispatchDepth;
  std::vector<INotifyUI*> notifiers = m_notifiers;
  for (INotifyUI* notifier : notifiers) {
    GuardedCall("a notification handler", [&] { notifier->Notify(msg); });
    if (alive.expired()) return;  // the handler destroyed the window
  }
  if (--m_dispatchDepth == 0) m_deferred.clear();
}

bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* filter) {
  if (filter == nullptr || std::find(m_preFilters.begin(), m_preFilters.end(), filter) != m_preFilters.end()) {
    return false;
  }
  m_preFilters.push_back(filter);
  return true;
}

bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* filter) {
  auto it = std::find(m_preFilters.begin(), m_preFilters.end(), filter);
  if (it == m_preFilters.end()) return false;
  m_preFilters.erase(it);
  return true;
}

bool CPaintManagerUI::SetTimer(CControlUI* control, UINT id, UINT elapseMs) {
  IHost* host = CurrentHost();
  if (control == nullptr || m_hWnd == nullptr || host == nullptr) return false;
  auto it = std::find_if(m_timers.begin(), m_timers.end(),
                         [&](const TimerInfo& t) { return t.control == control && t.localId == id; });
  std::uintptr_t nativeId = it != m_timers.end() ? it->nativeId : m_nextTimerId++;
  if (it == m_timers.end()) m_timers.push_back(TimerInfo{control, id, nativeId});
  host->SetTimer(m_hWnd, nativeId, elapseMs);
  return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* control, UINT id) {
  auto it = std::find_if(m_timers.begin(), m_timers.end(),
                         [&](const TimerInfo& t) { return t.control == control && t.localId == id; });
  if (it == m_timers.end()) return false;
  if (IHost* host = CurrentHost(); host != nullptr && m_hWnd != nullptr) host->KillTimer(m_hWnd, it->nativeId);
  m_timers.erase(it);
  return true;
}

void CPaintManagerUI::KillTimer(CControlUI* control) { ForgetTimers(control); }

void CPaintManagerUI::ForgetTimers(CControlUI* control) {
  IHost* host = CurrentHost();
  std::erase_if(m_timers, [&](const TimerInfo& t) {
    if (control != nullptr && t.control != control) return false;
    if (host != nullptr && m_hWnd != nullptr) host->KillTimer(m_hWnd, t.nativeId);
    return true;
  });
}

void CPaintManagerUI::RemoveAllTimers() {
  ForgetTimers(nullptr);
  if (IHost* host = CurrentHost(); host != nullptr && m_hWnd != nullptr) host->KillTimer(m_hWnd, kToolTipTimer);
}

void CPaintManagerUI::SetFocus(CControlUI* control) {
  if (m_pFocus == control) return;
  CControlUI* old = m_pFocus;
  m_pFocus = control;
  if (old != nullptr) SendEvent(old, UIEVENT_KILLFOCUS, m_ptLastMouse);
  if (control != nullptr && m_pFocus == control) SendEvent(control, UIEVENT_SETFOCUS, m_ptLastMouse);
}

void CPaintManagerUI::AddOptionGroup(std::wstring_view group, CControlUI* option) {
  auto& members = m_optionGroups[CDuiString(group)];
  if (std::find(members.begin(), members.end(), option) == members.end()) members.push_back(option);
}

void CPaintManagerUI::RemoveOptionGroup(std::wstring_view group, CControlUI* option) {
  auto it = m_optionGroups.find(group);
  if (it == m_optionGroups.end()) return;
  std::erase(it->second, option);
  if (it->second.empty()) m_optionGroups.erase(it);
}

const std::vector<CControlUI*>* CPaintManagerUI::GetOptionGroup(std::wstring_view group) const {
  auto it = m_optionGroups.find(group);
  return it == m_optionGroups.end() ? nullptr : &it->second;
}

void CPaintManagerUI::InitControl(CControlUI* control) {
  if (!control->GetName().empty()) m_names.emplace(control->GetName(), control);
  NeedUpdate();
  Invalidate();
}

void CPaintManagerUI::NameChanged(CControlUI* control, const CDuiString& oldName) {
  auto it = m_names.find(oldName);
  if (it != m_names.end() && it->second == control) m_names.erase(it);
  if (!control->GetName().empty()) m_names.emplace(control->GetName(), control);
}

void CPaintManagerUI::ReapObjects(CControlUI* control) {
  if (!control->GetName().empty()) {
    auto it = m_names.find(control->GetName());
    if (it != m_names.end() && it->second == control) m_names.erase(it);
  }
  if (m_pHot == control) m_pHot = nullptr;
  if (m_pPushed == control) m_pPushed = nullptr;
  if (m_pFocus == control) m_pFocus = nullptr;
  if (m_pPopup == control) m_pPopup = nullptr;
  if (m_pToolTipControl == control) {
    m_pToolTipControl = nullptr;
    m_shownToolTip.clear();
  }
  ForgetTimers(control);
  for (auto it = m_optionGroups.begin(); it != m_optionGroups.end();) {
    std::erase(it->second, control);
    it = it->second.empty() ? m_optionGroups.erase(it) : std::next(it);
  }
  Invalidate();
}

void CPaintManagerUI::DeferDelete(std::unique_ptr<CControlUI> control) { m_deferred.push_back(std::move(control)); }

void CPaintManagerUI::SetPopup(CControlUI* popup) {
  if (m_pPopup == popup) return;
  if (m_pPushed != nullptr && m_pPushed == m_pPopup) m_pPushed = nullptr;
  if (m_pHot != nullptr && m_pHot == m_pPopup) m_pHot = nullptr;
  m_pPopup = popup;
  Invalidate();
}

void CPaintManagerUI::Invalidate() {
  if (m_bInPaint || (m_bPaintPending && m_dirty.IsAll())) return;
  m_dirty.AddAll();
  m_bPaintPending = true;
  if (IHost* host = CurrentHost(); host != nullptr && m_hWnd != nullptr) host->InvalidateWindow(m_hWnd);
}

void CPaintManagerUI::Invalidate(const RECT& rect) {
  if (m_bInPaint || m_dirty.IsAll()) return;
  RECT const client = ClientRect();
  RECT const part = IntersectRects(rect, client);
  if (part.IsEmpty()) return;
  m_dirty.Add(part, client);
  m_bPaintPending = true;
  // Every part reaches the host, pending or not: a host that presents only what it was told (Win32's
  // update region) must hear of each.
  if (IHost* host = CurrentHost(); host != nullptr && m_hWnd != nullptr) host->InvalidateWindowRect(m_hWnd, part);
}

RECT CPaintManagerUI::ClientRect() const {
  SIZE const size = GetClientSize();
  return RECT{0, 0, size.cx, size.cy};
}

void CPaintManagerUI::Layout() {
  if (!m_root) return;
  SIZE size = GetClientSize();
  m_root->SetPos(RECT{0, 0, size.cx, size.cy});
  m_bUpdateNeeded = false;
}

void CPaintManagerUI::Paint(ICanvas& canvas) { PaintRegion(canvas, {ClientRect()}); }

void CPaintManagerUI::PaintRegion(ICanvas& canvas, const std::vector<RECT>& region) {
  m_bInPaint = true;
  m_bPaintPending = false;
  m_dirty.Clear();
  if (m_bUpdateNeeded) Layout();
  RECT const client = ClientRect();
  for (const RECT& part : region) {
    // Everything that meets the part is drawn again, in order, and nothing beyond it (the whole window
    // needs no clip, and a canvas may draw differently under one).
    std::optional<ClipScope> clip;
    if (!(part == client)) clip.emplace(canvas, part);
    canvas.FillRect(part, 0xFFFFFFFF);
    if (m_root && m_root->IsVisible()) GuardedCall("painting", [&] { m_root->DoPaint(&canvas, part); });
    if (m_pPopup != nullptr) GuardedCall("painting", [&] { m_pPopup->DoPaint(&canvas, part); });
    if (!m_shownToolTip.empty()) PaintToolTip(canvas);
  }
  ++m_paintCount;
  m_bInPaint = false;
}

void CPaintManagerUI::PaintToolTip(ICanvas& canvas) {
  SIZE client = GetClientSize();
  const FontSpec& font = m_defaultFont;
  constexpr int padX = 5;
  constexpr int padY = 3;
  SIZE text = canvas.MeasureText(m_shownToolTip, font, std::max(40, client.cx - 4 * padX), DT_WORDBREAK);
  int w = text.cx + 2 * padX;
  int h = text.cy + 2 * padY;
  int x = std::clamp(m_ptToolTip.x + 8, 0, std::max(0, client.cx - w));
  int y = m_ptToolTip.y + 20;
  if (y + h > client.cy) y = std::max(0, m_ptToolTip.y - 4 - h);
  RECT box{x, y, x + w, y + h};
  canvas.FillRect(box, kToolTipBk);
  canvas.DrawFrame(box, 1, kToolTipBorder);
  canvas.DrawText(RECT{x + padX, y + padY, x + w - padX + 1, y + h - padY}, m_shownToolTip, font, kToolTipText,
                  DT_WORDBREAK);
}

void CPaintManagerUI::ShowToolTipFor(CControlUI* control) {
  HideToolTip();
  m_pToolTipControl = control;
  IHost* host = CurrentHost();
  if (control != nullptr && !control->GetToolTip().empty() && host != nullptr && m_hWnd != nullptr) {
    host->SetTimer(m_hWnd, kToolTipTimer, kToolTipDelayMs);
  }
}

void CPaintManagerUI::HideToolTip() {
  if (IHost* host = CurrentHost(); host != nullptr && m_hWnd != nullptr) host->KillTimer(m_hWnd, kToolTipTimer);
  if (!m_shownToolTip.empty()) {
    m_shownToolTip.clear();
    Invalidate();
  }
}

void CPaintManagerUI::SendEvent(CControlUI* control, UIEventType type, POINT pt, WPARAM wParam, LPARAM lParam) {
  if (control == nullptr) return;
  TEventUI event;
  event.Type = type;
  event.pSender = control;
  IHost* host = CurrentHost();
  event.dwTimestamp = host != nullptr ? static_cast<DWORD>(host->TickCount()) : 0;
  event.ptMouse = pt;
  event.wParam = wParam;
  event.lParam = lParam;
  event.wKeyState = host != nullptr ? host->KeyModifiers() : 0;
  control->DoEvent(event);
}

void CPaintManagerUI::UpdateHot(POINT pt) {
  CControlUI* hot = nullptr;
  if (m_pPopup != nullptr && m_pPopup->GetPos().Contains(pt)) hot = m_pPopup;
  else hot = FindControl(pt);
  if (hot == m_pHot) return;
  CControlUI* old = m_pHot;
  m_pHot = hot;
  SendEvent(old, UIEVENT_MOUSELEAVE, pt);
  if (m_pHot == hot) SendEvent(hot, UIEVENT_MOUSEENTER, pt);
  ShowToolTipFor(m_pHot);
}

bool CPaintManagerUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (m_hWnd == nullptr) return false;
  std::weak_ptr<bool> alive = m_alive;
  std::vector<IMessageFilterUI*> filters = m_preFilters;
  for (IMessageFilterUI* filter : filters) {
    bool handled = false;
    LRESULT r = 0;
    GuardedCall("a message filter", [&] { r = filter->MessageHandler(uMsg, wParam, lParam, handled); });
    if (alive.expired()) return true;
    if (handled) {
      result = r;
      return true;
    }
  }
  result = 0;
  ++m_dispatchDepth;
  bool consumed = HandleInput(uMsg, wParam, lParam);
  if (alive.expired()) return true;
  if (--m_dispatchDepth == 0) m_deferred.clear();
  return consumed;
}

bool CPaintManagerUI::HandleInput(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  switch (uMsg) {
    case WM_PAINT: return HandlePaint();
    case WM_SIZE:
      NeedUpdate();
      Invalidate();
      return false;
    case WM_TIMER: return HandleTimer(wParam);
    case WM_MOUSEMOVE: return HandleMouseMove(PointOf(lParam));
    case WM_MOUSELEAVE: return HandleMouseLeave();
    case WM_LBUTTONDOWN: return HandleButtonDown(UIEVENT_BUTTONDOWN, PointOf(lParam));
    case WM_LBUTTONDBLCLK: return HandleButtonDown(UIEVENT_DBLCLICK, PointOf(lParam));
    case WM_LBUTTONUP: return HandleButtonUp(PointOf(lParam));
    case WM_MOUSEWHEEL: return HandleWheel(wParam, lParam);
    case WM_KEYDOWN: return HandleKeyDown(wParam);
    case WM_CHAR: return HandleChar(wParam);
    case WM_IME_STARTCOMPOSITION: return HandleComposition(UIEVENT_IME_STARTCOMPOSITION, wParam, lParam);
    case WM_IME_COMPOSITION: return HandleComposition(UIEVENT_IME_COMPOSITION, wParam, lParam);
    case WM_IME_ENDCOMPOSITION: return HandleComposition(UIEVENT_IME_ENDCOMPOSITION, wParam, lParam);
    case WM_SETFOCUS: return HandleSetFocus();
    case WM_KILLFOCUS: return HandleKillFocus();
    default: return false;
  }
}

bool CPaintManagerUI::HandlePaint() {
  m_bPaintPending = false;
  IHost* host = CurrentHost();
  ICanvas* canvas = host != nullptr ? host->BeginPaint(m_hWnd) : nullptr;
  if (canvas == nullptr) return true;
  SIZE const size = GetClientSize();
  double const scale = GetScale();
  // The whole window when the frame is new to us, when the layout moves things, or when the host asked
  // on its own (nothing of ours is dirty: an exposed window with no frame yet).
  bool const whole = canvas != m_lastCanvas || !(size == m_lastSize) || scale != m_lastScale ||
                     m_bUpdateNeeded || m_dirty.IsEmpty();
  if (whole) m_dirty.AddAll();
  std::vector<RECT> const region = m_dirty.Rects(ClientRect());
  PaintRegion(*canvas, region);
  m_lastCanvas = canvas;
  m_lastSize = size;
  m_lastScale = scale;
  host->EndPaint(m_hWnd, region);
  return true;
}

bool CPaintManagerUI::HandleTimer(WPARAM id) {
  if (id == kToolTipTimer) {
    if (IHost* host = CurrentHost()) host->KillTimer(m_hWnd, kToolTipTimer);
    if (m_pToolTipControl != nullptr && m_pToolTipControl == m_pHot && !m_pHot->GetToolTip().empty()) {
      m_shownToolTip = m_pHot->GetToolTip();
      m_ptToolTip = m_ptLastMouse;
      Invalidate();
    }
    return true;
  }
  auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const TimerInfo& t) { return t.nativeId == id; });
  if (it == m_timers.end()) return false;
  SendEvent(it->control, UIEVENT_TIMER, m_ptLastMouse, it->localId);
  return true;
}

bool CPaintManagerUI::HandleMouseMove(POINT pt) {
  bool moved = !(pt == m_ptLastMouse) || !m_bMouseInside;
  m_ptLastMouse = pt;
  m_bMouseInside = true;
  if (m_pPushed != nullptr) {
    SendEvent(m_pPushed, UIEVENT_MOUSEMOVE, pt);
    return true;
  }
  if (moved) {
    CControlUI* before = m_pHot;
    UpdateHot(pt);
    // Resting means not moving: a move over the same control starts the wait again.
    if (before == m_pHot && m_shownToolTip.empty()) ShowToolTipFor(m_pHot);
  }
  if (m_pPopup != nullptr && m_pHot == m_pPopup) SendEvent(m_pPopup, UIEVENT_MOUSEMOVE, pt);
  return true;
}

bool CPaintManagerUI::HandleMouseLeave() {
  m_bMouseInside = false;
  HideToolTip();
  m_pToolTipControl = nullptr;
  if (m_pHot != nullptr && m_pPushed == nullptr) {
    CControlUI* old = m_pHot;
    m_pHot = nullptr;
    SendEvent(old, UIEVENT_MOUSELEAVE, m_ptLastMouse);
  }
  return true;
}

bool CPaintManagerUI::HandleButtonDown(UIEventType type, POINT pt) {
  m_ptLastMouse = pt;
  HideToolTip();
  m_pToolTipControl = nullptr;
  if (m_pPopup != nullptr) {
    if (m_pPopup->GetPos().Contains(pt)) Press(m_pPopup, type, pt);
    else SetPopup(nullptr);  // a press outside a popup only closes it
    return true;
  }
  CControlUI* control = FindControl(pt);
  if (control == nullptr) return true;
  if (m_pFocus != nullptr && m_pFocus != control) SetFocus(nullptr);
  if (control->IsEnabled()) Press(control, type, pt);
  return true;
}

// The pushed control gets the pointer until the release, wherever it goes.
void CPaintManagerUI::Press(CControlUI* control, UIEventType type, POINT pt) {
  m_pPushed = control;
  if (IHost* host = CurrentHost()) host->SetMouseCapture(m_hWnd, true);
  SendEvent(control, type, pt);
}

bool CPaintManagerUI::HandleButtonUp(POINT pt) {
  m_ptLastMouse = pt;
  if (IHost* host = CurrentHost()) host->SetMouseCapture(m_hWnd, false);
  CControlUI* pushed = m_pPushed;
  m_pPushed = nullptr;
  SendEvent(pushed, UIEVENT_BUTTONUP, pt);
  return true;
}

bool CPaintManagerUI::HandleWheel(WPARAM wParam, LPARAM lParam) {
  IHost* host = CurrentHost();
  RECT window = host != nullptr ? host->GetWindowRect(m_hWnd) : RECT{};
  POINT pt{GET_X_LPARAM(lParam) - window.left, GET_Y_LPARAM(lParam) - window.top};
  auto delta = static_cast<WPARAM>(static_cast<LPARAM>(GET_WHEEL_DELTA_WPARAM(wParam)));
  HideToolTip();
  if (m_pPopup != nullptr) {
    if (m_pPopup->GetPos().Contains(pt)) SendEvent(m_pPopup, UIEVENT_SCROLLWHEEL, pt, delta);
    return true;
  }
  SendEvent(FindControl(pt), UIEVENT_SCROLLWHEEL, pt, delta);
  return true;
}

bool CPaintManagerUI::HandleKeyDown(WPARAM key) {
  HideToolTip();
  if (m_pPopup != nullptr) {
    SendEvent(m_pPopup, UIEVENT_KEYDOWN, m_ptLastMouse, key);
    return true;
  }
  if (m_pFocus == nullptr) return false;
  SendEvent(m_pFocus, UIEVENT_KEYDOWN, m_ptLastMouse, key);
  return true;
}

bool CPaintManagerUI::HandleChar(WPARAM character) {
  if (m_pFocus == nullptr) return false;
  SendEvent(m_pFocus, UIEVENT_CHAR, m_ptLastMouse, character);
  return true;
}

bool CPaintManagerUI::HandleComposition(UIEventType type, WPARAM wParam, LPARAM lParam) {
  if (m_pFocus == nullptr) return false;
  SendEvent(m_pFocus, type, m_ptLastMouse, wParam, lParam);
  return true;
}

bool CPaintManagerUI::HandleSetFocus() {
  m_bWindowFocused = true;
  if (m_pFocus != nullptr) m_pFocus->Invalidate();  // its caret shows again
  return false;
}

bool CPaintManagerUI::HandleKillFocus() {
  m_bWindowFocused = false;
  if (m_pFocus != nullptr) m_pFocus->Invalidate();
  HideToolTip();
  SetPopup(nullptr);
  if (m_pPushed != nullptr) {
    CControlUI* pushed = m_pPushed;
    m_pPushed = nullptr;
    // A release far outside any control: the pushed state ends without a click.
    SendEvent(pushed, UIEVENT_BUTTONUP, POINT{std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::min() / 2});
  }
  return false;
}

}  // namespace DuiLib
