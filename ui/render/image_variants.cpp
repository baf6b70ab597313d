#include "ui/render/image_variants.h"

#include <algorithm>
#include <cctype>

namespace DuiLib {
namespace {

bool EndsWithPng(const std::string& file) {
  constexpr std::string_view kPng = ".png";
  if (file.size() <= kPng.size()) return false;
  return std::equal(kPng.begin(), kPng.end(), file.end() - static_cast<std::ptrdiff_t>(kPng.size()),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::string FactorText(double factor) {
  std::string text = std::to_string(factor);  // "1.500000"
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

std::string ImageVariantName(const std::string& file, double factor) {
  if (factor == 1.0 || !EndsWithPng(file)) return file;
  std::string name = file;
  name.insert(name.size() - 4, "@" + FactorText(factor) + "x");
  return name;
}

std::vector<ImageVariant> ImageVariantsFor(const std::string& file, double scale) {
  if (!EndsWithPng(file)) return {ImageVariant{file, 1.0}};
  std::vector<ImageVariant> order;
  // A hair of tolerance: a scale of 1.4999999 from a DPI division still takes the 1.5× image.
  for (double factor : kImageFactors)
    if (factor >= scale - 1e-6) order.push_back({ImageVariantName(file, factor), factor});
  for (auto it = kImageFactors.rbegin(); it != kImageFactors.rend(); ++it)
    if (*it < scale - 1e-6) order.push_back({ImageVariantName(file, *it), *it});
  return order;
}

}  // namespace DuiLib
