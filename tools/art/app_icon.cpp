#include "app_icon.h"

#include "canvas.h"
#include "colour.h"

#include <cairo-svg.h>

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace art {
namespace {

constexpr Rgba kPageEdge = hex(0xC9D5E2);
constexpr Rgba kRing = hex(0xFFFFFF);
constexpr Rgba kGlyph = hex(0xE0504D);
constexpr Rgba kDay = hex(0x9AA7B6);

void small_day_grid(cairo_t* cr, Box body) {
  // Three by two days, the first one today's.
  double const gap = body.w * 0.08;
  double const cell = (body.w - 4 * gap) / 3;
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col) {
      Box const b{body.x + gap + col * (cell + gap), body.y + gap + row * (cell + gap), cell, cell};
      fill_rounded(cr, b, cell * 0.2, row == 0 && col == 0 ? kGlyph : kDay);
    }
}

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

std::string png_bytes(int size) {
  Image image(size, size);
  draw_app_icon(image.cr(), size);
  cairo_surface_flush(image.surface());
  std::string bytes;
  if (cairo_surface_write_to_png_stream(image.surface(), append_bytes, &bytes) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot encode the " + std::to_string(size) + " px icon");
  return bytes;
}

void write_file(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

void put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// An .ico file whose images are PNG streams (read by Windows Vista and later, and by wine).
std::string ico_bytes(const std::vector<std::string>& pngs, const std::vector<int>& sizes) {
  std::string out;
  put16(out, 0);  // reserved
  put16(out, 1);  // an icon
  put16(out, static_cast<std::uint32_t>(pngs.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(pngs.size());
  for (std::size_t i = 0; i < pngs.size(); ++i) {
    auto const side = static_cast<char>(sizes[i] >= 256 ? 0 : sizes[i]);  // 0 stands for 256
    out.push_back(side);
    out.push_back(side);
    out.push_back(0);  // no palette
    out.push_back(0);
    put16(out, 1);   // planes
    put16(out, 32);  // bits per pixel
    put32(out, static_cast<std::uint32_t>(pngs[i].size()));
    put32(out, offset);
    offset += static_cast<std::uint32_t>(pngs[i].size());
  }
  for (const std::string& png : pngs) out += png;
  return out;
}

}  // namespace

void draw_app_icon(cairo_t* cr, double size) {
  cairo_save(cr);
  double const u = size / 256.0;  // drawn on a 256 grid
  cairo_scale(cr, u, u);
  Box const page{16, 20, 224, 220};
  double const radius = 36;
  // The page with a hairline edge, then the header band clipped to the page's rounded top.
  fill_rounded(cr, page, radius, palette::body);
  cairo_save(cr);
  rounded_rect(cr, page, radius);
  cairo_clip(cr);
  vertical_gradient(cr, {page.x, page.y, page.w, 72}, palette::header_top, palette::header_bottom);
  cairo_restore(cr);
  // The hairline thickens at small sizes so that the page's edge survives the scaling.
  stroke_rounded(cr, page, radius, size < 48 ? 10 : 4, kPageEdge);
  // Two binder rings over the header's top edge.
  for (double x : {76.0, 164.0}) fill_rounded(cr, {x, 6, 16, 40}, 8, kRing);
  Box const body{page.x + 14, page.y + 80, page.w - 28, page.h - 92};
  if (size < 32) {
    small_day_grid(cr, body);
  } else {
    draw_text(cr, "历", body, TextStyle{132, true, kGlyph, Align::centre});
  }
  cairo_restore(cr);
}

void write_app_icons(const std::filesystem::path& dir, const std::string& id) {
  std::vector<std::string> pngs;
  for (int size : kAppIconSizes) {
    pngs.push_back(png_bytes(size));
    std::string const folder = std::to_string(size) + "x" + std::to_string(size);
    write_file(dir / "hicolor" / folder / "apps" / (id + ".png"), pngs.back());
  }
  write_file(dir / (id + ".ico"), ico_bytes(pngs, kAppIconSizes));

  std::filesystem::path const svg = dir / "hicolor" / "scalable" / "apps" / (id + ".svg");
  std::filesystem::create_directories(svg.parent_path());
  SurfacePtr surface(cairo_svg_surface_create(svg.string().c_str(), 256, 256));
  {
    ContextPtr cr(cairo_create(surface.get()));
    draw_app_icon(cr.get(), 256);
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot draw " + svg.string());
  }
  cairo_surface_finish(surface.get());
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + svg.string());
}

}  // namespace art
