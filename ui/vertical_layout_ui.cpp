#include "ui/vertical_layout_ui.h"

#include <algorithm>

#include "ui/attribute_parse.h"

namespace DuiLib {

std::wstring_view CVerticalLayoutUI::GetClass() const { return L"VerticalLayoutUI"; }

void CVerticalLayoutUI::SetChildPadding(int padding) {
  if (m_iChildPadding == padding) return;
  m_iChildPadding = padding;
  NeedUpdate();
}

bool CVerticalLayoutUI::SetAttribute(std::wstring_view name, std::wstring_view value) {
  if (name == L"childpadding") {
    auto v = ParseInt(value);
    if (!v) return false;
    SetChildPadding(*v);
    return true;
  }
  return CContainerUI::SetAttribute(name, value);
}

void CVerticalLayoutUI::SetPos(const RECT& rc) {
  CControlUI::SetPos(rc);
  RECT inner = InnerRect();
  // Fixed extents first; what is left is shared by the others.
  int fixedTotal = 0;
  int flexible = 0;
  int placed = 0;
  for (auto& item : m_items) {
    CControlUI* child = item.get();
    if (!child->IsVisible() || child->IsFloat()) continue;
    ++placed;
    if (child->GetFixedHeight() > 0) fixedTotal += child->GetFixedHeight();
    else ++flexible;
  }
  int available = inner.Height() - fixedTotal - std::max(0, placed - 1) * m_iChildPadding;
  int share = flexible > 0 ? std::max(0, available) / flexible : 0;
  int pos = inner.top;
  for (auto& item : m_items) {
    CControlUI* child = item.get();
    if (!child->IsVisible()) continue;
    if (child->IsFloat()) {
      SetFloatPos(child);
      continue;
    }
    int extent = child->GetFixedHeight() > 0 ? child->GetFixedHeight() : share;
    child->SetPos(RECT{inner.left, pos, child->GetFixedWidth() > 0 ? std::min(inner.left + child->GetFixedWidth(), inner.right) : inner.right, pos + extent});
    pos += extent + m_iChildPadding;
  }
}

}  // namespace DuiLib
