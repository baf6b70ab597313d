// Festival pictures for the header: a coloured tile, a flat emblem and the festival's short name.
#include "layout.h"
#include "piece.h"
#include "shapes.h"

#include <cmath>
#include <numbers>

namespace art {
namespace {

constexpr double kSize = layout::lbl_festival.w;
constexpr double kCx = kSize / 2;
constexpr double kCy = 21;  // emblem centre; the name sits below
constexpr Rgba kGold = hex(0xFFD36B);
constexpr Rgba kWhite = hex(0xFFFFFF);
const double kPi = std::numbers::pi;

Rgba lighter(Rgba c, double by) { return {c.r + (1 - c.r) * by, c.g + (1 - c.g) * by, c.b + (1 - c.b) * by, c.a}; }

void tile(cairo_t* cr, Rgba colour, const char* name) {
  rounded_rect(cr, {0, 0, kSize, kSize}, 12);
  cairo_clip(cr);
  vertical_gradient(cr, {0, 0, kSize, kSize}, lighter(colour, 0.12), colour);
  cairo_reset_clip(cr);
  draw_text(cr, name, {0, 38, kSize, 15}, {.px = 11, .bold = true, .colour = kWhite, .align = Align::centre});
}

void fireworks(cairo_t* cr) {
  for (int i = 0; i < 12; ++i) {
    const double a = i * kPi / 6;
    const double r0 = 5, r1 = i % 2 == 0 ? 13 : 10;
    const Rgba c = i % 2 == 0 ? kGold : kWhite;
    polyline(cr, {kCx + r0 * std::cos(a), kCy + r0 * std::sin(a), kCx + r1 * std::cos(a), kCy + r1 * std::sin(a)},
             1.6, c);
    circle(cr, kCx + (r1 + 2.5) * std::cos(a), kCy + (r1 + 2.5) * std::sin(a), 1.2);
    set_source(cr, c);
    cairo_fill(cr);
  }
  circle(cr, kCx, kCy, 2.2);
  set_source(cr, kGold);
  cairo_fill(cr);
}

void fu_card(cairo_t* cr, Rgba ink) {
  cairo_save(cr);
  cairo_translate(cr, kCx, kCy);
  cairo_rotate(cr, kPi / 4);
  fill_rounded(cr, {-11.5, -11.5, 23, 23}, 2.5, kGold);
  cairo_restore(cr);
  draw_text(cr, "福", {kCx - 10, kCy - 10, 20, 20}, {.px = 15, .bold = true, .colour = ink, .align = Align::centre});
}

void willow(cairo_t* cr) {
  // A branch bending down from the upper left, leaves hanging from it.
  cairo_move_to(cr, 12, 8);
  cairo_curve_to(cr, 24, 6, 36, 12, 42, 30);
  set_source(cr, kWhite);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  const double leaves[][3] = {{18, 13, 1.9}, {25, 15, 1.7}, {31, 19, 1.5}, {36, 24, 1.3}, {40, 31, 1.2},
                              {22, 5, -0.6}, {30, 9, -0.4}};
  for (const auto& l : leaves) {
    leaf(cr, l[0], l[1], 9, 3.6, l[2]);
    set_source(cr, hex(0xD9F2C4));
    cairo_fill(cr);
  }
}

void gear(cairo_t* cr) {
  const int teeth = 8;
  for (int i = 0; i < teeth; ++i) {
    cairo_save(cr);
    cairo_translate(cr, kCx, kCy);
    cairo_rotate(cr, i * 2 * kPi / teeth);
    cairo_rectangle(cr, -2.6, -14, 5.2, 6);
    cairo_restore(cr);
  }
  circle(cr, kCx, kCy, 10);
  set_source(cr, kWhite);
  cairo_fill(cr);
  circle(cr, kCx, kCy, 4);
  set_source(cr, hex(0xE0862B));
  cairo_fill(cr);
}

void zongzi(cairo_t* cr) {
  cairo_move_to(cr, kCx, kCy - 13);
  cairo_line_to(cr, kCx + 13, kCy + 11);
  cairo_line_to(cr, kCx - 13, kCy + 11);
  cairo_close_path(cr);
  set_source(cr, hex(0xCDEBB3));
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  polyline(cr, {kCx - 9, kCy + 2, kCx + 9, kCy + 2}, 2.4, kGold);
  polyline(cr, {kCx - 4, kCy - 7, kCx + 2, kCy + 13}, 1.2, hex(0x8CC66B));
}

void moon(cairo_t* cr) {
  circle(cr, kCx + 1, kCy, 12);
  set_source(cr, kGold);
  cairo_fill(cr);
  circle(cr, kCx + 5, kCy - 4, 2.2);
  circle(cr, kCx - 3, kCy + 4, 1.6);
  set_source(cr, hex(0xF2BE4A));
  cairo_fill(cr);
  // A small cloud over the lower left edge.
  circle(cr, kCx - 12, kCy + 8, 4);
  circle(cr, kCx - 7, kCy + 6, 5);
  circle(cr, kCx - 2, kCy + 9, 3.5);
  cairo_rectangle(cr, kCx - 12, kCy + 8, 10, 4.5);
  set_source(cr, kWhite);
  cairo_fill(cr);
}

void stars(cairo_t* cr) {
  star(cr, 17, kCy - 2, 10, 0);
  const double small[][2] = {{31, 8}, {37, 14}, {37, 23}, {31, 29}};
  for (const auto& s : small) star(cr, s[0], s[1], 3.4, std::atan2(s[1] - (kCy - 2), s[0] - 17) + kPi / 2);
  set_source(cr, kGold);
  cairo_fill(cr);
}

void wreath(cairo_t* cr) {
  for (int side = -1; side <= 1; side += 2) {
    for (int i = 0; i < 6; ++i) {
      const double a = kPi / 2 + side * (0.45 + i * 0.42);
      const double x = kCx + 13 * std::cos(a);
      const double y = kCy + 1 + 13 * std::sin(a);
      leaf(cr, x, y, 7, 3.2, a + side * kPi / 2 + side * 0.5);
    }
  }
  set_source(cr, kGold);
  cairo_fill(cr);
  draw_text(cr, "9·3", {kCx - 11, kCy - 7, 22, 14}, {.px = 10, .bold = true, .colour = kWhite, .align = Align::centre});
}

Piece festival(const char* file, const char* name, Rgba colour, void (*emblem)(cairo_t*)) {
  return {file, static_cast<int>(kSize), static_cast<int>(kSize), [=](cairo_t* cr) {
            tile(cr, colour, name);
            emblem(cr);
          }};
}

}  // namespace

Pieces festival_pieces() {
  return {
      festival("fest_yuandan.png", "元旦", hex(0x4F68D0), fireworks),
      festival("fest_chunjie.png", "春节", hex(0xD4372F), [](cairo_t* cr) { fu_card(cr, hex(0xC62F28)); }),
      festival("fest_qingming.png", "清明", hex(0x3A9466), willow),
      festival("fest_laodong.png", "劳动节", hex(0xE0862B), gear),
      festival("fest_duanwu.png", "端午", hex(0x23897D), zongzi),
      festival("fest_zhongqiu.png", "中秋", hex(0x33468C), moon),
      festival("fest_guoqing.png", "国庆", hex(0xCF302B), stars),
      festival("fest_kangzhan.png", "胜利日", hex(0x55694B), wreath),
  };
}

}  // namespace art
