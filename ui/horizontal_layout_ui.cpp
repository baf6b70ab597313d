#include "ui/horizontal_layout_ui.h"

#include <algorithm>

#include "ui/attribute_parse.h"

namespace DuiLib {

std::wstring_view CHorizontalLayoutUI::GetClass() const { return L"HorizontalLayoutUI"; }

void CHorizontalLayoutUI::SetChildPadding(int padding) {
  if (m_iChildPadding == padding) return;
  m_iChildPadding = padding;
  NeedUpdate();
}

bool CHorizontalLayoutUI::SetAttribute(std::wstring_view name, std::wstring_view value) {
  if (name == L"childpadding") {
    auto v = ParseInt(value);
    if (!v) return false;
    SetChildPadding(*v);
    return true;
  }
  return CContainerUI::SetAttribute(name, value);
}

void CHorizontalLayoutUI::SetPos(const RECT& rc) {
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
    if (child->GetFixedWidth() > 0) fixedTotal += child->GetFixedWidth();
    else ++flexible;
  }
  int available = inner.Width() - fixedTotal - std::max(0, placed - 1) * m_iChildPadding;
  int share = flexible > 0 ? std::max(0, available) / flexible : 0;
  int pos = inner.left;
  for (auto& item : m_items) {
    CControlUI* child = item.get();
    if (!child->IsVisible()) continue;
    if (child->IsFloat()) {
      SetFloatPos(child);
      continue;
    }
    int extent = child->GetFixedWidth() > 0 ? child->GetFixedWidth() : share;
    child->SetPos(RECT{pos, inner.top, pos + extent, child->GetFixedHeight() > 0 ? std::min(inner.top + child->GetFixedHeight(), inner.bottom) : inner.bottom});
    pos += extent + m_iChildPadding;
  }
}

}  // namespace DuiLib
