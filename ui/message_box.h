#pragma once
// The confirmation box: a small modal framework window (the skin's default font, so Chinese text shows) with
// the text, OK (and Cancel for MB_OKCANCEL); Enter answers OK, Escape and the close request Cancel.
#include <string_view>

#include "ui/ui_defs.h"

namespace DuiLib {

int MessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags);
inline int MessageBoxW(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags) {
  return MessageBox(owner, text, caption, flags);
}

}  // namespace DuiLib
