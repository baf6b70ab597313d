// One image of the skin: its file name, size and how to draw it.
#pragma once

#include <cairo.h>

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

// Every image of the skin, in a stable order.
Pieces all_pieces();
// Throws std::out_of_range for a name the skin does not have.
const Piece& find_piece(const Pieces& pieces, const std::string& name);

}  // namespace art
