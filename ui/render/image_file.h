#pragma once
// The rule every canvas loads images by (the cairo canvas and the GDI+ one share it): only a regular file
// (a FIFO or a device is refused at once, never waited on), at most 16 MiB, a PNG by its signature, at most
// 4096 × 4096 pixels by its header. Image names are kept inside the skin folder before they get here
// (CPaintManagerUI::ResolveFile).
#include <cstdint>
#include <string>
#include <string_view>

namespace DuiLib {

constexpr std::uint64_t kMaxImageFileBytes = 16u << 20;
constexpr int kMaxImageSide = 4096;  // pixels; a decoded image takes at most 64 MiB

struct ImageFile {
  std::string bytes;    // the whole file, for the canvas to decode
  std::string problem;  // why the image cannot be used ("not a PNG file", ...); empty when it can
  bool absent = false;  // the problem is that no such file can be opened (an optional variant may be absent)
};

// The file at `path` (a narrow path), read under the rule above.
ImageFile ReadImageFile(const std::string& path);
// Why `bytes` are not a PNG the rule accepts, judged by the signature and header alone; empty when they are.
std::string CheckPngHeader(std::string_view bytes);

// How every frame saves itself: the encoded PNG `png` (empty when encoding failed) replaces `file` whole, or
// `file` keeps what it held (platform::WriteFileAtomically), in a folder that must exist; a new file is
// readable as the umask allows. False, after one line on standard error naming the file and the cause
// ("wannianli: cannot write out.png: No space left on device"), when it cannot.
bool WritePngFile(const std::string& file, const std::string& png);

}  // namespace DuiLib
