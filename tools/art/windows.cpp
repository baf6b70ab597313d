// Window backgrounds: the main window, the tool box and the city window.
#include "app_icon.h"
#include "layout.h"
#include "piece.h"
#include "shapes.h"

namespace art {
namespace {

void window_frame(cairo_t* cr, double w, double h, double from_y) {
  cairo_rectangle(cr, 0.5, from_y - 0.5, w - 1, h - from_y);
  set_source(cr, palette::frame);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// The 宜 and 忌 marks are images of their own labels: the shrunk window paints the header flat
// and would lose them if they were part of main_bg.png.
void almanac_mark(cairo_t* cr, const char* glyph, Rgba ink) {
  const Box b = layout::yi_mark;
  circle(cr, b.w / 2, b.h / 2, b.w / 2);
  set_source(cr, palette::body);
  cairo_fill(cr);
  draw_text(cr, glyph, {0, 0, b.w, b.h}, {.px = 10, .bold = true, .colour = ink, .align = Align::centre});
}

// The header band; the program paints it flat 0xFF278ADF when shrunk, which the gradient averages to.
void draw_header_band(cairo_t* cr) {
  using namespace layout;
  vertical_gradient(cr, {0, 0, kWidth, kHeaderHeight}, palette::header_top, palette::header_bottom);
  // Two faint discs give the band some depth without competing with the texts.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kWidth, kHeaderHeight);
  cairo_clip(cr);
  circle(cr, 318, -12, 96);
  set_source(cr, hex(0xFFFFFF, 0.05));
  cairo_fill(cr);
  circle(cr, 252, 150, 70);
  set_source(cr, hex(0xFFFFFF, 0.04));
  cairo_fill(cr);
  cairo_restore(cr);
}

void main_background(cairo_t* cr) {
  using namespace layout;
  set_source(cr, palette::body);
  cairo_paint(cr);
  draw_header_band(cr);
  // A faint plate under the almanac line.
  fill_rounded(cr, yiji_band, 6, hex(0xFFFFFF, 0.13));
  cairo_rectangle(cr, header_divider.x, header_divider.y, header_divider.w, header_divider.h);
  set_source(cr, hex(0xFFFFFF, 0.32));
  cairo_fill(cr);

  // Weekday row, aligned on the cell columns, weekend in red.
  cairo_rectangle(cr, 1, weekday_row.y - 1, kWidth - 2, weekday_row.h + 2);
  set_source(cr, hex(0xF4F7FA));
  cairo_fill(cr);
  const char* days[] = {"日", "一", "二", "三", "四", "五", "六"};
  for (int c = 0; c < 7; ++c) {
    const Box b{cal.x + c * kColumnPitch, weekday_row.y, static_cast<double>(kCellWidth), weekday_row.h};
    const bool weekend = c == 0 || c == 6;
    draw_text(cr, days[c], b,
              {.px = 12, .colour = weekend ? palette::weekend_text : palette::weekday_text, .align = Align::centre});
  }
  window_frame(cr, kWidth, kHeight, kHeaderHeight);
}

void tool_box_background(cairo_t* cr) {
  using namespace layout;
  const double size = kToolBoxSize;
  set_source(cr, hex(0xF4F7FB));
  cairo_paint(cr);
  vertical_gradient(cr, {0, 0, size, kToolBoxTitleHeight}, palette::header_top, palette::header_bottom);
  draw_text(cr, "应用", {16, 0, 200, kToolBoxTitleHeight},
            {.px = 15, .bold = true, .colour = palette::header_text});
  draw_text(cr, "我的工具", {hor_tools.x, btn_tools_fold.y, 200, btn_tools_fold.h},
            {.px = 14, .bold = true, .colour = hex(0x33404D)});
  window_frame(cr, size, size, kToolBoxTitleHeight);
}

void city_background(cairo_t* cr) {
  using namespace layout;
  set_source(cr, palette::body);
  cairo_paint(cr);
  const double title = select_city.y - 8;
  vertical_gradient(cr, {0, 0, kCityWidth, title}, palette::header_top, palette::header_bottom);
  draw_text(cr, "选择城市", {12, 0, 200, title}, {.px = 14, .bold = true, .colour = palette::header_text});
  stroke_rounded(cr, select_city, 4, 1, palette::hairline);
  window_frame(cr, kCityWidth, kCityHeight, title);
}

}  // namespace

Pieces window_pieces() {
  return {
      {"main_bg.png", layout::kWidth, layout::kHeight, main_background},
      {"soft_box_bg.png", layout::kToolBoxSize, layout::kToolBoxSize, tool_box_background},
      {"city_bg.png", layout::kCityWidth, layout::kCityHeight, city_background},
      {"almanac_yi.png", static_cast<int>(layout::yi_mark.w), static_cast<int>(layout::yi_mark.h),
       [](cairo_t* cr) { almanac_mark(cr, "宜", palette::yi); }},
      {"almanac_ji.png", static_cast<int>(layout::ji_mark.w), static_cast<int>(layout::ji_mark.h),
       [](cairo_t* cr) { almanac_mark(cr, "忌", palette::ji); }},
      // The window icon the program hands to the window manager.
      {kWindowIconName, kWindowIconSize, kWindowIconSize, [](cairo_t* cr) { draw_app_icon(cr, kWindowIconSize); }},
  };
}

}  // namespace art
