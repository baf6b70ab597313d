#pragma once
// CRenderEngine: the drawing helpers controls use; they resolve colours and fonts of a window's manager and
// paint through the canvas.
#include <string_view>

#include "ui/render/canvas.h"
#include "ui/ui_defs.h"

namespace DuiLib {

class CPaintManagerUI;

class CRenderEngine {
 public:
  // Text in `rc` with a colour word, the font `font` of the manager's font table and DT_* `style`.
  // A text colour's alpha byte is ignored (text is drawn opaque), so code may write 0x00RRGGBB words.
  static void DrawTextW(HDC hDC, CPaintManagerUI* manager, const RECT& rc, std::wstring_view text, DWORD color,
                        int font, UINT style);
  static void DrawColor(HDC hDC, const RECT& rc, DWORD color);  // nothing for alpha 0
  static void DrawRect(HDC hDC, const RECT& rc, int size, DWORD color);
  static SIZE GetTextSize(HDC hDC, CPaintManagerUI* manager, std::wstring_view text, int font, UINT style,
                          int maxWidth = 0);
};

}  // namespace DuiLib
