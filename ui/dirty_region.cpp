#include "ui/dirty_region.h"

namespace DuiLib {
namespace {

// Overlapping or sharing an edge: one rectangle over both costs less than painting two.
bool Touch(const RECT& a, const RECT& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

void DirtyRegion::Add(const RECT& rect, const RECT& bounds) {
  if (m_all) return;
  RECT merged = IntersectRects(rect, bounds);
  if (merged.IsEmpty()) return;
  // Folding one rectangle in can make it touch another already kept: go round until none does.
  for (auto it = m_rects.begin(); it != m_rects.end();) {
    if (Touch(*it, merged)) {
      merged = UnionRects(merged, *it);
      m_rects.erase(it);
      it = m_rects.begin();
    } else {
      ++it;
    }
  }
  m_rects.push_back(merged);
  if (m_rects.size() > kMaxRects) {
    RECT box = m_rects.front();
    for (const RECT& r : m_rects) box = UnionRects(box, r);
    m_rects.assign(1, box);
  }
  if (m_rects.size() == 1 && m_rects.front() == bounds) AddAll();
}

std::vector<RECT> DirtyRegion::Rects(const RECT& bounds) const {
  if (m_all) return {bounds};
  return m_rects;
}

}  // namespace DuiLib
