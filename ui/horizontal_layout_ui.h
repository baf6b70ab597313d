#pragma once
// CHorizontalLayoutUI: places its non-floating children side by side from the left. A child with a fixed
// width keeps it; the others share what is left equally. "childpadding" pixels separate neighbours.
#include "ui/container_ui.h"

namespace DuiLib {

class CHorizontalLayoutUI : public CContainerUI {
 public:
  std::wstring_view GetClass() const override;
  void SetChildPadding(int padding);
  int GetChildPadding() const { return m_iChildPadding; }
  void SetPos(const RECT& rc) override;
  bool SetAttribute(std::wstring_view name, std::wstring_view value) override;

 protected:
  int m_iChildPadding = 0;
};

}  // namespace DuiLib
