#pragma once
// CVerticalLayoutUI: stacks its non-floating children from the top (see CLinearLayoutUI).
#include "ui/linear_layout_ui.h"

namespace DuiLib {

class CVerticalLayoutUI : public CLinearLayoutUI {
 public:
  CVerticalLayoutUI() : CLinearLayoutUI(LayoutAxis::Vertical) {}
  std::wstring_view GetClass() const override { return L"VerticalLayoutUI"; }
};

}  // namespace DuiLib
