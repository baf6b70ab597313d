#include "ui/render/gdiplus_image_cache.h"

#include <windows.h>

#include <gdiplus.h>

#include <cstdio>
#include <memory>
#include <unordered_map>

#include "platform/code_page.h"
#include "platform/path_encoding.h"
#include "ui/render/gdiplus_session.h"

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

// A copy in premultiplied pixels, which GDI+ blends fastest, and which does not keep the file open.
std::unique_ptr<Gdiplus::Bitmap> Load(const std::string& file, const char*& problem) {
  problem = "GDI+ did not start";
  if (!StartGdiplusOnce()) return nullptr;
  std::wstring const path = platform::Utf8ToWide(platform::NarrowPathToUtf8(file));
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    problem = "no such file";
    return nullptr;
  }
  problem = "not a readable image";
  std::unique_ptr<Gdiplus::Bitmap> loaded(Gdiplus::Bitmap::FromFile(path.c_str()));
  if (!loaded || loaded->GetLastStatus() != Gdiplus::Ok || loaded->GetWidth() == 0) return nullptr;
  auto copy = std::make_unique<Gdiplus::Bitmap>(static_cast<INT>(loaded->GetWidth()),
                                                static_cast<INT>(loaded->GetHeight()), PixelFormat32bppPARGB);
  if (copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Graphics graphics(copy.get());
  graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  if (graphics.DrawImage(loaded.get(), 0, 0, copy->GetWidth(), copy->GetHeight()) != Gdiplus::Ok) return nullptr;
  return copy;
}

}  // namespace

Gdiplus::Bitmap* LoadCachedGdiplusImage(const std::string& file) {
  Cache& cache = TheCache();
  auto it = cache.images.find(file);
  if (it != cache.images.end()) return it->second.get();
  const char* problem = nullptr;
  std::unique_ptr<Gdiplus::Bitmap> image = Load(file, problem);
  if (!image) {
    std::fprintf(stderr, "wannianli: cannot load the image %s (%s); it is drawn as nothing\n", file.c_str(), problem);
    ++cache.missing;
  }
  return cache.images.emplace(file, std::move(image)).first->second.get();
}

int MissingGdiplusImageCount() { return TheCache().missing; }

}  // namespace DuiLib
