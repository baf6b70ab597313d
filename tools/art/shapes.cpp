#include "shapes.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace art {

void star(cairo_t* cr, double cx, double cy, double outer, double rotation) {
  const double inner = outer * 0.382;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double a = rotation - std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double x = cx + r * std::cos(a);
    const double y = cy + r * std::sin(a);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

void leaf(cairo_t* cr, double cx, double cy, double length, double width, double angle) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_scale(cr, length / 2, width / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_restore(cr);
}

void circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * std::numbers::pi);
}

void polyline(cairo_t* cr, std::initializer_list<double> points, double width, Rgba colour) {
  const std::vector<double> p(points);
  cairo_new_path(cr);
  for (std::size_t i = 0; i + 1 < p.size(); i += 2)
    i == 0 ? cairo_move_to(cr, p[i], p[i + 1]) : cairo_line_to(cr, p[i], p[i + 1]);
  set_source(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

}  // namespace art
