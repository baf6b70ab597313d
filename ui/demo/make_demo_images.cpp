// Build step: draws the demo skin's images into the given folder.
//   make_demo_images FOLDER/
#include <cstdio>

#include "ui/demo/demo_images.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER/\n", argv[0]);
    return 2;
  }
  return demo::WriteDemoImages(argv[1]) ? 0 : 1;
}
