// Geometry shared by the day-cell images and the checks on them.
#pragma once

#include "canvas.h"

namespace art::cell {

// Cells overlap their neighbours by 2 px across and 1 px down: every mark stays inside this box,
// so the marks of neighbouring cells keep a 2 px gap and never cover each other.
inline constexpr Box kMarkBox{2, 1, 45, 48};
inline constexpr double kRadius = 6;
// The corner badge sits right of the day number and above the second line.
inline constexpr Box kBadge{34, 3, 12, 12};

void draw_badge(cairo_t* cr, const char* glyph, Rgba fill);

}  // namespace art::cell
