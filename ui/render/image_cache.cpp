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

struct Entry {
  SurfacePtr surface;  // null: cannot be loaded
  std::string problem;
  bool absent = false;
  bool reported = false;
};

struct Cache {
  std::unordered_map<std::string, Entry> images;
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

Entry Load(const std::string& file) {
  ImageFile image = ReadImageFile(file);
  if (!image.problem.empty()) return Entry{nullptr, std::move(image.problem), image.absent};
  PngReader reader{image.bytes};
  SurfacePtr surface(cairo_image_surface_create_from_png_stream(&PngReader::Read, &reader));
  if (cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS) return Entry{std::move(surface), {}, false};
  return Entry{nullptr, "the PNG data cannot be decoded", false};
}

enum class Absent { report, quiet };

cairo_surface_t* Cached(const std::string& file, Absent absent) {
  Cache& cache = TheCache();
  auto it = cache.images.find(file);
  if (it == cache.images.end()) it = cache.images.emplace(file, Load(file)).first;
  Entry& entry = it->second;
  if (!entry.surface && !entry.reported && !(entry.absent && absent == Absent::quiet)) {
    std::fprintf(stderr, "wannianli: cannot load the image %s (%s); it is drawn as nothing\n", file.c_str(),
                 entry.problem.c_str());
    entry.reported = true;
    ++cache.missing;
  }
  return entry.surface.get();
}

}  // namespace

cairo_surface_t* LoadCachedImage(const std::string& file) { return Cached(file, Absent::report); }
cairo_surface_t* ProbeCachedImage(const std::string& file) { return Cached(file, Absent::quiet); }

int MissingImageCount() { return TheCache().missing; }

}  // namespace DuiLib
