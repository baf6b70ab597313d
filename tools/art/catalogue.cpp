#include "piece.h"

#include <iterator>

namespace art {

Pieces all_pieces() {
  Pieces all;
  for (Pieces (*part)() : {cell_pieces, festival_pieces, caption_button_pieces, navigation_pieces,
                           tool_box_pieces, window_pieces}) {
    Pieces p = part();
    all.insert(all.end(), std::make_move_iterator(p.begin()), std::make_move_iterator(p.end()));
  }
  return all;
}

std::string scaled_name(const std::string& name, double factor) {
  if (factor == 1.0) return name;
  std::string suffix = factor == 1.5 ? "@1.5x" : "@" + std::to_string(static_cast<int>(factor)) + "x";
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? name + suffix : name.substr(0, dot) + suffix + name.substr(dot);
}

const Piece& find_piece(const Pieces& pieces, const std::string& name) {
  for (const Piece& p : pieces)
    if (p.name == name) return p;
  throw std::out_of_range("no image named " + name);
}

}  // namespace art
