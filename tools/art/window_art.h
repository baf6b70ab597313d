// Pieces of the window backgrounds that the preview reuses.
#pragma once

#include <cairo.h>

namespace art {

// The header's gradient band (the top of the main window).
void draw_header_band(cairo_t* cr);

}  // namespace art
