#pragma once
// WindowImplBase: the base of the program's windows. On WM_CREATE it loads the skin file named by
// GetSkinFile() from GetSkinFolder() (resolved against CPaintManagerUI::GetInstancePath()), builds the
// controls, asks FindSkinProblem, sizes the window to the skin's "size", calls InitWindow and raises
// "windowinit". Messages go
// through the On* hooks, then HandleCustomMessage, then the paint manager (whose first pre-filter is this
// window's MessageHandler), then CWindowWnd's default handling.
#include <string>

#include "ui/dialog_builder.h"
#include "ui/notify.h"
#include "ui/paint_manager_ui.h"
#include "ui/window_wnd.h"

namespace DuiLib {

class WindowImplBase : public CWindowWnd, public INotifyUI, public IMessageFilterUI, public IDialogBuilderCallback {
 public:
  WindowImplBase();
  ~WindowImplBase() override;

  CPaintManagerUI& GetPaintManager() { return m_PaintManager; }
  // The skin problem that made the last Create fail (empty when it did not).
  const std::string& GetSkinError() const { return m_skinError; }

  virtual void InitWindow() {}
  void Notify(TNotifyUI& msg) override;  // default: "click" goes to OnClick
  virtual void OnClick(TNotifyUI& msg);
  CControlUI* CreateControl(std::wstring_view className) override;  // default: none of its own
  LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // The hooks are public, as in the classic framework, so that tests can call them directly.
  virtual CDuiString GetSkinFolder() = 0;  // e.g. L"skin\\"
  virtual CDuiString GetSkinFile() = 0;    // e.g. L"main.xml"
  // The skin as XML text instead of the file (the framework's own windows carry theirs); empty: the file.
  virtual std::string GetSkinText();
  // Asked once the skin's controls are built, before InitWindow: what this window cannot work without and
  // the skin lacks (MissingControls in ui/required_controls.h), or empty. An answer fails Create like a
  // malformed skin: "skin error: FILE: ANSWER" on standard error and in GetSkinError().
  virtual std::string FindSkinProblem();

  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND window) override;
  virtual LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);

  virtual LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnKeyDown(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnChar(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnMouseWheel(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnLButtonDown(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnLButtonUp(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnSetFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled);

 protected:
  // Caption hit test helpers: the client-coordinate point of a WM_NCHITTEST and the client rectangle.
  POINT ScreenToClient(POINT screen) const;
  RECT GetClientRect() const;
  static bool ScreenToClient(HWND window, POINT* point);
  static bool GetClientRect(HWND window, RECT* rect);

  CPaintManagerUI m_PaintManager;
  std::string m_skinError;
};

}  // namespace DuiLib
