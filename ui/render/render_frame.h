#pragma once
// The frame of this platform's canvas, which the headless host paints windows into: the cairo/pango frame,
// or on Windows the GDI+ one. Both offer the same operations (Width, Height, Canvas, Flush, Data, Stride,
// Pixel, SavePng), so tests and snapshot modes read the same on either.
#if defined(_WIN32)
#include "ui/render/gdiplus_canvas.h"
namespace DuiLib {
using RenderFrame = GdiplusFrame;
}
#else
#include "ui/render/cairo_canvas.h"
namespace DuiLib {
using RenderFrame = CairoFrame;
}
#endif
