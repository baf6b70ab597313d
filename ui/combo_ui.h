#pragma once
// CComboUI: a picker showing its current item. A press opens a drop-down list over the window (it scrolls
// with the wheel and by dragging, and closes on a click outside it or Escape); choosing an item there selects
// it and raises "itemselect" (wParam new index, lParam previous index). SelectItem from code never raises
// "itemselect". A hidden item keeps its index but is never offered in the list.
#include <memory>
#include <vector>

#include "ui/label_ui.h"

namespace DuiLib {

class CComboDropUI;

class CComboUI : public CLabelUI {
 public:
  CComboUI();
  ~CComboUI() override;
  std::wstring_view GetClass() const override;

  // Items. Indices start at 0 and never shift when an item is hidden.
  int AddItem(std::wstring_view text, bool visible = true);  // returns its index
  void RemoveAllItems();
  int GetCount() const { return static_cast<int>(m_items.size()); }
  CDuiString GetItemText(int index) const;
  bool IsItemVisible(int index) const;
  void SetItemVisible(int index, bool visible);

  int GetCurSel() const { return m_iCurSel; }
  // Selects from code; false for an index out of range. Raises no "itemselect".
  bool SelectItem(int index, bool takeFocus = false);
  CDuiString GetText() const override;  // the current item's text

  bool IsDropped() const;
  void ShowDropDown();
  void CloseDropDown();

  int GetItemHeight() const { return m_iItemHeight; }
  void SetItemHeight(int height);
  int GetDropRows() const { return m_iDropRows; }
  void SetDropRows(int rows);
  DWORD GetDropBkColor() const { return m_dwDropBkColor; }
  void SetDropBkColor(DWORD argb);
  DWORD GetItemHotBkColor() const { return m_dwItemHotBkColor; }
  void SetItemHotBkColor(DWORD argb);
  DWORD GetItemSelectedBkColor() const { return m_dwItemSelectedBkColor; }
  void SetItemSelectedBkColor(DWORD argb);
  const CDuiString& GetNormalImage() const { return m_sNormalImage; }
  void SetNormalImage(std::wstring_view file);  // drawn instead of the framework's box and arrow

  AttributeResult ApplyAttribute(std::wstring_view name, std::wstring_view value) override;
  void DoEvent(TEventUI& event) override;
  void SetEnabled(bool enabled = true) override;
  void SetVisible(bool visible = true) override;
  void PaintStatusImage(HDC hDC) override;
  void PaintText(HDC hDC) override;

  // A choice made by the user in the drop-down list: selects and raises "itemselect".
  void ChooseItem(int index);

 private:
  struct Item {
    CDuiString text;
    bool visible = true;
  };
  std::vector<Item> m_items;
  int m_iCurSel = -1;
  int m_iItemHeight = 22;
  int m_iDropRows = 8;
  DWORD m_dwDropBkColor = 0xFFFFFFFF;
  DWORD m_dwItemHotBkColor = 0xFFD6E8FA;
  DWORD m_dwItemSelectedBkColor = 0xFFB8D6F5;
  CDuiString m_sNormalImage;
  std::unique_ptr<CComboDropUI> m_drop;
};

}  // namespace DuiLib
