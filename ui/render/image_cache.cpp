#include "ui/render/image_cache.h"

#include <cairo.h>

#include <cstdio>
#include <memory>
#include <unordered_map>

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

}  // namespace

cairo_surface_t* LoadCachedImage(const std::string& file) {
  Cache& cache = TheCache();
  auto it = cache.images.find(file);
  if (it != cache.images.end()) return it->second.get();
  SurfacePtr surface(cairo_image_surface_create_from_png(file.c_str()));
  cairo_status_t status = cairo_surface_status(surface.get());
  if (status != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "wannianli: cannot load the image %s (%s); it is drawn as nothing\n", file.c_str(),
                 status == CAIRO_STATUS_FILE_NOT_FOUND ? "no such file" : cairo_status_to_string(status));
    surface.reset();
    ++cache.missing;
  }
  return cache.images.emplace(file, std::move(surface)).first->second.get();
}

int MissingImageCount() { return TheCache().missing; }

}  // namespace DuiLib
