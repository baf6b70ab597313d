#include "icons.h"

#include "canvas.h"
#include "shapes.h"

#include <numbers>

namespace art::icon {
namespace {
constexpr double kLine = 1.6;
const double kPi = std::numbers::pi;

void stroke(cairo_t* cr, Rgba c, double width = kLine) {
  set_source(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}
}  // namespace

void apps(cairo_t* cr, Rgba c) {
  for (double x : {6.0, 13.0})
    for (double y : {6.0, 13.0}) fill_rounded(cr, {x, y, 5, 5}, 1.3, c);
}

void notepad(cairo_t* cr, Rgba c) {
  rounded_rect(cr, {6.8, 4.8, 10.4, 14.4}, 1.6);
  stroke(cr, c);
  for (double y : {9.0, 12.0, 15.0}) polyline(cr, {9.6, y, 14.4, y}, 1.3, c);
}

void screenshot(cairo_t* cr, Rgba c) {
  polyline(cr, {8.5, 4.5, 8.5, 15.5, 19.5, 15.5}, kLine, c);
  polyline(cr, {4.5, 8.5, 15.5, 8.5, 15.5, 19.5}, kLine, c);
}

void power(cairo_t* cr, Rgba c) {
  cairo_new_path(cr);
  cairo_arc(cr, 12, 12.8, 6.2, -kPi / 2 + 0.75, 3 * kPi / 2 - 0.75);
  stroke(cr, c);
  polyline(cr, {12, 4.8, 12, 11.5}, kLine, c);
}

void collapse(cairo_t* cr, Rgba c) {
  polyline(cr, {7, 6.5, 17, 6.5}, kLine, c);
  polyline(cr, {7.5, 16, 12, 11.5, 16.5, 16}, kLine, c);
}

void expand(cairo_t* cr, Rgba c) {
  polyline(cr, {7, 17.5, 17, 17.5}, kLine, c);
  polyline(cr, {7.5, 8, 12, 12.5, 16.5, 8}, kLine, c);
}

void close(cairo_t* cr, Rgba c) {
  polyline(cr, {7.5, 7.5, 16.5, 16.5}, kLine, c);
  polyline(cr, {16.5, 7.5, 7.5, 16.5}, kLine, c);
}

void chevron_left(cairo_t* cr, Rgba c) { polyline(cr, {14, 7, 9, 12, 14, 17}, 1.8, c); }
void chevron_right(cairo_t* cr, Rgba c) { polyline(cr, {10, 7, 15, 12, 10, 17}, 1.8, c); }
void chevron_up(cairo_t* cr, Rgba c) { polyline(cr, {7, 14.5, 12, 9.5, 17, 14.5}, 1.8, c); }
void chevron_down(cairo_t* cr, Rgba c) { polyline(cr, {7, 9.5, 12, 14.5, 17, 9.5}, 1.8, c); }

void bell(cairo_t* cr, Rgba c) {
  cairo_new_path(cr);
  cairo_move_to(cr, 5.5, 17);
  cairo_curve_to(cr, 7.5, 15, 7, 13, 7, 10.5);
  cairo_curve_to(cr, 7, 7.5, 9.2, 5.5, 12, 5.5);
  cairo_curve_to(cr, 14.8, 5.5, 17, 7.5, 17, 10.5);
  cairo_curve_to(cr, 17, 13, 16.5, 15, 18.5, 17);
  cairo_close_path(cr);
  stroke(cr, c);
  cairo_new_path(cr);
  cairo_arc_negative(cr, 12, 18.5, 2, kPi, 0);
  stroke(cr, c);
  polyline(cr, {12, 3.6, 12, 5.5}, kLine, c);
}

void checklist(cairo_t* cr, Rgba c) {
  polyline(cr, {4.5, 7.5, 6, 9, 8.5, 6}, kLine, c);
  polyline(cr, {4.5, 15.5, 6, 17, 8.5, 14}, kLine, c);
  polyline(cr, {11.5, 7.8, 19.5, 7.8}, kLine, c);
  polyline(cr, {11.5, 15.8, 19.5, 15.8}, kLine, c);
}

void alarm_clock(cairo_t* cr, Rgba c) {
  circle(cr, 12, 13, 7);
  stroke(cr, c);
  polyline(cr, {12, 9, 12, 13, 15, 15}, kLine, c);
  polyline(cr, {4.5, 6.5, 7, 4.2}, kLine, c);
  polyline(cr, {19.5, 6.5, 17, 4.2}, kLine, c);
  polyline(cr, {8, 19.5, 7, 21}, kLine, c);
  polyline(cr, {16, 19.5, 17, 21}, kLine, c);
}

void translate(cairo_t* cr, Rgba c) {
  draw_text(cr, "文", {2, 2, 12, 13}, {.px = 11, .bold = true, .colour = c, .align = Align::centre});
  draw_text(cr, "A", {10, 9, 12, 13}, {.px = 12, .bold = true, .colour = c, .align = Align::centre});
}

void parcel(cairo_t* cr, Rgba c) {
  cairo_new_path(cr);
  cairo_move_to(cr, 12, 4);
  cairo_line_to(cr, 19.5, 7.8);
  cairo_line_to(cr, 19.5, 16.2);
  cairo_line_to(cr, 12, 20);
  cairo_line_to(cr, 4.5, 16.2);
  cairo_line_to(cr, 4.5, 7.8);
  cairo_close_path(cr);
  stroke(cr, c);
  polyline(cr, {4.5, 7.8, 12, 11.6, 19.5, 7.8}, kLine, c);
  polyline(cr, {12, 11.6, 12, 20}, kLine, c);
  polyline(cr, {8.2, 5.9, 15.8, 9.7}, kLine, c);
}

void mahjong(cairo_t* cr, Rgba c) {
  rounded_rect(cr, {6.5, 3.8, 11, 16.4}, 2);
  stroke(cr, c);
  draw_text(cr, "中", {6.5, 4.5, 11, 15}, {.px = 9.5, .bold = true, .colour = c, .align = Align::centre});
}

void cards(cairo_t* cr, Rgba c) {
  cairo_save(cr);
  cairo_translate(cr, 12, 13);
  cairo_rotate(cr, -0.3);
  rounded_rect(cr, {-8, -7, 9, 13}, 1.6);
  stroke(cr, c);
  cairo_rotate(cr, 0.6);
  rounded_rect(cr, {-1.5, -8.5, 9, 13}, 1.6);
  stroke(cr, c);
  star(cr, 3, -2, 2.6, 0);
  set_source(cr, c);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace art::icon
