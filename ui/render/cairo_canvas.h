#pragma once
// The cairo + pango canvas and the frame it paints into. A CairoFrame is a window-sized cairo image: its own
// ARGB32 memory (premultiplied, native-endian 0xAARRGGBB words, the layout of SDL_PIXELFORMAT_ARGB8888), or
// memory a host lends it (OverPixels: a window's framebuffer, painted where it is shown).
//
// Text: pango with the language zh-cn (otherwise Latin digits and CJK characters come from different
// fonts), the skin's face followed by CJK fallbacks that fontconfig resolves, sizes in pixels. Images: PNG
// files through cairo, loaded once per file name for the life of the process; at a scale above 1 the
// nearest larger variant (image_variants.h).
#include <cstdint>
#include <memory>
#include <string>

#include "ui/render/canvas.h"

namespace DuiLib {

// How lent pixels are laid out: native-endian 32-bit words, one per pixel.
enum class PixelLayout {
  premultipliedArgb,  // 0xAARRGGBB, colours premultiplied by alpha (cairo ARGB32, SDL_PIXELFORMAT_ARGB8888)
  opaqueRgb,          // 0x--RRGGBB, the top byte unused (cairo RGB24, SDL_PIXELFORMAT_XRGB8888)
};

class CairoFrame {
 public:
  // `width` x `height` device pixels; the canvas takes logical pixels and draws them at `scale` (1 to 3,
  // ui/device_scale.h): a window of 336 x 494 logical pixels at 2 has a frame of 672 x 988.
  CairoFrame(int width, int height, double scale = 1.0);
  // A frame that paints into `pixels`, which the caller owns: `height` rows `stride` bytes apart, each of
  // `width` words as `layout` says. The memory must stay valid as long as the frame lives (destroying the
  // frame never touches it); nothing else may write it while the canvas paints. Null when cairo cannot
  // address it so (a stride not a multiple of 4 or shorter than a row).
  static std::unique_ptr<CairoFrame> OverPixels(std::uint8_t* pixels, int width, int height, int stride,
                                                PixelLayout layout, double scale = 1.0);
  ~CairoFrame();
  CairoFrame(const CairoFrame&) = delete;
  CairoFrame& operator=(const CairoFrame&) = delete;

  int Width() const;
  int Height() const;
  double Scale() const;
  // The canvas drawing into this frame; it keeps its font and layout caches between frames.
  ICanvas& Canvas();
  // Finishes pending drawing; call before reading pixels.
  void Flush();
  const std::uint8_t* Data();
  int Stride() const;
  // One pixel as 0xAARRGGBB (un-premultiplied; opaque in an opaqueRgb frame); 0 outside the frame.
  DWORD Pixel(int x, int y);
  // The frame as the bytes of a PNG file; empty when it cannot be encoded.
  std::string EncodePng();
  // Writes the frame as a PNG file, whole or not at all (WritePngFile in
  // ui/render/image_file.h); false, with one line on standard error, when it cannot.
  bool SavePng(const std::string& file);

 private:
  struct Impl;
  struct Made {};  // only the frame's own factories make it from an Impl

 public:
  CairoFrame(Made, std::unique_ptr<Impl> impl);

 private:
  std::unique_ptr<Impl> m_impl;
};

}  // namespace DuiLib
