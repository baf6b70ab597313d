#pragma once
// CEditUI: a single-line text field. Typed characters are inserted at the end, Backspace removes the last
// one ("textchanged" each time), Enter raises "return".
#include "ui/label_ui.h"

namespace DuiLib {

class CEditUI : public CLabelUI {
 public:
  CEditUI();
  std::wstring_view GetClass() const override;

  int GetMaxChar() const { return m_nMaxChar; }
  void SetMaxChar(int count);
  bool IsReadOnly() const { return m_bReadOnly; }
  void SetReadOnly(bool readOnly);

  AttributeResult ApplyAttribute(std::wstring_view name, std::wstring_view value) override;
  void DoEvent(TEventUI& event) override;
  void PaintBorder(HDC hDC) override;

 protected:
  int m_nMaxChar = 255;
  bool m_bReadOnly = false;
};

}  // namespace DuiLib
