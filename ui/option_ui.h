#pragma once
// COptionUI: a button that can be selected. Options sharing a group name are exclusive: selecting one
// deselects the others of its group in the same window. A click on a grouped option selects it; a click on
// an option without a group toggles it. Selection changes raise "selectchanged".
#include "ui/button_ui.h"

namespace DuiLib {

class COptionUI : public CButtonUI {
 public:
  COptionUI();
  ~COptionUI() override;
  std::wstring_view GetClass() const override;

  bool IsSelected() const { return m_bSelected; }
  virtual void Selected(bool selected, bool triggerEvent = true);

  const CDuiString& GetGroup() const { return m_sGroupName; }
  void SetGroup(std::wstring_view group);
  const CDuiString& GetSelectedImage() const { return m_sSelectedImage; }
  void SetSelectedImage(std::wstring_view file);  // drawn over the background while selected
  DWORD GetSelectedTextColor() const { return m_dwSelectedTextColor; }
  void SetSelectedTextColor(DWORD argb);  // 0: not set
  DWORD GetSelectedBkColor() const { return m_dwSelectedBkColor; }
  void SetSelectedBkColor(DWORD argb);

  void SetManager(CPaintManagerUI* manager, CControlUI* parent) override;
  AttributeResult ApplyAttribute(std::wstring_view name, std::wstring_view value) override;
  bool Activate() override;
  void PaintBkColor(HDC hDC) override;
  void PaintStatusImage(HDC hDC) override;
  void PaintText(HDC hDC) override;

 protected:
  bool m_bSelected = false;
  CDuiString m_sGroupName;
  CDuiString m_sSelectedImage;
  DWORD m_dwSelectedTextColor = 0;
  DWORD m_dwSelectedBkColor = 0;
};

}  // namespace DuiLib
