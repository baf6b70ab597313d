#include "ui/edit_ui.h"

#include <algorithm>

#include "ui/paint_manager_ui.h"
#include "ui/render_engine.h"

namespace DuiLib {
namespace {

constexpr Attribute<CEditUI> kEditAttributes[] = {
    IntAttribute<&CEditUI::SetMaxChar, kMaxCharRange>(L"maxchar"),
    FlagAttribute<&CEditUI::SetReadOnly>(L"readonly"),
};

}  // namespace

CEditUI::CEditUI() {
  m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  m_rcTextPadding = RECT{3, 0, 3, 0};
}

std::wstring_view CEditUI::GetClass() const { return L"EditUI"; }

void CEditUI::SetMaxChar(int count) { m_nMaxChar = count < 0 ? 0 : count; }
void CEditUI::SetReadOnly(bool readOnly) { m_bReadOnly = readOnly; }

AttributeResult CEditUI::ApplyAttribute(std::wstring_view name, std::wstring_view value) {
  AttributeResult result = ApplyFromTable<CEditUI>(kEditAttributes, *this, name, value);
  return result.status == AttributeStatus::UnknownName ? CLabelUI::ApplyAttribute(name, value) : result;
}

void CEditUI::DoEvent(TEventUI& event) {
  if (m_pManager == nullptr || !IsEnabled()) return CLabelUI::DoEvent(event);
  switch (event.Type) {
    case UIEVENT_BUTTONDOWN:
      SetFocus();
      break;
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
      Invalidate();
      break;
    case UIEVENT_KEYDOWN:
      if (event.wParam == VK_RETURN) {
        m_pManager->SendNotify(this, L"return");
      } else if (event.wParam == VK_BACK && !m_bReadOnly && !m_sText.empty()) {
        m_sText.pop_back();
        Invalidate();
        m_pManager->SendNotify(this, L"textchanged");
      }
      break;
    case UIEVENT_CHAR: {
      auto ch = static_cast<wchar_t>(event.wParam);
      if (m_bReadOnly || ch < 0x20 || ch == 0x7F) break;
      if (static_cast<int>(m_sText.size()) >= m_nMaxChar) break;
      m_sText.push_back(ch);
      Invalidate();
      m_pManager->SendNotify(this, L"textchanged");
      break;
    }
    default:
      CLabelUI::DoEvent(event);
  }
}

void CEditUI::PaintBorder(HDC hDC) {
  if (m_nBorderSize == 0) CRenderEngine::DrawRect(hDC, m_rcItem, 1, IsFocused() ? 0xFF3C7FB1 : 0xFFA0A0A0);
  CLabelUI::PaintBorder(hDC);
  if (!IsFocused() || hDC == nullptr) return;
  // A caret after the text.
  RECT text = TextRect();
  SIZE size = CRenderEngine::GetTextSize(hDC, m_pManager, m_sText, m_iFont, m_uTextStyle);
  int x = std::min(text.left + size.cx + 1, text.right - 1);
  int h = std::clamp(m_pManager->GetFont(m_iFont).size, 1, kFontSizeRange.max) + 2;
  int top = m_rcItem.top + (m_rcItem.Height() - h) / 2;
  CRenderEngine::DrawColor(hDC, RECT{x, top, x + 1, top + h},
                           m_dwTextColor != 0 ? m_dwTextColor : m_pManager->GetDefaultFontColor());
}

}  // namespace DuiLib
