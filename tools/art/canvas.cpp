#include "canvas.h"

#include "piece.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace art {

Image::Image(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context_(cairo_create(surface_.get())) {
  if (cairo_status(context_.get()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot create a " + std::to_string(width) + "x" + std::to_string(height) + " image");
}

void Image::save(const std::string& path) const {
  cairo_surface_flush(surface_.get());
  if (cairo_surface_write_to_png(surface_.get(), path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path);
}

Image draw_at_scale(const Piece& piece, double factor) {
  const int width = static_cast<int>(std::lround(piece.width * factor));
  const int height = static_cast<int>(std::lround(piece.height * factor));
  Image image(width, height);
  cairo_scale(image.cr(), static_cast<double>(width) / piece.width, static_cast<double>(height) / piece.height);
  piece.draw(image.cr());
  return image;
}

void rounded_rect(cairo_t* cr, Box b, double radius) {
  const double r = std::min({radius, b.w / 2, b.h / 2});
  const double pi = std::numbers::pi;
  cairo_new_sub_path(cr);
  cairo_arc(cr, b.x + b.w - r, b.y + r, r, -pi / 2, 0);
  cairo_arc(cr, b.x + b.w - r, b.y + b.h - r, r, 0, pi / 2);
  cairo_arc(cr, b.x + r, b.y + b.h - r, r, pi / 2, pi);
  cairo_arc(cr, b.x + r, b.y + r, r, pi, 3 * pi / 2);
  cairo_close_path(cr);
}

void fill_rounded(cairo_t* cr, Box b, double radius, Rgba colour) {
  rounded_rect(cr, b, radius);
  set_source(cr, colour);
  cairo_fill(cr);
}

void stroke_rounded(cairo_t* cr, Box b, double radius, double width, Rgba colour) {
  const double half = width / 2;
  rounded_rect(cr, {b.x + half, b.y + half, b.w - width, b.h - width}, radius - half);
  set_source(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void vertical_gradient(cairo_t* cr, Box b, Rgba top, Rgba bottom) {
  cairo_pattern_t* pattern = cairo_pattern_create_linear(0, b.y, 0, b.y + b.h);
  cairo_pattern_add_color_stop_rgba(pattern, 0, top.r, top.g, top.b, top.a);
  cairo_pattern_add_color_stop_rgba(pattern, 1, bottom.r, bottom.g, bottom.b, bottom.a);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

namespace {

LayoutPtr make_layout(cairo_t* cr, const std::string& utf8, const TextStyle& style) {
  LayoutPtr layout(pango_cairo_create_layout(cr));
  // Han glyphs differ between Chinese and Japanese forms: ask for the simplified Chinese ones.
  pango_context_set_language(pango_layout_get_context(layout.get()), pango_language_from_string("zh-cn"));
  pango_layout_context_changed(layout.get());
  FontPtr font(pango_font_description_new());
  pango_font_description_set_family(font.get(), kFontFamily);
  pango_font_description_set_absolute_size(font.get(), style.px * PANGO_SCALE);
  pango_font_description_set_weight(font.get(), style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_layout_set_font_description(layout.get(), font.get());
  pango_layout_set_text(layout.get(), utf8.c_str(), -1);
  pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
  return layout;
}

}  // namespace

double text_width(cairo_t* cr, const std::string& utf8, const TextStyle& style) {
  LayoutPtr layout = make_layout(cr, utf8, style);
  PangoRectangle ink, logical;
  pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
  return logical.width;
}

void draw_text(cairo_t* cr, const std::string& utf8, Box box, const TextStyle& style) {
  LayoutPtr layout = make_layout(cr, utf8, style);
  pango_layout_set_width(layout.get(), static_cast<int>(box.w * PANGO_SCALE));
  pango_layout_set_ellipsize(layout.get(), PANGO_ELLIPSIZE_END);
  pango_layout_set_alignment(layout.get(), style.align == Align::centre  ? PANGO_ALIGN_CENTER
                                           : style.align == Align::right ? PANGO_ALIGN_RIGHT
                                                                         : PANGO_ALIGN_LEFT);
  PangoRectangle ink, logical;
  pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
  cairo_save(cr);
  set_source(cr, style.colour);
  cairo_move_to(cr, box.x, std::round(box.y + (box.h - logical.height) / 2.0));
  pango_cairo_show_layout(cr, layout.get());
  cairo_restore(cr);
}

}  // namespace art
