#include "ui/render/gdiplus_image_cache.h"

#include <windows.h>

#include <gdiplus.h>
#include <shlwapi.h>

#include <cstdio>
#include <memory>
#include <unordered_map>

#include "ui/render/gdiplus_session.h"
#include "ui/render/image_file.h"

namespace DuiLib {
namespace {

struct Entry {
  std::unique_ptr<Gdiplus::Bitmap> image;  // null: cannot be loaded
  std::string problem;
  bool absent = false;
  bool reported = false;
};

struct Cache {
  std::unordered_map<std::string, Entry> images;
  int missing = 0;
};

// Never destroyed: GDI+ is never shut down either (gdiplus_session.h).
Cache& TheCache() {
  static Cache* cache = new Cache;
  return *cache;
}

struct StreamReleaser {
  void operator()(IStream* stream) const { stream->Release(); }
};

// A copy in premultiplied pixels, which GDI+ blends fastest, decoded from the bytes read under the image rule
// (image_file.h), so that GDI+ never opens a file itself.
std::unique_ptr<Gdiplus::Bitmap> Load(const std::string& file, std::string& problem, bool& absent) {
  problem = "GDI+ did not start";
  if (!StartGdiplusOnce()) return nullptr;
  ImageFile image = ReadImageFile(file);
  problem = std::move(image.problem);
  absent = image.absent;
  if (!problem.empty()) return nullptr;
  problem = "the PNG data cannot be decoded";
  std::unique_ptr<IStream, StreamReleaser> stream(
      SHCreateMemStream(reinterpret_cast<const BYTE*>(image.bytes.data()), static_cast<UINT>(image.bytes.size())));
  if (!stream) return nullptr;
  std::unique_ptr<Gdiplus::Bitmap> loaded(Gdiplus::Bitmap::FromStream(stream.get()));
  if (!loaded || loaded->GetLastStatus() != Gdiplus::Ok || loaded->GetWidth() == 0) return nullptr;
  auto copy = std::make_unique<Gdiplus::Bitmap>(static_cast<INT>(loaded->GetWidth()),
                                                static_cast<INT>(loaded->GetHeight()), PixelFormat32bppPARGB);
  if (copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Graphics graphics(copy.get());
  graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  if (graphics.DrawImage(loaded.get(), 0, 0, copy->GetWidth(), copy->GetHeight()) != Gdiplus::Ok) return nullptr;
  problem.clear();
  return copy;
}

enum class Absent { report, quiet };

Gdiplus::Bitmap* Cached(const std::string& file, Absent absent) {
  Cache& cache = TheCache();
  auto it = cache.images.find(file);
  if (it == cache.images.end()) {
    Entry entry;
    entry.image = Load(file, entry.problem, entry.absent);
    it = cache.images.emplace(file, std::move(entry)).first;
  }
  Entry& entry = it->second;
  if (!entry.image && !entry.reported && !(entry.absent && absent == Absent::quiet)) {
    std::fprintf(stderr, "wannianli: cannot load the image %s (%s); it is drawn as nothing\n", file.c_str(),
                 entry.problem.c_str());
    entry.reported = true;
    ++cache.missing;
  }
  return entry.image.get();
}

}  // namespace

Gdiplus::Bitmap* LoadCachedGdiplusImage(const std::string& file) { return Cached(file, Absent::report); }
Gdiplus::Bitmap* ProbeCachedGdiplusImage(const std::string& file) { return Cached(file, Absent::quiet); }

int MissingGdiplusImageCount() { return TheCache().missing; }

}  // namespace DuiLib
