#include "ui/combo_drop_ui.h"

#include <algorithm>
#include <cstdlib>

#include "ui/combo_ui.h"
#include "ui/paint_manager_ui.h"
#include "ui/render_engine.h"

namespace DuiLib {
namespace {
constexpr int kBorder = 1;
constexpr int kDragThreshold = 4;  // pixels a press may move and still count as a choice
constexpr int kRowsPerNotch = 3;
}  // namespace

CComboDropUI::CComboDropUI(CComboUI* owner) : m_owner(owner) {}

std::wstring_view CComboDropUI::GetClass() const { return L"ComboDropUI"; }

void CComboDropUI::Open() {
  m_offered.clear();
  for (int i = 0; i < m_owner->GetCount(); ++i) {
    if (m_owner->IsItemVisible(i)) m_offered.push_back(i);
  }
  const int itemHeight = m_owner->GetItemHeight();
  const int rows = std::max(1, std::min<int>(m_owner->GetDropRows(), static_cast<int>(m_offered.size())));
  const int height = rows * itemHeight + 2 * kBorder;
  const RECT& combo = m_owner->GetPos();
  SIZE client = m_pManager != nullptr ? m_pManager->GetClientSize() : SIZE{combo.right, combo.bottom + height};
  RECT rc{combo.left, combo.bottom, combo.right, combo.bottom + height};
  if (rc.bottom > client.cy && combo.top - height >= 0) {
    rc.top = combo.top - height;
    rc.bottom = combo.top;
  } else if (rc.bottom > client.cy) {
    rc.bottom = client.cy;
    rc.top = std::max(0, client.cy - height);
  }
  m_rcItem = rc;
  m_hot = m_owner->GetCurSel();
  if (std::find(m_offered.begin(), m_offered.end(), m_hot) == m_offered.end()) m_hot = -1;
  m_scroll = 0;
  m_pressed = m_dragged = false;
  if (m_hot >= 0) EnsureVisible(RowOf(m_hot));
  Invalidate();
}

RECT CComboDropUI::ListRect() const {
  return RECT{m_rcItem.left + kBorder, m_rcItem.top + kBorder, m_rcItem.right - kBorder, m_rcItem.bottom - kBorder};
}

int CComboDropUI::RowOf(int item) const {
  auto it = std::find(m_offered.begin(), m_offered.end(), item);
  return it == m_offered.end() ? -1 : static_cast<int>(it - m_offered.begin());
}

int CComboDropUI::ItemAt(POINT pt) const {
  RECT list = ListRect();
  if (!list.Contains(pt)) return -1;
  int row = (pt.y - list.top + m_scroll) / m_owner->GetItemHeight();
  if (row < 0 || row >= static_cast<int>(m_offered.size())) return -1;
  return m_offered[static_cast<std::size_t>(row)];
}

void CComboDropUI::ScrollBy(int pixels) {
  int content = static_cast<int>(m_offered.size()) * m_owner->GetItemHeight();
  int maxScroll = std::max(0, content - ListRect().Height());
  int next = std::clamp(m_scroll + pixels, 0, maxScroll);
  if (next == m_scroll) return;
  m_scroll = next;
  Invalidate();
}

void CComboDropUI::EnsureVisible(int row) {
  if (row < 0) return;
  int itemHeight = m_owner->GetItemHeight();
  int top = row * itemHeight;
  int view = ListRect().Height();
  if (top < m_scroll) ScrollBy(top - m_scroll);
  else if (top + itemHeight > m_scroll + view) ScrollBy(top + itemHeight - view - m_scroll);
}

void CComboDropUI::DoEvent(TEventUI& event) {
  const int itemHeight = m_owner->GetItemHeight();
  switch (event.Type) {
    case UIEVENT_MOUSEMOVE:
      if (m_pressed) {
        int dy = event.ptMouse.y - m_pressPoint.y;
        if (std::abs(dy) >= kDragThreshold) m_dragged = true;
        if (m_dragged) ScrollBy(m_pressScroll - dy - m_scroll);
      } else {
        int item = ItemAt(event.ptMouse);
        if (item >= 0 && item != m_hot) {
          m_hot = item;
          Invalidate();
        }
      }
      break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
      m_pressed = true;
      m_dragged = false;
      m_pressPoint = event.ptMouse;
      m_pressScroll = m_scroll;
      break;
    case UIEVENT_BUTTONUP: {
      bool choose = m_pressed && !m_dragged;
      m_pressed = m_dragged = false;
      if (!choose) break;
      int item = ItemAt(event.ptMouse);
      if (item >= 0) m_owner->ChooseItem(item);  // closes the list; this object stays alive
      break;
    }
    case UIEVENT_SCROLLWHEEL:
      ScrollBy(-static_cast<int>(static_cast<LPARAM>(event.wParam)) / WHEEL_DELTA * kRowsPerNotch * itemHeight);
      break;
    case UIEVENT_KEYDOWN: {
      int row = RowOf(m_hot);
      int count = static_cast<int>(m_offered.size());
      if (event.wParam == VK_ESCAPE) {
        m_owner->CloseDropDown();
      } else if (event.wParam == VK_RETURN) {
        if (m_hot >= 0) m_owner->ChooseItem(m_hot);
        else m_owner->CloseDropDown();
      } else if ((event.wParam == VK_UP || event.wParam == VK_DOWN) && count > 0) {
        row = row < 0 ? 0 : std::clamp(row + (event.wParam == VK_UP ? -1 : 1), 0, count - 1);
        m_hot = m_offered[static_cast<std::size_t>(row)];
        EnsureVisible(row);
        Invalidate();
      }
      break;
    }
    default:
      break;
  }
}

void CComboDropUI::DoPaint(HDC hDC, const RECT&) {
  if (m_pManager == nullptr) return;
  CRenderEngine::DrawColor(hDC, m_rcItem, m_owner->GetDropBkColor());
  CRenderEngine::DrawRect(hDC, m_rcItem, kBorder, 0xFF8C8C8C);
  RECT list = ListRect();
  ClipScope clip(*hDC, list);
  const int itemHeight = m_owner->GetItemHeight();
  int first = m_scroll / itemHeight;
  for (int row = first; row < static_cast<int>(m_offered.size()); ++row) {
    int top = list.top + row * itemHeight - m_scroll;
    if (top >= list.bottom) break;
    int item = m_offered[static_cast<std::size_t>(row)];
    RECT rc{list.left, top, list.right, top + itemHeight};
    if (item == m_hot) CRenderEngine::DrawColor(hDC, rc, m_owner->GetItemHotBkColor());
    else if (item == m_owner->GetCurSel()) CRenderEngine::DrawColor(hDC, rc, m_owner->GetItemSelectedBkColor());
    RECT text{rc.left + 6, rc.top, rc.right - 4, rc.bottom};
    DWORD color = m_owner->GetTextColor() != 0 ? m_owner->GetTextColor() : m_pManager->GetDefaultFontColor();
    CRenderEngine::DrawTextW(hDC, m_pManager, text, m_owner->GetItemText(item), color, m_owner->GetFont(),
                             DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  }
}

}  // namespace DuiLib
