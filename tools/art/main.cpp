// wannianli-art: draws every image of the skin.
//   wannianli-art SKIN_DIR [PREVIEW_DIR]
#include "canvas.h"
#include "piece.h"
#include "preview.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: wannianli-art SKIN_DIR [PREVIEW_DIR]\n";
    return 2;
  }
  try {
    const std::filesystem::path skin = argv[1];
    std::filesystem::create_directories(skin);
    for (const art::Piece& piece : art::all_pieces()) {
      art::Image image(piece.width, piece.height);
      piece.draw(image.cr());
      image.save((skin / piece.name).string());
    }
    if (argc == 3) {
      std::filesystem::create_directories(argv[2]);
      art::write_previews(argv[2]);
    }
  } catch (const std::exception& e) {
    std::cerr << "wannianli-art: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
