// A drawing surface of one image, and the few shapes and text the skin is made of.
#pragma once

#include "cairo_handles.h"
#include "colour.h"

#include <string>

namespace art {

struct Box {
  double x = 0, y = 0, w = 0, h = 0;
};

// An ARGB image with its cairo context; saved as PNG.
class Image {
 public:
  Image(int width, int height);
  cairo_t* cr() const { return context_.get(); }
  cairo_surface_t* surface() const { return surface_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // Throws std::runtime_error when the file cannot be written.
  void save(const std::string& path) const;

 private:
  int width_;
  int height_;
  SurfacePtr surface_;
  ContextPtr context_;
};

struct Piece;
// The piece drawn at `factor` times its size (its pixel size rounded): the drawing itself is scaled, so
// lines and text are drawn sharp at that size rather than enlarged from 1x.
Image draw_at_scale(const Piece& piece, double factor);

void rounded_rect(cairo_t* cr, Box b, double radius);
void fill_rounded(cairo_t* cr, Box b, double radius, Rgba colour);
// A stroke of the given width kept inside the box, so thin outlines stay crisp.
void stroke_rounded(cairo_t* cr, Box b, double radius, double width, Rgba colour);
void vertical_gradient(cairo_t* cr, Box b, Rgba top, Rgba bottom);

enum class Align { left, centre, right };

struct TextStyle {
  double px = 12;  // font size in pixels
  bool bold = false;
  Rgba colour = hex(0x000000);
  Align align = Align::left;
};

// The skin's CJK face, as fontconfig knows it.
inline constexpr const char* kFontFamily = "WenQuanYi Micro Hei";

// One line of UTF-8 text, vertically centred in the box, cut with an ellipsis when too wide.
void draw_text(cairo_t* cr, const std::string& utf8, Box box, const TextStyle& style);
// The ink width of the text in pixels, to fit labels into badges and tiles.
double text_width(cairo_t* cr, const std::string& utf8, const TextStyle& style);

}  // namespace art
