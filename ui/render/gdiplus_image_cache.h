#pragma once
// PNG images loaded through GDI+, once per file name for the life of the process, under the image rule of
// image_file.h (the GDI+ twin of image_cache.h). A file that cannot be loaded is reported once on standard error and remembered as missing.
#include <string>

namespace Gdiplus {
class Bitmap;
}

namespace DuiLib {

// The image (premultiplied 32-bit pixels), or null when the file is missing or unreadable. `file` is a path
// in the file functions' narrow encoding. The cache keeps ownership.
Gdiplus::Bitmap* LoadCachedGdiplusImage(const std::string& file);
// The same for an image that may be absent (a scale variant, image_variants.h): a file that does not
// exist is not reported; one that exists but is refused is.
Gdiplus::Bitmap* ProbeCachedGdiplusImage(const std::string& file);
// How many file names failed to load so far (for tests).
int MissingGdiplusImageCount();

}  // namespace DuiLib
