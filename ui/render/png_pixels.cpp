#include "ui/render/png_pixels.h"

#include <cairo.h>

#include <cstring>
#include <memory>

#include "ui/render/image_cache.h"

namespace DuiLib {

std::optional<PngPixels> LoadPngPixels(const std::string& file) {
  // Through the image cache, so that the icon is read under the same rule as every other image (a regular
  // PNG file of bounded size; a FIFO is never waited on) and a bad one is reported once.
  cairo_surface_t* png = LoadCachedImage(file);
  if (png == nullptr) return std::nullopt;
  // Whatever format the file had, drawn onto one ARGB32 image.
  int const width = cairo_image_surface_get_width(png);
  int const height = cairo_image_surface_get_height(png);
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> image(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), &cairo_surface_destroy);
  std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(image.get()), &cairo_destroy);
  cairo_set_source_surface(cr.get(), png, 0, 0);
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr.get());
  cairo_surface_flush(image.get());
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return std::nullopt;

  PngPixels pixels;
  pixels.width = width;
  pixels.height = height;
  pixels.argb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  unsigned char const* data = cairo_image_surface_get_data(image.get());
  int const stride = cairo_image_surface_get_stride(image.get());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint32_t word;
      std::memcpy(&word, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, sizeof word);
      std::uint32_t const a = word >> 24;
      // cairo premultiplies the colour by the alpha; the consumer wants it back.
      auto const channel = [&](int shift) {
        std::uint32_t const c = (word >> shift) & 0xFF;
        return a == 0 ? 0u : std::min<std::uint32_t>(255, (c * 255 + a / 2) / a);
      };
      pixels.argb[static_cast<std::size_t>(y) * width + x] =
          (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
    }
  }
  return pixels;
}

}  // namespace DuiLib
