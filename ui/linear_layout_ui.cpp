#include "ui/linear_layout_ui.h"

#include <algorithm>


namespace DuiLib {
namespace {

constexpr Attribute<CLinearLayoutUI> kLayoutAttributes[] = {
    IntAttribute<&CLinearLayoutUI::SetChildPadding, kCoordinateRange>(L"childpadding"),
};

}  // namespace

void CLinearLayoutUI::SetChildPadding(int padding) {
  if (m_iChildPadding == padding) return;
  m_iChildPadding = padding;
  NeedUpdate();
}

AttributeResult CLinearLayoutUI::ApplyAttribute(std::wstring_view name, std::wstring_view value) {
  AttributeResult result = ApplyFromTable<CLinearLayoutUI>(kLayoutAttributes, *this, name, value);
  return result.status == AttributeStatus::UnknownName ? CContainerUI::ApplyAttribute(name, value) : result;
}

void CLinearLayoutUI::SetPos(const RECT& rc) {
  CControlUI::SetPos(rc);
  const bool horizontal = m_axis == LayoutAxis::Horizontal;
  const RECT inner = InnerRect();
  // Sums in 64 bits: a layout may stack any number of children of any fixed extent.
  auto along = [horizontal](const CControlUI* c) -> long long {
    return horizontal ? c->GetFixedWidth() : c->GetFixedHeight();
  };
  auto across = [horizontal](const CControlUI* c) -> long long {
    return horizontal ? c->GetFixedHeight() : c->GetFixedWidth();
  };
  const long long start = horizontal ? inner.left : inner.top;
  const long long length = horizontal ? inner.Width() : inner.Height();
  const long long crossStart = horizontal ? inner.top : inner.left;
  const long long crossEnd = horizontal ? inner.bottom : inner.right;

  // Fixed extents first; what is left is shared by the others.
  long long fixedTotal = 0;
  long long flexible = 0;
  long long placed = 0;
  for (auto& item : m_items) {
    const CControlUI* child = item.get();
    if (!child->IsVisible() || child->IsFloat()) continue;
    ++placed;
    if (along(child) > 0) fixedTotal += along(child);
    else ++flexible;
  }
  const long long available = length - fixedTotal - std::max(0LL, placed - 1) * m_iChildPadding;
  const long long share = flexible > 0 ? std::max(0LL, available) / flexible : 0;

  long long pos = start;
  for (auto& item : m_items) {
    CControlUI* child = item.get();
    if (!child->IsVisible()) continue;
    if (child->IsFloat()) {
      SetFloatPos(child);
      continue;
    }
    const long long extent = along(child) > 0 ? along(child) : share;
    const long long crossFar = across(child) > 0 ? std::min(crossStart + across(child), crossEnd) : crossEnd;
    const int a = ClampCoordinate(pos);
    const int b = ClampCoordinate(pos + extent);
    const int c = ClampCoordinate(crossStart);
    const int d = ClampCoordinate(crossFar);
    child->SetPos(horizontal ? RECT{a, c, b, d} : RECT{c, a, d, b});
    pos += extent + m_iChildPadding;
  }
}

}  // namespace DuiLib
