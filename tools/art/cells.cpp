// The day-cell images: today's marker, holiday and worked-day backgrounds, selected overlays.
// Black, grey and red day texts are drawn on top, so fills stay light and badges stay in a corner.
#include "cells.h"
#include "layout.h"
#include "piece.h"

#include <numbers>

namespace art {
namespace cell {

void draw_badge(cairo_t* cr, const char* glyph, Rgba fill) {
  // Its outer corner follows the mark's rounded corner; the inner corners are tighter.
  const double pi = std::numbers::pi;
  const Box b = kBadge;
  const double small = 3;
  cairo_new_sub_path(cr);
  cairo_arc(cr, b.x + b.w - kRadius, b.y + kRadius, kRadius, -pi / 2, 0);
  cairo_arc(cr, b.x + b.w - small, b.y + b.h - small, small, 0, pi / 2);
  cairo_arc(cr, b.x + small, b.y + b.h - small, small, pi / 2, pi);
  cairo_arc(cr, b.x + small, b.y + small, small, pi, 3 * pi / 2);
  cairo_close_path(cr);
  set_source(cr, fill);
  cairo_fill(cr);
  draw_text(cr, glyph, {kBadge.x, kBadge.y, kBadge.w, kBadge.h},
            {.px = 10, .bold = true, .colour = palette::body, .align = Align::centre});
}

namespace {

void tinted(cairo_t* cr, Rgba tint, Rgba edge) {
  fill_rounded(cr, kMarkBox, kRadius, tint);
  stroke_rounded(cr, kMarkBox, kRadius, 1, edge);
}

// Selected overlays: an outline only, so the background and the texts show through.
void outlined(cairo_t* cr, Rgba edge) { stroke_rounded(cr, kMarkBox, kRadius, 2, edge); }

Rgba faded(Rgba c, double alpha) { return {c.r, c.g, c.b, alpha}; }

}  // namespace
}  // namespace cell

Pieces cell_pieces() {
  using namespace cell;
  const int w = layout::kCellWidth;
  const int h = layout::kCellHeight;
  return {
      {"jintian3.png", w, h,
       [](cairo_t* cr) { tinted(cr, palette::today_tint, faded(palette::today_edge, 0.55)); }},
      {"jiaqi.png", w, h,
       [](cairo_t* cr) {
         tinted(cr, palette::rest_tint, faded(palette::rest_edge, 0.35));
         draw_badge(cr, "休", palette::rest_badge);
       }},
      {"ban.png", w, h,
       [](cairo_t* cr) {
         tinted(cr, palette::work_tint, faded(palette::work_edge, 0.35));
         draw_badge(cr, "班", palette::work_badge);
       }},
      {"default_select.png", w, h, [](cairo_t* cr) { outlined(cr, palette::select_edge); }},
      // The badge is repeated so it stays visible when the background beneath has none (today).
      {"jia_selected.png", w, h,
       [](cairo_t* cr) {
         outlined(cr, palette::rest_edge);
         draw_badge(cr, "休", palette::rest_badge);
       }},
      {"ban_selected.png", w, h,
       [](cairo_t* cr) {
         outlined(cr, palette::work_edge);
         draw_badge(cr, "班", palette::work_badge);
       }},
  };
}

}  // namespace art
