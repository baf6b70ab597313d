// Geometry shared by the day-cell images and the checks on them.
#pragma once

#include "canvas.h"

namespace art::cell {

// Cells overlap their neighbours by 2 px across and 1 px down: every mark stays inside this box,
// so the marks of neighbouring cells keep a 2 px gap and never cover each other.
inline constexpr Box kMarkBox{2, 1, 45, 48};
inline constexpr double kRadius = 6;
// The badge is a tag in the top-right corner of the mark: right of the day number (at most
// "28" in 16 px, about x 15..33) and above the second line (y >= 28).
inline constexpr Box kBadge{35, 1, 12, 12};

void draw_badge(cairo_t* cr, const char* glyph, Rgba fill);

}  // namespace art::cell
