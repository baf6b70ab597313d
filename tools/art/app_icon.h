// The program's own icon: a calendar page with the blue header of the widget and 历 on it. Drawn at any
// size; below 32 px the character gives way to a grid of days, which still reads at that size.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <string>
#include <vector>

namespace art {

// Sizes of the PNG icons in the hicolor theme; the Windows icon file takes the same ones.
inline const std::vector<int> kAppIconSizes = {16, 24, 32, 48, 64, 128, 256};
// The window icon's file name in the skin folder.
inline constexpr const char* kWindowIconName = "wannianli.png";
inline constexpr int kWindowIconSize = 128;

// Draws the icon into the box (0, 0, size, size).
void draw_app_icon(cairo_t* cr, double size);

// Writes the icon set named `id` into `dir`:
//   dir/hicolor/NxN/apps/ID.png for every size of kAppIconSizes,
//   dir/hicolor/scalable/apps/ID.svg,
//   dir/ID.ico (every size, PNG-compressed, for the Windows program and its installer).
// Throws std::runtime_error when a file cannot be written.
void write_app_icons(const std::filesystem::path& dir, const std::string& id);

}  // namespace art
