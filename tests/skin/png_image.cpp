#include "png_image.h"

#include <cmath>
#include <cstdint>

namespace skin_test {

std::string skin_path(const std::string& name) { return std::string(WANNIANLI_OUTPUT_DIR) + "/skin/" + name; }

PngImage::PngImage(const std::string& path) : surface_(cairo_image_surface_create_from_png(path.c_str())) {
  // cairo reads an image without transparency as RGB24.
  ok_ = cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS;
  opaque_ = ok_ && cairo_image_surface_get_format(surface_.get()) == CAIRO_FORMAT_RGB24;
  ok_ = ok_ && (opaque_ || cairo_image_surface_get_format(surface_.get()) == CAIRO_FORMAT_ARGB32);
  if (ok_) {
    width_ = cairo_image_surface_get_width(surface_.get());
    height_ = cairo_image_surface_get_height(surface_.get());
  }
}

art::Rgba PngImage::at(int x, int y) const {
  const unsigned char* row = cairo_image_surface_get_data(surface_.get()) +
                             static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_.get());
  std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[x];
  if (opaque_) p |= 0xFF000000u;
  const double a = ((p >> 24) & 0xFF) / 255.0;
  if (a == 0) return {0, 0, 0, 0};
  return {((p >> 16) & 0xFF) / 255.0 / a, ((p >> 8) & 0xFF) / 255.0 / a, (p & 0xFF) / 255.0 / a, a};
}

art::Rgba PngImage::over(int x, int y, art::Rgba bg) const {
  const art::Rgba c = at(x, y);
  return {c.r * c.a + bg.r * (1 - c.a), c.g * c.a + bg.g * (1 - c.a), c.b * c.a + bg.b * (1 - c.a), 1};
}

double luminance(art::Rgba c) {
  auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
}

double contrast(art::Rgba a, art::Rgba b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace skin_test
