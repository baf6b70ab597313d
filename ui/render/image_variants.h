#pragma once
// Skin images come at several scales: `name.png` at 1×, and beside it `name@1.5x.png`, `name@2x.png` and
// `name@3x.png` (tools/art draws all four). A canvas at a display scale draws the nearest image at or above
// that scale, reduced to fit: a 1× bitmap is enlarged only when no larger one exists. Every variant is read
// under the same rule as the 1× image (image_file.h), and lies in the same folder as it.
#include <array>
#include <string>
#include <vector>

namespace DuiLib {

inline constexpr std::array<double, 4> kImageFactors{1.0, 1.5, 2.0, 3.0};

struct ImageVariant {
  std::string file;
  double factor;  // its pixels per logical pixel
  friend bool operator==(const ImageVariant&, const ImageVariant&) = default;
};

// The file name of `file` (a path ending in .png, any case) at `factor`: `name@2x.png`; `file` itself at 1.
std::string ImageVariantName(const std::string& file, double factor);

// The images to try for `file` drawn at `scale`, best first: the variants at or above the scale from the
// nearest up, then those below it from the largest down. A name that does not end in .png has no variants.
std::vector<ImageVariant> ImageVariantsFor(const std::string& file, double scale);

}  // namespace DuiLib

namespace DuiLib {

template <class Image>
struct PickedImage {
  Image* image = nullptr;  // null: no variant can be loaded
  double factor = 1.0;
};

// The image to draw `file` with at `scale`: the first variant in ImageVariantsFor's order that loads.
// `probe(name)` loads a variant that may be absent without a word; when none loads, `load(file)` is asked
// for the 1× file, so that a missing image is reported once, by its own name.
template <class Image, class Probe, class Load>
PickedImage<Image> PickImage(const std::string& file, double scale, Probe&& probe, Load&& load) {
  for (const ImageVariant& variant : ImageVariantsFor(file, scale)) {
    if (Image* image = probe(variant.file)) return {image, variant.factor};
  }
  return {load(file), 1.0};
}

}  // namespace DuiLib
