#include "ui/render/image_cache.h"

#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "ui/render/image_file.h"

namespace DuiLib {
namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct Cache {
  std::unordered_map<std::string, SurfacePtr> images;  // null: known to be missing
  int missing = 0;
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

// Feeds the bytes read under the image rule to cairo's PNG decoder.
struct PngReader {
  std::string_view rest;
  static cairo_status_t Read(void* closure, unsigned char* data, unsigned int length) {
    auto* reader = static_cast<PngReader*>(closure);
    if (reader->rest.size() < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, reader->rest.data(), length);
    reader->rest.remove_prefix(length);
    return CAIRO_STATUS_SUCCESS;
  }
};

SurfacePtr Load(const std::string& file, std::string& problem) {
  ImageFile image = ReadImageFile(file);
  problem = std::move(image.problem);
  if (!problem.empty()) return nullptr;
  PngReader reader{image.bytes};
  SurfacePtr surface(cairo_image_surface_create_from_png_stream(&PngReader::Read, &reader));
  if (cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS) return surface;
  problem = "the PNG data cannot be decoded";
  return nullptr;
}

}  // namespace

cairo_surface_t* LoadCachedImage(const std::string& file) {
  Cache& cache = TheCache();
  auto it = cache.images.find(file);
  if (it != cache.images.end()) return it->second.get();
  std::string problem;
  SurfacePtr surface = Load(file, problem);
  if (!surface) {
    std::fprintf(stderr, "wannianli: cannot load the image %s (%s); it is drawn as nothing\n", file.c_str(),
                 problem.c_str());
    ++cache.missing;
  }
  return cache.images.emplace(file, std::move(surface)).first->second.get();
}

int MissingImageCount() { return TheCache().missing; }

}  // namespace DuiLib
