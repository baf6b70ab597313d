// wannianli-art: draws every image of the skin, or the program's icon set.
//   wannianli-art SKIN_DIR [PREVIEW_DIR]
// Each image is drawn at 1x (name.png) and at 1.5x, 2x and 3x (name@1.5x.png, name@2x.png, name@3x.png):
// the same drawing, scaled before it is drawn, so that a display at 150 % to 300 % gets sharp pixels.
//   wannianli-art --icons ICON_DIR APP_ID
#include "app_icon.h"
#include "canvas.h"
#include "piece.h"
#include "preview.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
  bool const icons = argc == 4 && std::string_view(argv[1]) == "--icons";
  if (!icons && (argc < 2 || argc > 3)) {
    std::cerr << "usage: wannianli-art SKIN_DIR [PREVIEW_DIR] | wannianli-art --icons ICON_DIR APP_ID\n";
    return 2;
  }
  try {
    if (icons) {
      art::write_app_icons(argv[2], argv[3]);
      return 0;
    }
    const std::filesystem::path skin = argv[1];
    std::filesystem::create_directories(skin);
    for (const art::Piece& piece : art::all_pieces()) {
      for (double factor : art::kScaleFactors) {
        art::Image image = art::draw_at_scale(piece, factor);
        image.save((skin / art::scaled_name(piece.name, factor)).string());
      }
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
