#include "ui/combo_ui.h"

#include "ui/combo_drop_ui.h"
#include "ui/paint_manager_ui.h"
#include "ui/render_engine.h"

namespace DuiLib {
namespace {

// The index of an item the combo holds (a skin's items are added before the combo's attributes).
bool ApplyCurSel(CComboUI& combo, std::wstring_view value) {
  auto index = ParseInt(value, IntRange{-1, combo.GetCount() - 1});
  return index.has_value() && combo.SelectItem(*index);
}

constexpr Attribute<CComboUI> kComboAttributes[] = {
    IntAttribute<&CComboUI::SetItemHeight, kItemHeightRange>(L"itemheight"),
    IntAttribute<&CComboUI::SetDropRows, kDropRowsRange>(L"droprows"),
    ColorAttribute<&CComboUI::SetDropBkColor>(L"dropbkcolor"),
    ColorAttribute<&CComboUI::SetItemHotBkColor>(L"itemhotbkcolor"),
    ColorAttribute<&CComboUI::SetItemSelectedBkColor>(L"itemselectedbkcolor"),
    TextAttribute<&CComboUI::SetNormalImage>(L"normalimage"),
    {L"cursel", &ApplyCurSel, {ValueKind::Choice, {}, "the index of one of its items, or -1"}},
};

}  // namespace

CComboUI::CComboUI() {
  m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  m_rcTextPadding = RECT{4, 0, 16, 0};
}

CComboUI::~CComboUI() {
  if (m_drop) m_drop->SetManager(nullptr, nullptr);
}

std::wstring_view CComboUI::GetClass() const { return L"ComboUI"; }

int CComboUI::AddItem(std::wstring_view text, bool visible) {
  m_items.push_back(Item{CDuiString(text), visible});
  Invalidate();
  return GetCount() - 1;
}

void CComboUI::RemoveAllItems() {
  CloseDropDown();
  m_items.clear();
  m_iCurSel = -1;
  Invalidate();
}

CDuiString CComboUI::GetItemText(int index) const {
  if (index < 0 || index >= GetCount()) return {};
  return m_items[static_cast<std::size_t>(index)].text;
}

bool CComboUI::IsItemVisible(int index) const {
  return index >= 0 && index < GetCount() && m_items[static_cast<std::size_t>(index)].visible;
}

void CComboUI::SetItemVisible(int index, bool visible) {
  if (index < 0 || index >= GetCount()) return;
  m_items[static_cast<std::size_t>(index)].visible = visible;
}

bool CComboUI::SelectItem(int index, bool takeFocus) {
  if (index < -1 || index >= GetCount()) return false;
  if (takeFocus) SetFocus();
  if (m_iCurSel == index) return true;
  m_iCurSel = index;
  Invalidate();
  return true;
}

CDuiString CComboUI::GetText() const { return GetItemText(m_iCurSel); }

bool CComboUI::IsDropped() const { return m_drop && m_pManager != nullptr && m_pManager->GetPopup() == m_drop.get(); }

void CComboUI::ShowDropDown() {
  if (m_pManager == nullptr || IsDropped() || !IsEnabled() || !IsVisible()) return;
  if (!m_drop) m_drop = std::make_unique<CComboDropUI>(this);
  m_drop->SetManager(m_pManager, this);
  m_drop->Open();
  m_pManager->SetPopup(m_drop.get());
}

void CComboUI::CloseDropDown() {
  if (!IsDropped()) return;
  m_pManager->SetPopup(nullptr);
}

void CComboUI::ChooseItem(int index) {
  CloseDropDown();
  if (!IsItemVisible(index) || index == m_iCurSel) return;
  int previous = m_iCurSel;
  m_iCurSel = index;
  Invalidate();
  if (m_pManager != nullptr) m_pManager->SendNotify(this, L"itemselect", static_cast<WPARAM>(index), previous);
}

void CComboUI::SetItemHeight(int height) {
  if (height > 0) m_iItemHeight = height;
}

void CComboUI::SetDropRows(int rows) {
  if (rows > 0) m_iDropRows = rows;
}

void CComboUI::SetDropBkColor(DWORD argb) { m_dwDropBkColor = argb; }
void CComboUI::SetItemHotBkColor(DWORD argb) { m_dwItemHotBkColor = argb; }
void CComboUI::SetItemSelectedBkColor(DWORD argb) { m_dwItemSelectedBkColor = argb; }

void CComboUI::SetNormalImage(std::wstring_view file) {
  if (m_sNormalImage == file) return;
  m_sNormalImage = CDuiString(file);
  Invalidate();
}

AttributeResult CComboUI::ApplyAttribute(std::wstring_view name, std::wstring_view value) {
  AttributeResult result = ApplyFromTable<CComboUI>(kComboAttributes, *this, name, value);
  return result.status == AttributeStatus::UnknownName ? CLabelUI::ApplyAttribute(name, value) : result;
}

void CComboUI::DoEvent(TEventUI& event) {
  if (event.Type == UIEVENT_BUTTONDOWN || event.Type == UIEVENT_DBLCLICK) {
    if (!IsEnabled()) return;
    SetFocus();
    if (IsDropped()) CloseDropDown();
    else ShowDropDown();
    return;
  }
  if (event.Type == UIEVENT_KEYDOWN && IsDropped()) {
    m_drop->DoEvent(event);
    return;
  }
  CLabelUI::DoEvent(event);
}

void CComboUI::SetEnabled(bool enabled) {
  if (!enabled) CloseDropDown();
  CLabelUI::SetEnabled(enabled);
}

void CComboUI::SetVisible(bool visible) {
  if (!visible) CloseDropDown();
  CLabelUI::SetVisible(visible);
}

void CComboUI::PaintStatusImage(HDC hDC) {
  if (!m_sNormalImage.empty()) {
    DrawImage(hDC, m_sNormalImage, m_rcItem);
    return;
  }
  if (m_dwBkColor == 0 && m_sBkImage.empty()) CRenderEngine::DrawColor(hDC, m_rcItem, 0xFFFFFFFF);
  if (m_nBorderSize == 0) CRenderEngine::DrawRect(hDC, m_rcItem, 1, 0xFF8C8C8C);
  // The drop arrow: a small downward triangle of shrinking lines.
  DWORD color = IsEnabled() ? 0xFF505050 : 0xFFA0A0A0;
  int cx = m_rcItem.right - 9;
  int cy = m_rcItem.top + m_rcItem.Height() / 2 - 2;
  for (int i = 0; i < 4; ++i) CRenderEngine::DrawColor(hDC, RECT{cx - 4 + i, cy + i, cx + 4 - i, cy + i + 1}, color);
}

void CComboUI::PaintText(HDC hDC) { CLabelUI::PaintText(hDC); }

}  // namespace DuiLib
