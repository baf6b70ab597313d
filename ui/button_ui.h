#pragma once
// CButtonUI: a label that reacts to the mouse. It is hot while the pointer is over it, pushed while pressed,
// and raises "click" when a press and the following release both land on it while it is enabled.
#include "ui/label_ui.h"

namespace DuiLib {

class CButtonUI : public CLabelUI {
 public:
  CButtonUI();
  std::wstring_view GetClass() const override;

  bool IsHot() const { return m_bHot; }
  bool IsPushed() const { return m_bPushed; }

  const CDuiString& GetNormalImage() const { return m_sNormalImage; }
  void SetNormalImage(std::wstring_view file);
  const CDuiString& GetHotImage() const { return m_sHotImage; }
  void SetHotImage(std::wstring_view file);
  const CDuiString& GetPushedImage() const { return m_sPushedImage; }
  void SetPushedImage(std::wstring_view file);
  const CDuiString& GetDisabledImage() const { return m_sDisabledImage; }
  void SetDisabledImage(std::wstring_view file);
  void SetHotBkColor(DWORD argb);
  void SetPushedBkColor(DWORD argb);
  void SetHotTextColor(DWORD argb);

  AttributeResult ApplyAttribute(std::wstring_view name, std::wstring_view value) override;
  void DoEvent(TEventUI& event) override;
  bool Activate() override;
  void SetEnabled(bool enabled = true) override;
  void SetVisible(bool visible = true) override;
  void PaintStatusImage(HDC hDC) override;
  void PaintText(HDC hDC) override;

 protected:
  bool m_bHot = false;
  bool m_bPushed = false;
  CDuiString m_sNormalImage;
  CDuiString m_sHotImage;
  CDuiString m_sPushedImage;
  CDuiString m_sDisabledImage;
  DWORD m_dwHotBkColor = 0;
  DWORD m_dwPushedBkColor = 0;
  DWORD m_dwHotTextColor = 0;
};

}  // namespace DuiLib
