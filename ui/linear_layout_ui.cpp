#include "ui/linear_layout_ui.h"

#include <algorithm>

#include "ui/attribute_parse.h"

namespace DuiLib {

void CLinearLayoutUI::SetChildPadding(int padding) {
  if (m_iChildPadding == padding) return;
  m_iChildPadding = padding;
  NeedUpdate();
}

bool CLinearLayoutUI::SetAttribute(std::wstring_view name, std::wstring_view value) {
  if (name == L"childpadding") {
    auto v = ParseInt(value);
    if (!v) return false;
    SetChildPadding(*v);
    return true;
  }
  return CContainerUI::SetAttribute(name, value);
}

void CLinearLayoutUI::SetPos(const RECT& rc) {
  CControlUI::SetPos(rc);
  const bool horizontal = m_axis == LayoutAxis::Horizontal;
  const RECT inner = InnerRect();
  auto along = [horizontal](const CControlUI* c) { return horizontal ? c->GetFixedWidth() : c->GetFixedHeight(); };
  auto across = [horizontal](const CControlUI* c) { return horizontal ? c->GetFixedHeight() : c->GetFixedWidth(); };
  const int start = horizontal ? inner.left : inner.top;
  const int length = horizontal ? inner.Width() : inner.Height();
  const int crossStart = horizontal ? inner.top : inner.left;
  const int crossEnd = horizontal ? inner.bottom : inner.right;

  // Fixed extents first; what is left is shared by the others.
  int fixedTotal = 0;
  int flexible = 0;
  int placed = 0;
  for (auto& item : m_items) {
    const CControlUI* child = item.get();
    if (!child->IsVisible() || child->IsFloat()) continue;
    ++placed;
    if (along(child) > 0) fixedTotal += along(child);
    else ++flexible;
  }
  const int available = length - fixedTotal - std::max(0, placed - 1) * m_iChildPadding;
  const int share = flexible > 0 ? std::max(0, available) / flexible : 0;

  int pos = start;
  for (auto& item : m_items) {
    CControlUI* child = item.get();
    if (!child->IsVisible()) continue;
    if (child->IsFloat()) {
      SetFloatPos(child);
      continue;
    }
    const int extent = along(child) > 0 ? along(child) : share;
    const int crossFar = across(child) > 0 ? std::min(crossStart + across(child), crossEnd) : crossEnd;
    child->SetPos(horizontal ? RECT{pos, crossStart, pos + extent, crossFar}
                             : RECT{crossStart, pos, crossFar, pos + extent});
    pos += extent + m_iChildPadding;
  }
}

}  // namespace DuiLib
