// Small vector shapes the emblems and icons are built from.
#pragma once

#include "canvas.h"

namespace art {

void star(cairo_t* cr, double cx, double cy, double outer, double rotation);
void leaf(cairo_t* cr, double cx, double cy, double length, double width, double angle);
void circle(cairo_t* cr, double cx, double cy, double r);
// A stroked polyline with round ends; points are x, y pairs.
void polyline(cairo_t* cr, std::initializer_list<double> points, double width, Rgba colour);

}  // namespace art
