#pragma once
// CLinearLayoutUI: the common body of the horizontal and vertical layouts. Places its non-floating
// children one after another along its axis; a child with a fixed extent on that axis keeps it, the others
// share what is left equally, and "childpadding" pixels separate neighbours. Across the axis a child fills
// the layout unless it has a fixed extent there.
#include "ui/container_ui.h"

namespace DuiLib {

enum class LayoutAxis { Horizontal, Vertical };

class CLinearLayoutUI : public CContainerUI {
 public:
  explicit CLinearLayoutUI(LayoutAxis axis) : m_axis(axis) {}

  void SetChildPadding(int padding);
  int GetChildPadding() const { return m_iChildPadding; }
  void SetPos(const RECT& rc) override;
  AttributeResult ApplyAttribute(std::wstring_view name, std::wstring_view value) override;

 protected:
  int m_iChildPadding = 0;

 private:
  LayoutAxis m_axis;
};

}  // namespace DuiLib
