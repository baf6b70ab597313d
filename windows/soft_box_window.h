#pragma once
// SoftBoxWindow: the tool box ("应用") the main window opens on "btn_app". A 526 × 526 window from
// "soft_box.xml" whose row of tool buttons ("hor_tools") folds away and unfolds; the tools start nothing.
//
// Lifetime: a heap object. The opener keeps no reference; the box deletes itself on its final message,
// after its own close button or the window manager closed it. Boxes still open when the program ends are
// destroyed by DestroyOpenBoxes.
#include <functional>
#include <map>
#include <string>

#include "ui/ui_framework.h"

// What a tool button starts, by the button's name; a tool without one does nothing.
using ToolActions = std::map<std::wstring, std::function<void()>, std::less<>>;

class SoftBoxWindow : public DuiLib::WindowImplBase {
 public:
  SoftBoxWindow();
  ~SoftBoxWindow() override;

  // Creates a new box, centred and shown, whose tools start `actions`. Null (the object already gone) when its
  // skin cannot be loaded.
  static SoftBoxWindow* Open(ToolActions actions = {});
  // Destroys every box still open (each deletes itself); the program calls it once its loop has ended.
  static void DestroyOpenBoxes();
  static int OpenBoxCount();

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"SoftBoxWindow"; }
  void Notify(DuiLib::TNotifyUI& msg) override;
  void OnFinalMessage(DuiLib::HWND window) override;
  DuiLib::LRESULT HandleCustomMessage(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam,
                                      bool& handled) override;

  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return L"soft_box.xml"; }

 private:
  // Shows `shown` (when present) and, only when the tool row exists, sets its visibility and hides the
  // button that was clicked.
  void SetToolRowVisible(bool visible, DuiLib::CControlUI* clicked, std::wstring_view shown);

  ToolActions actions;
};
