#pragma once
// CLabelUI: text in a rectangle with a font of the window's font table, colours, alignment and insets.
#include "ui/control_ui.h"

namespace DuiLib {

class CLabelUI : public CControlUI {
 public:
  CLabelUI();
  std::wstring_view GetClass() const override;

  DWORD GetTextColor() const { return m_dwTextColor; }
  void SetTextColor(DWORD argb);  // 0: the window's default font colour
  DWORD GetDisabledTextColor() const { return m_dwDisabledTextColor; }
  void SetDisabledTextColor(DWORD argb);  // 0: the window's default disabled colour
  int GetFont() const { return m_iFont; }
  void SetFont(int index);  // index into the window's font table; -1: the default font
  UINT GetTextStyle() const { return m_uTextStyle; }
  void SetTextStyle(UINT style);  // DT_* flags
  const RECT& GetTextPadding() const { return m_rcTextPadding; }
  void SetTextPadding(const RECT& rc);

  AttributeResult ApplyAttribute(std::wstring_view name, std::wstring_view value) override;
  void PaintText(HDC hDC) override;

 protected:
  // The text rectangle: the item rectangle moved inwards by the padding.
  RECT TextRect() const;

  DWORD m_dwTextColor = 0;
  DWORD m_dwDisabledTextColor = 0;
  int m_iFont = -1;
  UINT m_uTextStyle = DT_VCENTER | DT_SINGLELINE;
  RECT m_rcTextPadding;
};

}  // namespace DuiLib
