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

const Piece& find_piece(const Pieces& pieces, const std::string& name) {
  for (const Piece& p : pieces)
    if (p.name == name) return p;
  throw std::out_of_range("no image named " + name);
}

}  // namespace art
