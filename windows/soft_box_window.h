#pragma once
// SoftBoxWindow: the tool box ("应用") the main window opens on "btn_app". A 526 × 526 window from
// "soft_box.xml" whose row of tool buttons ("hor_tools") folds away and unfolds. A tool starts what the
// tool table (soft_box_window.cpp) gives it; a tool without an action looks disabled and says so on hover.
//
// Lifetime: a heap object. The opener keeps no reference; the box deletes itself on its final message,
// after its own close button or the window manager closed it. Boxes still open when the program ends are
// destroyed by DestroyOpenBoxes.
#include <functional>
#include <string_view>

#include "ui/ui_framework.h"

// The tooltip of a tool that has no function yet (here and in the main window's header).
inline constexpr std::wstring_view kNotProvidedTip = L"尚未提供";

// What the tools that work on the main window's day start; the main window gives them when it opens a box.
struct ToolActions {
  std::function<void()> openNote;  // 记事本: the note of the selected day
  std::function<void()> openMemo;  // 备忘: every note
};

class SoftBoxWindow : public DuiLib::WindowImplBase {
 public:
  SoftBoxWindow();
  ~SoftBoxWindow() override;

  // Creates a new box, centred (moved down and right past any box already there, so that every box shows)
  // and shown. Null (the object already gone) when its skin cannot be loaded.
  static SoftBoxWindow* Open(ToolActions actions = {});
  // Destroys every box still open (each deletes itself); the program calls it once its loop has ended.
  static void DestroyOpenBoxes();
  static int OpenBoxCount();

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"SoftBoxWindow"; }
  // Disables the tools that have no action.
  void InitWindow() override;
  void Notify(DuiLib::TNotifyUI& msg) override;
  void OnFinalMessage(DuiLib::HWND window) override;
  DuiLib::LRESULT HandleCustomMessage(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam,
                                      bool& handled) override;

  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return L"soft_box.xml"; }

  const ToolActions& Actions() const { return actions; }

 private:
  // Shows `shown` (when present) and, only when the tool row exists, sets its visibility and hides the
  // button that was clicked.
  void SetToolRowVisible(bool visible, DuiLib::CControlUI* clicked, std::wstring_view shown);
  // Steps the box down and right from its place while another box stands there.
  void MoveClearOfOtherBoxes();

  ToolActions actions;
};
