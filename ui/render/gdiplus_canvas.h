#pragma once
// The GDI+ canvas and the frame it paints into: the Windows twin of cairo_canvas.h. A GdiplusFrame is a
// window-sized 32-bit premultiplied image in memory (0xAARRGGBB words, rows top-down), so the Win32 host
// shows it with one SetDIBitsToDevice of Data()/Stride().
//
// Text: GDI+ with the skin's face, else Microsoft YaHei, else SimSun, else any installed font for simplified
// Chinese; sizes in pixels; grey anti-aliasing, as the cairo canvas draws it. Images: PNG files through GDI+,
// loaded once per file name for the life of the process.
#include <cstdint>
#include <memory>
#include <string>

#include "ui/render/canvas.h"

namespace DuiLib {

class GdiplusFrame {
 public:
  // `width` x `height` device pixels; the canvas takes logical pixels and draws them at `scale` (1 to 3,
  // ui/device_scale.h), as CairoFrame does.
  GdiplusFrame(int width, int height, double scale = 1.0);
  ~GdiplusFrame();
  GdiplusFrame(const GdiplusFrame&) = delete;
  GdiplusFrame& operator=(const GdiplusFrame&) = delete;

  int Width() const;
  int Height() const;
  double Scale() const;
  // The canvas drawing into this frame; it keeps its font caches between frames.
  ICanvas& Canvas();
  // Finishes pending drawing; call before reading pixels.
  void Flush();
  const std::uint8_t* Data();
  int Stride() const;
  // One pixel as 0xAARRGGBB (un-premultiplied); 0 outside the frame.
  DWORD Pixel(int x, int y);
  // The frame as the bytes of a PNG file; empty when it cannot be encoded.
  std::string EncodePng();
  // Writes the frame as a PNG file (`file` in the file functions' narrow encoding), whole or not at all (WritePngFile in
  // ui/render/image_file.h); false, with one line on standard error, when it cannot.
  bool SavePng(const std::string& file);

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

// The family the canvas draws `face` with: `face` itself when it is installed, else the first installed of
// Microsoft YaHei, SimSun and any font for simplified Chinese; empty when none is (GDI+ then uses its
// generic sans-serif).
std::wstring ResolveGdiplusFontFamily(const std::wstring& face);

}  // namespace DuiLib
