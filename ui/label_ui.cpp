#include "ui/label_ui.h"

#include "ui/attribute_parse.h"
#include "ui/paint_manager_ui.h"
#include "ui/render_engine.h"

namespace DuiLib {
namespace {

// A flag over style bits: true sets the `On` bits and clears the `Off` bits, false the reverse.
template <UINT On, UINT Off>
bool ApplyStyleFlag(CLabelUI& label, std::wstring_view value) {
  auto flag = ParseBool(value);
  if (flag) label.SetTextStyle(*flag ? ((label.GetTextStyle() | On) & ~Off) : ((label.GetTextStyle() | Off) & ~On));
  return flag.has_value();
}

bool ApplyAlign(CLabelUI& label, std::wstring_view value) {
  UINT style = label.GetTextStyle() & ~(DT_CENTER | DT_RIGHT);
  if (value == L"center") style |= DT_CENTER;
  else if (value == L"right") style |= DT_RIGHT;
  else if (value != L"left") return false;
  label.SetTextStyle(style);
  return true;
}

bool ApplyVAlign(CLabelUI& label, std::wstring_view value) {
  UINT style = label.GetTextStyle() & ~(DT_VCENTER | DT_BOTTOM);
  if (value == L"vcenter" || value == L"center") style |= DT_VCENTER;
  else if (value == L"bottom") style |= DT_BOTTOM;
  else if (value != L"top") return false;
  label.SetTextStyle(style);
  return true;
}

constexpr Attribute<CLabelUI> kLabelAttributes[] = {
    ColorAttribute<&CLabelUI::SetTextColor>(L"textcolor"),
    ColorAttribute<&CLabelUI::SetDisabledTextColor>(L"disabledtextcolor"),
    IntAttribute<&CLabelUI::SetFont, kFontIndexRange>(L"font"),
    RectAttribute<&CLabelUI::SetTextPadding, kCoordinateRange>(L"textpadding"),
    {L"align", &ApplyAlign, {ValueKind::Choice, {}, "left, center or right"}},
    {L"valign", &ApplyVAlign, {ValueKind::Choice, {}, "top, vcenter (or center) or bottom"}},
    {L"endellipsis", &ApplyStyleFlag<DT_END_ELLIPSIS, 0>, {ValueKind::Flag}},
    // Wrapping and a single line exclude each other.
    {L"multiline", &ApplyStyleFlag<DT_WORDBREAK, DT_SINGLELINE>, {ValueKind::Flag}},
    {L"wordbreak", &ApplyStyleFlag<DT_WORDBREAK, DT_SINGLELINE>, {ValueKind::Flag}},
};

}  // namespace

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

AttributeResult CLabelUI::ApplyAttribute(std::wstring_view name, std::wstring_view value) {
  AttributeResult result = ApplyFromTable<CLabelUI>(kLabelAttributes, *this, name, value);
  return result.status == AttributeStatus::UnknownName ? CControlUI::ApplyAttribute(name, value) : result;
}

RECT CLabelUI::TextRect() const {
  // In 64 bits: a padding set in code may be any int.
  return RECT{ClampCoordinate(0LL + m_rcItem.left + m_rcTextPadding.left),
              ClampCoordinate(0LL + m_rcItem.top + m_rcTextPadding.top),
              ClampCoordinate(0LL + m_rcItem.right - m_rcTextPadding.right),
              ClampCoordinate(0LL + m_rcItem.bottom - m_rcTextPadding.bottom)};
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
