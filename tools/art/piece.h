// One image of the skin: its file name, size and how to draw it.
#pragma once

#include <cairo.h>

#include <array>
#include <functional>
#include <string>
#include <stdexcept>
#include <vector>

namespace art {

struct Piece {
  std::string name;  // file name in the skin folder
  int width = 0;
  int height = 0;
  std::function<void(cairo_t*)> draw;
};

using Pieces = std::vector<Piece>;

Pieces cell_pieces();
Pieces festival_pieces();
Pieces caption_button_pieces();
Pieces navigation_pieces();
Pieces tool_box_pieces();
Pieces window_pieces();

// The scales every image is drawn at; the program picks the one for its display.
inline constexpr std::array<double, 4> kScaleFactors{1.0, 1.5, 2.0, 3.0};
// The file name of an image at a scale: "name.png" at 1, "name@1.5x.png", "name@2x.png", "name@3x.png".
std::string scaled_name(const std::string& name, double factor);

// Every image of the skin, in a stable order.
Pieces all_pieces();
// Throws std::out_of_range for a name the skin does not have.
const Piece& find_piece(const Pieces& pieces, const std::string& name);

}  // namespace art
