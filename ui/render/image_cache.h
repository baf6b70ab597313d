#pragma once
// PNG images loaded through cairo, once per file name for the life of the process, under the image rule of
// image_file.h. A file that cannot be loaded is reported once on standard error and remembered as missing.
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace DuiLib {

// The image, or null when the file is missing, refused or not a PNG. The cache keeps ownership.
cairo_surface_t* LoadCachedImage(const std::string& file);
// The same for an image that may be absent (a scale variant, image_variants.h): a file that does not
// exist is not reported; one that exists but is refused is.
cairo_surface_t* ProbeCachedImage(const std::string& file);
// How many file names failed to load so far (for tests).
int MissingImageCount();

}  // namespace DuiLib
