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

struct Cache {
  std::unordered_map<std::string, std::unique_ptr<Gdiplus::Bitmap>> images;  // null: known to be missing
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
std::unique_ptr<Gdiplus::Bitmap> Load(const std::string& file, std::string& problem) {
  problem = "GDI+ did not start";
  if (!StartGdiplusOnce()) return nullptr;
  ImageFile image = ReadImageFile(file);
  problem = std::move(image.problem);
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

}  // namespace

Gdiplus::Bitmap* LoadCachedGdiplusImage(const std::string& file) {
  Cache& cache = TheCache();
  auto it = cache.images.find(file);
  if (it != cache.images.end()) return it->second.get();
  std::string problem;
  std::unique_ptr<Gdiplus::Bitmap> image = Load(file, problem);
  if (!image) {
    std::fprintf(stderr, "wannianli: cannot load the image %s (%s); it is drawn as nothing\n", file.c_str(),
                 problem.c_str());
    ++cache.missing;
  }
  return cache.images.emplace(file, std::move(image)).first->second.get();
}

int MissingGdiplusImageCount() { return TheCache().missing; }

}  // namespace DuiLib
