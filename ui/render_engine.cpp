#include "ui/render_engine.h"

#include "ui/paint_manager_ui.h"

namespace DuiLib {
namespace {
const FontSpec& FontOf(CPaintManagerUI* manager, int font) {
  static const FontSpec fallback;
  return manager != nullptr ? manager->GetFont(font) : fallback;
}
}  // namespace

void CRenderEngine::DrawTextW(HDC hDC, CPaintManagerUI* manager, const RECT& rc, std::wstring_view text, DWORD color,
                              int font, UINT style) {
  if (hDC == nullptr || text.empty() || rc.IsEmpty()) return;
  // Text colours are RGB words: an alpha byte of 0 does not make text invisible.
  hDC->DrawText(rc, text, FontOf(manager, font), color | 0xFF000000u, style);
}

void CRenderEngine::DrawColor(HDC hDC, const RECT& rc, DWORD color) {
  if (hDC == nullptr || (color & 0xFF000000u) == 0 || rc.IsEmpty()) return;
  hDC->FillRect(rc, color);
}

void CRenderEngine::DrawRect(HDC hDC, const RECT& rc, int size, DWORD color) {
  if (hDC == nullptr || size <= 0 || (color & 0xFF000000u) == 0 || rc.IsEmpty()) return;
  hDC->DrawFrame(rc, size, color);
}

SIZE CRenderEngine::GetTextSize(HDC hDC, CPaintManagerUI* manager, std::wstring_view text, int font, UINT style,
                                int maxWidth) {
  if (hDC == nullptr || text.empty()) return SIZE{};
  return hDC->MeasureText(text, FontOf(manager, font), maxWidth, style);
}

}  // namespace DuiLib
