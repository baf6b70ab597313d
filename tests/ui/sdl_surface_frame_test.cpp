// The frame of an SDL window over its surface: painted in place where cairo can address the memory,
// converted part by part where it cannot.
#include <gtest/gtest.h>

#include <memory>

#include "ui/host/sdl_surface_frame.h"

namespace sdltest {
namespace {

using namespace DuiLib;
using DuiLib::sdl::SurfaceFrame;

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

Surface Make(Uint32 format) { return Surface(SDL_CreateRGBSurfaceWithFormat(0, 20, 10, 0, format)); }

// Whether the surface's pixel at x,y is the colour 0xRRGGBB in the surface's format.
bool Holds(const Surface& surface, int x, int y, DWORD rgb) {
  auto const* at = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch +
                   x * surface->format->BytesPerPixel;
  Uint32 pixel = 0;
  SDL_memcpy(&pixel, at, surface->format->BytesPerPixel);  // little-endian host: the low bytes
  Uint32 const rgbMask = surface->format->Rmask | surface->format->Gmask | surface->format->Bmask;
  Uint32 const wanted = SDL_MapRGB(surface->format, (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  return (pixel & rgbMask) == (wanted & rgbMask);
}

TEST(SdlSurfaceFrame, ThirtyTwoBitSurfacesArePaintedWhereTheyLie) {
  for (Uint32 format : {SDL_PIXELFORMAT_XRGB8888, SDL_PIXELFORMAT_ARGB8888}) {
    Surface target = Make(format);
    ASSERT_NE(target, nullptr) << SDL_GetError();
    SurfaceFrame frame(target.get(), 2.0);
    EXPECT_TRUE(frame.InPlace()) << SDL_GetPixelFormatName(format);
    frame.Canvas().FillRect(RECT{1, 1, 3, 3}, 0xFF3366CC);  // logical: device 2,2 .. 6,6
    frame.Finish({});
    EXPECT_TRUE(Holds(target, 5, 5, 0x3366CC)) << SDL_GetPixelFormatName(format);
    EXPECT_TRUE(Holds(target, 7, 5, 0x000000)) << SDL_GetPixelFormatName(format);
  }
}

TEST(SdlSurfaceFrame, OtherFormatsGetThePaintedPartsConverted) {
  Surface target = Make(SDL_PIXELFORMAT_RGB565);
  ASSERT_NE(target, nullptr) << SDL_GetError();
  SurfaceFrame frame(target.get(), 1.0);
  EXPECT_FALSE(frame.InPlace());
  frame.Canvas().FillRect(RECT{0, 0, 20, 10}, 0xFFFF0000);
  frame.Canvas().FillRect(RECT{4, 0, 8, 10}, 0xFF00FF00);
  frame.Finish({SDL_Rect{0, 0, 8, 10}});
  EXPECT_TRUE(Holds(target, 1, 1, 0xFF0000));
  EXPECT_TRUE(Holds(target, 5, 9, 0x00FF00));
  EXPECT_TRUE(Holds(target, 12, 5, 0x000000));  // painted, but not among the finished parts
}

}  // namespace
}  // namespace sdltest
