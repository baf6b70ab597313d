#pragma once
// The pixels of a PNG file for a consumer outside cairo (a window icon): 32-bit ARGB words with straight,
// not premultiplied, alpha, rows top-down without padding.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace DuiLib {

struct PngPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
};

// Null when the file is missing or not a PNG.
std::optional<PngPixels> LoadPngPixels(const std::string& file);

}  // namespace DuiLib
