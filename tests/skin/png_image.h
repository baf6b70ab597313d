// A PNG of the skin read back for inspection, with colour maths for the legibility checks.
#pragma once

#include "cairo_handles.h"
#include "colour.h"

#include <string>

namespace skin_test {

std::string skin_path(const std::string& name);

class PngImage {
 public:
  explicit PngImage(const std::string& path);
  bool ok() const { return ok_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Straight (not premultiplied) colour of a pixel.
  art::Rgba at(int x, int y) const;
  // The pixel as it shows over an opaque background.
  art::Rgba over(int x, int y, art::Rgba background) const;

 private:
  art::SurfacePtr surface_;
  bool ok_ = false;
  bool opaque_ = false;
  int width_ = 0;
  int height_ = 0;
};

double luminance(art::Rgba c);
// WCAG contrast ratio, 1 to 21.
double contrast(art::Rgba a, art::Rgba b);

}  // namespace skin_test
