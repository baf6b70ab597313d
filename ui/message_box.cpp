#include "ui/message_box.h"

#include "ui/host/host.h"
#include "ui/message_box_wnd.h"

namespace DuiLib {

int MessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags) {
  if (CurrentHost() == nullptr) return IDCANCEL;
  // The owner's default font keeps the box in the skin's face.
  FontSpec font;
  font.size = 14;
  if (auto* window = dynamic_cast<WindowImplBase*>(CWindowWnd::FromHandle(owner))) {
    font = window->GetPaintManager().GetDefaultFont();
  }
  CMessageBoxWnd box(text, caption, flags, font);
  if (box.Create(owner, caption, UI_WNDSTYLE_DIALOG & ~WS_VISIBLE, 0, 0, 0, CMessageBoxWnd::kWidth,
                 CMessageBoxWnd::kHeight) == nullptr) {
    return IDCANCEL;
  }
  box.CenterWindow();
  int answer = static_cast<int>(box.ShowModal());
  return answer == IDOK ? IDOK : IDCANCEL;
}

}  // namespace DuiLib
