#pragma once
// CPaintManagerUI: one per window. It owns the control tree built from the skin and keeps everything about
// the window's controls in one place: the name map, hot/pushed/focused tracking, option groups, timers,
// notifications and message filters, the font table and default colours, the drop-down popup, tooltips,
// invalidation and painting.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/dirty_region.h"
#include "ui/notify.h"
#include "ui/render/canvas.h"
#include "ui/ui_defs.h"

namespace DuiLib {

class CControlUI;

class CPaintManagerUI {
 public:
  CPaintManagerUI();
  ~CPaintManagerUI();
  CPaintManagerUI(const CPaintManagerUI&) = delete;
  CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

  // Process-wide set-up.
  static void SetInstance(void* instance);  // recorded only; kept for the classic entry point
  static void* GetInstance();
  // The folder that skin folders are looked up in: the executable's folder unless set (tests set it).
  static void SetInstancePath(const std::string& folder);
  static std::string GetInstancePath();
  // Runs the host's message loop until the quit message; returns its exit code.
  static int MessageLoop();

  // The window.
  void Init(HWND window);
  HWND GetPaintWindow() const { return m_hWnd; }
  // The skin folder of this window (full path, ends with a separator); image names resolve against it.
  void SetResourcePath(const std::string& folder);
  const std::string& GetResourcePath() const { return m_resourcePath; }
  // The path of a file of the skin folder, or empty when the name would leave the folder (an absolute name,
  // a ".." component: ui/resource_path.h), which is reported once on standard error. Every image a control
  // draws is resolved here, so a name from data (the festival picture of a database) cannot escape.
  std::string ResolveFile(std::wstring_view file) const;

  // The control tree. AttachDialog takes ownership of the root.
  bool AttachDialog(CControlUI* root);
  CControlUI* GetRoot() const { return m_root.get(); }
  CControlUI* FindControl(std::wstring_view name) const;
  CControlUI* FindControl(POINT pt) const;  // topmost visible control at a client point, or null

  // Window properties from the skin.
  SIZE GetInitSize() const { return m_initSize; }
  void SetInitSize(int cx, int cy);
  SIZE GetClientSize() const;
  // The display scale the host draws this window at (ui/device_scale.h). Everything here stays in logical
  // pixels: a rectangle handed to the host (a caret, a region to repaint) is logical, and the host maps it.
  double GetScale() const;
  const RECT& GetCaptionRect() const { return m_rcCaption; }  // insets: left, top, right, bottom
  void SetCaptionRect(const RECT& rc) { m_rcCaption = rc; }
  DWORD GetDefaultFontColor() const { return m_dwDefaultFontColor; }
  void SetDefaultFontColor(DWORD argb) { m_dwDefaultFontColor = argb; }
  DWORD GetDefaultDisabledColor() const { return m_dwDefaultDisabledColor; }
  void SetDefaultDisabledColor(DWORD argb) { m_dwDefaultDisabledColor = argb; }

  // The font table: fonts by id; -1 or an unknown id means the default font.
  void AddFont(int id, const FontSpec& font);
  const FontSpec& GetFont(int id) const;
  const FontSpec& GetDefaultFont() const { return m_defaultFont; }
  void SetDefaultFont(const FontSpec& font) { m_defaultFont = font; }

  // Notifications go to every notifier, in the order they were added.
  bool AddNotifier(INotifyUI* notifier);
  bool RemoveNotifier(INotifyUI* notifier);
  void SendNotify(CControlUI* control, std::wstring_view type, WPARAM wParam = 0, LPARAM lParam = 0);
  void SendNotify(TNotifyUI& msg);
  bool AddPreMessageFilter(IMessageFilterUI* filter);
  bool RemovePreMessageFilter(IMessageFilterUI* filter);

  // Timers: every `elapseMs` the control gets UIEVENT_TIMER (wParam `id`), which a control that does not
  // take it for itself passes on as a "timer" notification (sender `control`, wParam `id`).
  bool SetTimer(CControlUI* control, UINT id, UINT elapseMs);
  bool KillTimer(CControlUI* control, UINT id);
  void KillTimer(CControlUI* control);  // all of the control's timers
  void RemoveAllTimers();

  // Input tracking. The pointers are weak: they are cleared when a control leaves the window.
  CControlUI* GetFocus() const { return m_pFocus; }
  void SetFocus(CControlUI* control);
  // Whether the native window has the keyboard focus (a focused control shows its caret only then).
  bool IsWindowFocused() const { return m_bWindowFocused; }
  CControlUI* GetHot() const { return m_pHot; }
  CControlUI* GetPushed() const { return m_pPushed; }
  POINT GetMousePos() const { return m_ptLastMouse; }

  // Option groups: the options of the window with that group name, in the order they joined.
  void AddOptionGroup(std::wstring_view group, CControlUI* option);
  void RemoveOptionGroup(std::wstring_view group, CControlUI* option);
  const std::vector<CControlUI*>* GetOptionGroup(std::wstring_view group) const;

  // Called by controls as they join, rename and leave the window.
  void InitControl(CControlUI* control);
  void NameChanged(CControlUI* control, const CDuiString& oldName);
  void ReapObjects(CControlUI* control);

  // Controls removed while a message is being handled are deleted when it is done, so a handler never
  // pulls the control that raised its notification from under the code that raised it.
  bool IsDispatching() const { return m_dispatchDepth > 0; }
  void DeferDelete(std::unique_ptr<CControlUI> control);

  // A popup drawn over the window that sees input first (the combo's drop-down list). One at a time; a
  // press outside it closes it (through its owner) and is not passed on.
  void SetPopup(CControlUI* popup);
  CControlUI* GetPopup() const { return m_pPopup; }

  // The tooltip now shown, or empty.
  const CDuiString& GetShownToolTip() const { return m_shownToolTip; }
  static constexpr UINT kToolTipDelayMs = 500;

  // Invalidation and painting. The window keeps the logical rectangles that need repainting
  // (ui/dirty_region.h): Invalidate() marks the whole window, Invalidate(rect) a part of it (a control
  // marks its own rectangle). WM_PAINT repaints only those, clipped to them, and the host shows only them.
  void Invalidate();
  void Invalidate(const RECT& rect);
  void NeedUpdate() { m_bUpdateNeeded = true; }
  bool IsPaintPending() const { return m_bPaintPending; }
  // Lays the tree out (when needed) and paints the whole frame, popup and tooltip included.
  void Paint(ICanvas& canvas);
  std::uint64_t GetPaintCount() const { return m_paintCount; }

  // The window's messages: pre-filters first, then input tracking, timers and painting. True when the
  // message was consumed (its result in `result`).
  bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  struct TimerInfo {
    CControlUI* control;
    UINT localId;
    std::uintptr_t nativeId;
  };

  void Layout();
  RECT ClientRect() const;
  void PaintRegion(ICanvas& canvas, const std::vector<RECT>& region);
  void UpdateHot(POINT pt);
  void ShowToolTipFor(CControlUI* control);
  void HideToolTip();
  void PaintToolTip(ICanvas& canvas);
  // One handler per kind of message; each answers whether it consumed the message.
  bool HandleInput(UINT uMsg, WPARAM wParam, LPARAM lParam);
  bool HandlePaint();
  bool HandleTimer(WPARAM id);
  bool HandleMouseMove(POINT pt);
  bool HandleMouseLeave();
  bool HandleButtonDown(UIEventType type, POINT pt);
  void Press(CControlUI* control, UIEventType type, POINT pt);
  bool HandleButtonUp(POINT pt);
  bool HandleWheel(WPARAM wParam, LPARAM lParam);
  bool HandleKeyDown(WPARAM key);
  bool HandleChar(WPARAM character);
  bool HandleSetFocus();
  bool HandleKillFocus();
  bool HandleComposition(UIEventType type, WPARAM wParam, LPARAM lParam);
  void SendEvent(CControlUI* control, UIEventType type, POINT pt, WPARAM wParam = 0, LPARAM lParam = 0);
  void ForgetTimers(CControlUI* control);

  HWND m_hWnd = nullptr;
  std::string m_resourcePath;
  std::unique_ptr<CControlUI> m_root;
  std::unordered_map<CDuiString, CControlUI*> m_names;
  std::map<CDuiString, std::vector<CControlUI*>, std::less<>> m_optionGroups;
  std::vector<INotifyUI*> m_notifiers;
  std::vector<IMessageFilterUI*> m_preFilters;
  std::vector<TimerInfo> m_timers;
  std::uintptr_t m_nextTimerId = 1;

  SIZE m_initSize;
  RECT m_rcCaption;
  DWORD m_dwDefaultFontColor = 0xFF000000;
  DWORD m_dwDefaultDisabledColor = 0xFFA7A6AA;
  FontSpec m_defaultFont;
  std::map<int, FontSpec> m_fonts;

  CControlUI* m_pFocus = nullptr;
  CControlUI* m_pHot = nullptr;
  CControlUI* m_pPushed = nullptr;
  CControlUI* m_pPopup = nullptr;
  POINT m_ptLastMouse;
  bool m_bMouseInside = false;
  bool m_bWindowFocused = false;

  CControlUI* m_pToolTipControl = nullptr;  // the control the pointer rests on, waiting or shown
  CDuiString m_shownToolTip;
  POINT m_ptToolTip;

  int m_dispatchDepth = 0;
  std::vector<std::unique_ptr<CControlUI>> m_deferred;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
  bool m_bInPaint = false;

  bool m_bUpdateNeeded = true;
  bool m_bPaintPending = false;
  DirtyRegion m_dirty;
  // What the last paint drew on: another canvas, size or scale means a frame with nothing of ours on it.
  const ICanvas* m_lastCanvas = nullptr;
  SIZE m_lastSize;
  double m_lastScale = 0;
  std::uint64_t m_paintCount = 0;
};

}  // namespace DuiLib
