#include "ui/label_ui.h"

#include "ui/attribute_parse.h"
#include "ui/paint_manager_ui.h"
#include "ui/render_engine.h"

namespace DuiLib {

CLabelUI::CLabelUI() = default;

std::wstring_view CLabelUI::GetClass() const { return L"LabelUI"; }

void CLabelUI::SetTextColor(DWORD argb) {
  if (m_dwTextColor == argb) return;
  m_dwTextColor = argb;
  Invalidate();
}

void CLabelUI::SetDisabledTextColor(DWORD argb) {
  if (m_dwDisabledTextColor == argb) return;
  m_dwDisabledTextColor = argb;
  Invalidate();
}

void CLabelUI::SetFont(int index) {
  if (m_iFont == index) return;
  m_iFont = index;
  Invalidate();
}

void CLabelUI::SetTextStyle(UINT style) {
  if (m_uTextStyle == style) return;
  m_uTextStyle = style;
  Invalidate();
}

void CLabelUI::SetTextPadding(const RECT& rc) {
  if (m_rcTextPadding == rc) return;
  m_rcTextPadding = rc;
  Invalidate();
}

bool CLabelUI::SetAttribute(std::wstring_view name, std::wstring_view value) {
  if (name == L"textcolor") {
    auto c = ParseColor(value);
    if (!c) return false;
    SetTextColor(*c);
  } else if (name == L"disabledtextcolor") {
    auto c = ParseColor(value);
    if (!c) return false;
    SetDisabledTextColor(*c);
  } else if (name == L"font") {
    auto v = ParseInt(value);
    if (!v) return false;
    SetFont(*v);
  } else if (name == L"textpadding") {
    auto rc = ParseRect(value);
    if (!rc) return false;
    SetTextPadding(*rc);
  } else if (name == L"align") {
    UINT style = m_uTextStyle & ~(DT_CENTER | DT_RIGHT);
    if (value == L"center") style |= DT_CENTER;
    else if (value == L"right") style |= DT_RIGHT;
    else if (value != L"left") return false;
    SetTextStyle(style);
  } else if (name == L"valign") {
    UINT style = m_uTextStyle & ~(DT_VCENTER | DT_BOTTOM);
    if (value == L"vcenter" || value == L"center") style |= DT_VCENTER;
    else if (value == L"bottom") style |= DT_BOTTOM;
    else if (value != L"top") return false;
    SetTextStyle(style);
  } else if (name == L"endellipsis") {
    auto v = ParseBool(value);
    if (!v) return false;
    SetTextStyle(*v ? (m_uTextStyle | DT_END_ELLIPSIS) : (m_uTextStyle & ~DT_END_ELLIPSIS));
  } else if (name == L"multiline" || name == L"wordbreak") {
    auto v = ParseBool(value);
    if (!v) return false;
    SetTextStyle(*v ? ((m_uTextStyle | DT_WORDBREAK) & ~DT_SINGLELINE)
                    : ((m_uTextStyle | DT_SINGLELINE) & ~DT_WORDBREAK));
  } else {
    return CControlUI::SetAttribute(name, value);
  }
  return true;
}

RECT CLabelUI::TextRect() const {
  return RECT{m_rcItem.left + m_rcTextPadding.left, m_rcItem.top + m_rcTextPadding.top,
              m_rcItem.right - m_rcTextPadding.right, m_rcItem.bottom - m_rcTextPadding.bottom};
}

void CLabelUI::PaintText(HDC hDC) {
  CDuiString text = GetText();
  if (text.empty() || m_pManager == nullptr) return;
  DWORD color = m_dwTextColor != 0 ? m_dwTextColor : m_pManager->GetDefaultFontColor();
  if (!IsEnabled()) {
    color = m_dwDisabledTextColor != 0 ? m_dwDisabledTextColor : m_pManager->GetDefaultDisabledColor();
  }
  CRenderEngine::DrawTextW(hDC, m_pManager, TextRect(), text, color, m_iFont, m_uTextStyle);
}

}  // namespace DuiLib
