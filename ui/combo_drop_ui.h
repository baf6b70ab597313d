#pragma once
// The drop-down list of a CComboUI: a popup control drawn over the window, listing the combo's visible
// items. It scrolls with the wheel and by dragging; a press and release without dragging chooses the item
// under the pointer; Up/Down move the highlight, Enter chooses it, Escape closes the list.
#include <vector>

#include "ui/control_ui.h"

namespace DuiLib {

class CComboUI;

class CComboDropUI : public CControlUI {
 public:
  explicit CComboDropUI(CComboUI* owner);
  std::wstring_view GetClass() const override;

  // Recomputes the offered items and the rectangle (below the combo, above it when there is no room).
  void Open();
  const std::vector<int>& OfferedItems() const { return m_offered; }
  int GetScrollOffset() const { return m_scroll; }
  int GetHotItem() const { return m_hot; }  // an item index, or -1
  // The item index at a client point, or -1.
  int ItemAt(POINT pt) const;

  void DoEvent(TEventUI& event) override;
  void DoPaint(HDC hDC, const RECT& rcPaint) override;

 private:
  void ScrollBy(int pixels);
  void EnsureVisible(int row);
  int RowOf(int item) const;
  RECT ListRect() const;

  CComboUI* m_owner;
  std::vector<int> m_offered;
  int m_scroll = 0;
  int m_hot = -1;
  bool m_pressed = false;
  bool m_dragged = false;
  POINT m_pressPoint;
  int m_pressScroll = 0;
};

}  // namespace DuiLib
