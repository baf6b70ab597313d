#pragma once
// The demo window: every control of the framework on one skin (ui/demo/skin/demo.xml). It reports the
// last notification it got, counts seconds with a control timer, and asks the confirmation box on demand.
// It keeps what the user typed into its multi-line field, which ui-demo prints when it ends.
#include "ui/ui_framework.h"

namespace demo {

class DemoWindow : public DuiLib::WindowImplBase {
 public:
  DuiLib::LPCTSTR GetWindowClassName() const override { return L"DemoWindow"; }
  void InitWindow() override;
  void Notify(DuiLib::TNotifyUI& msg) override;
  void OnFinalMessage(DuiLib::HWND window) override;

  static constexpr DuiLib::UINT kSecondTimer = 1;

  // The multi-line field's text after the user's last change; false until there was one.
  bool NoteTyped() const { return m_noteTyped; }
  const std::wstring& NoteText() const { return m_noteText; }

 protected:
  DuiLib::CDuiString GetSkinFolder() override { return L"demo_skin/"; }
  DuiLib::CDuiString GetSkinFile() override { return L"demo.xml"; }

 private:
  void SetLabel(std::wstring_view name, const std::wstring& text);

  int m_seconds = 0;
  bool m_noteTyped = false;
  std::wstring m_noteText;
};

}  // namespace demo
