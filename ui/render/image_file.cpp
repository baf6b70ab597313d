#include "ui/render/image_file.h"

#include <cstdio>

#include "platform/atomic_file.h"
#include "platform/message_text.h"
#include "platform/regular_file.h"

namespace DuiLib {
namespace {

constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1A\n", 8};

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

std::string CheckPngHeader(std::string_view bytes) {
  // The signature, then the IHDR chunk: length 13, "IHDR", width and height as big-endian words.
  if (!bytes.starts_with(kPngSignature)) return "not a PNG file";
  if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR") return "not a PNG file (no image header)";
  std::uint32_t const width = BigEndian32(bytes, 16);
  std::uint32_t const height = BigEndian32(bytes, 20);
  if (width == 0 || height == 0) return "a PNG file of no pixels";
  if (width > kMaxImageSide || height > kMaxImageSide) {
    return std::to_string(width) + " x " + std::to_string(height) + " pixels, more than " +
           std::to_string(kMaxImageSide) + " x " + std::to_string(kMaxImageSide);
  }
  return {};
}

ImageFile ReadImageFile(const std::string& path) {
  platform::FileContents contents = platform::ReadRegularFile(path, kMaxImageFileBytes);
  switch (contents.error) {
    case platform::FileReadError::None: break;
    case platform::FileReadError::CannotOpen: return {{}, "no such file, or it cannot be opened", true};
    case platform::FileReadError::TooLarge:
      return {{}, "larger than " + std::to_string(kMaxImageFileBytes >> 20) + " MiB"};
    default: return {{}, platform::DescribeFileReadError(contents.error)};
  }
  std::string problem = CheckPngHeader(contents.bytes);
  if (!problem.empty()) return {{}, std::move(problem)};
  return {std::move(contents.bytes), {}};
}

bool WritePngFile(const std::string& file, const std::string& png) {
  std::string const problem =
      png.empty() ? "cannot write " + platform::QuoteForMessage(file, platform::kQuotedArgumentBytes) +
                        ": the frame could not be encoded as PNG"
                  : platform::WriteFileAtomically(file, png, platform::MissingFolders::fail,
                                                  platform::NewFileAccess::everyone);
  if (!problem.empty()) std::fprintf(stderr, "wannianli: %s\n", problem.c_str());
  return problem.empty();
}

}  // namespace DuiLib
