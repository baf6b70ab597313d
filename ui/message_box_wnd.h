#pragma once
// The window behind MessageBox: caption, text, OK and (for MB_OKCANCEL) Cancel. Enter answers OK; Escape
// and a close request answer Cancel.
#include <string>

#include "ui/window_impl_base.h"

namespace DuiLib {

class CMessageBoxWnd : public WindowImplBase {
 public:
  CMessageBoxWnd(std::wstring_view text, std::wstring_view caption, UINT flags, const FontSpec& font);

  LPCTSTR GetWindowClassName() const override { return L"MessageBoxWnd"; }
  void InitWindow() override;
  void Notify(TNotifyUI& msg) override;
  LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled) override;

  static constexpr int kWidth = 300;
  static constexpr int kHeight = 150;

 protected:
  CDuiString GetSkinFolder() override { return L""; }
  CDuiString GetSkinFile() override { return L"message_box.xml"; }
  std::string GetSkinText() override;

 private:
  CDuiString m_text;
  CDuiString m_caption;
  UINT m_flags;
  FontSpec m_font;
};

}  // namespace DuiLib
