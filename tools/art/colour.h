// Colours of the skin. One palette so every image agrees with the others.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace art {

struct Rgba {
  double r = 0, g = 0, b = 0, a = 1;
};

constexpr Rgba hex(std::uint32_t rgb, double alpha = 1.0) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

inline void set_source(cairo_t* cr, Rgba c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

namespace palette {
// The shrunk window is painted flat 0xFF278ADF by the program: the header gradient centres on it.
constexpr Rgba brand = hex(0x278ADF);
constexpr Rgba header_top = hex(0x2C8FE4);
constexpr Rgba header_bottom = hex(0x2283D9);
constexpr Rgba header_text = hex(0xFFFFFF);
constexpr Rgba header_soft_text = hex(0xEEF5FD);

constexpr Rgba body = hex(0xFFFFFF);
constexpr Rgba hairline = hex(0xE3E9F0);
constexpr Rgba frame = hex(0xC9D5E2);
constexpr Rgba weekday_text = hex(0x6B7785);
constexpr Rgba weekend_text = hex(0xE0504D);

// The three texts the grid draws over the cell images.
constexpr Rgba day_black = hex(0x000000);
constexpr Rgba day_grey = hex(0x808080);
constexpr Rgba day_red = hex(0xFF5757);

constexpr Rgba today_tint = hex(0xE4F0FC);
constexpr Rgba today_edge = hex(0x278ADF);

constexpr Rgba rest_badge = hex(0x17875A);
constexpr Rgba rest_tint = hex(0xEAF6F0);
constexpr Rgba rest_edge = hex(0x2A9D6C);

constexpr Rgba work_badge = hex(0xB05A16);
constexpr Rgba work_tint = hex(0xFDF1E6);
constexpr Rgba work_edge = hex(0xD2803A);

constexpr Rgba select_edge = hex(0x278ADF);

constexpr Rgba yi = hex(0x17875A);
constexpr Rgba ji = hex(0xD2403C);
}  // namespace palette

}  // namespace art
