#pragma once
// The part of a window that needs repainting: a few logical rectangles, or the whole window. Rectangles
// that overlap or touch are merged, and past a handful the region becomes their bounding box, so painting
// and presenting stay a few calls however many controls changed.
#include <cstddef>
#include <vector>

#include "ui/ui_defs.h"

namespace DuiLib {

class DirtyRegion {
 public:
  static constexpr std::size_t kMaxRects = 8;

  // Adds a rectangle (clipped to `bounds`, the window's client area); an empty one adds nothing.
  void Add(const RECT& rect, const RECT& bounds);
  void AddAll() {
    m_all = true;
    m_rects.clear();
  }
  bool IsAll() const { return m_all; }
  bool IsEmpty() const { return !m_all && m_rects.empty(); }
  // The rectangles to repaint: `bounds` alone when the whole window is dirty.
  std::vector<RECT> Rects(const RECT& bounds) const;
  void Clear() {
    m_all = false;
    m_rects.clear();
  }

 private:
  bool m_all = false;
  std::vector<RECT> m_rects;
};

}  // namespace DuiLib
