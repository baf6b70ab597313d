#include "ui/button_ui.h"

#include "ui/paint_manager_ui.h"
#include "ui/render_engine.h"

namespace DuiLib {
namespace {

constexpr Attribute<CButtonUI> kButtonAttributes[] = {
    TextAttribute<&CButtonUI::SetNormalImage>(L"normalimage"),
    TextAttribute<&CButtonUI::SetHotImage>(L"hotimage"),
    TextAttribute<&CButtonUI::SetPushedImage>(L"pushedimage"),
    TextAttribute<&CButtonUI::SetDisabledImage>(L"disabledimage"),
    ColorAttribute<&CButtonUI::SetHotBkColor>(L"hotbkcolor"),
    ColorAttribute<&CButtonUI::SetPushedBkColor>(L"pushedbkcolor"),
    ColorAttribute<&CButtonUI::SetHotTextColor>(L"hottextcolor"),
};

}  // namespace

CButtonUI::CButtonUI() { m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER; }

std::wstring_view CButtonUI::GetClass() const { return L"ButtonUI"; }

void CButtonUI::SetNormalImage(std::wstring_view file) {
  m_sNormalImage = CDuiString(file);
  Invalidate();
}
void CButtonUI::SetHotImage(std::wstring_view file) {
  m_sHotImage = CDuiString(file);
  Invalidate();
}
void CButtonUI::SetPushedImage(std::wstring_view file) {
  m_sPushedImage = CDuiString(file);
  Invalidate();
}
void CButtonUI::SetDisabledImage(std::wstring_view file) {
  m_sDisabledImage = CDuiString(file);
  Invalidate();
}
void CButtonUI::SetHotBkColor(DWORD argb) {
  m_dwHotBkColor = argb;
  Invalidate();
}
void CButtonUI::SetPushedBkColor(DWORD argb) {
  m_dwPushedBkColor = argb;
  Invalidate();
}
void CButtonUI::SetHotTextColor(DWORD argb) {
  m_dwHotTextColor = argb;
  Invalidate();
}

AttributeResult CButtonUI::ApplyAttribute(std::wstring_view name, std::wstring_view value) {
  AttributeResult result = ApplyFromTable<CButtonUI>(kButtonAttributes, *this, name, value);
  return result.status == AttributeStatus::UnknownName ? CLabelUI::ApplyAttribute(name, value) : result;
}

void CButtonUI::DoEvent(TEventUI& event) {
  switch (event.Type) {
    case UIEVENT_MOUSEENTER:
      if (IsEnabled()) {
        m_bHot = true;
        Invalidate();
      }
      break;
    case UIEVENT_MOUSELEAVE:
      if (m_bHot) {
        m_bHot = false;
        Invalidate();
      }
      break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
      if (IsEnabled()) {
        m_bPushed = true;
        Invalidate();
      }
      break;
    case UIEVENT_BUTTONUP:
      if (m_bPushed) {
        m_bPushed = false;
        Invalidate();
        // A click is a press and a release on the same enabled control.
        if (m_rcItem.Contains(event.ptMouse)) Activate();
      }
      break;
    default:
      CLabelUI::DoEvent(event);
  }
}

bool CButtonUI::Activate() {
  if (!CLabelUI::Activate()) return false;
  if (m_pManager != nullptr) m_pManager->SendNotify(this, L"click");
  return true;
}

void CButtonUI::SetEnabled(bool enabled) {
  if (!enabled) m_bHot = m_bPushed = false;
  CLabelUI::SetEnabled(enabled);
}

void CButtonUI::SetVisible(bool visible) {
  if (!visible) m_bHot = m_bPushed = false;
  CLabelUI::SetVisible(visible);
}

void CButtonUI::PaintStatusImage(HDC hDC) {
  const CDuiString* image = &m_sNormalImage;
  DWORD color = 0;
  if (!IsEnabled()) {
    if (!m_sDisabledImage.empty()) image = &m_sDisabledImage;
  } else if (m_bPushed) {
    if (!m_sPushedImage.empty()) image = &m_sPushedImage;
    else if (!m_sHotImage.empty()) image = &m_sHotImage;
    color = m_dwPushedBkColor != 0 ? m_dwPushedBkColor : m_dwHotBkColor;
  } else if (m_bHot) {
    if (!m_sHotImage.empty()) image = &m_sHotImage;
    color = m_dwHotBkColor;
  }
  CRenderEngine::DrawColor(hDC, m_rcItem, color);
  if (!image->empty()) DrawImage(hDC, *image, m_rcItem);
}

void CButtonUI::PaintText(HDC hDC) {
  if (m_bHot && m_dwHotTextColor != 0 && IsEnabled()) {
    DWORD saved = m_dwTextColor;
    m_dwTextColor = m_dwHotTextColor;
    CLabelUI::PaintText(hDC);
    m_dwTextColor = saved;
    return;
  }
  CLabelUI::PaintText(hDC);
}

}  // namespace DuiLib
