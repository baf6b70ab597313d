#pragma once
// CHorizontalLayoutUI: places its non-floating children side by side from the left (see CLinearLayoutUI).
#include "ui/linear_layout_ui.h"

namespace DuiLib {

class CHorizontalLayoutUI : public CLinearLayoutUI {
 public:
  CHorizontalLayoutUI() : CLinearLayoutUI(LayoutAxis::Horizontal) {}
  std::wstring_view GetClass() const override { return L"HorizontalLayoutUI"; }
};

}  // namespace DuiLib
