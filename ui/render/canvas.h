#pragma once
// The narrow drawing surface every control paints on. The framework core knows only this interface; the
// cairo/pango canvas (ui/render/cairo_canvas.h) and, on Windows, the GDI+ canvas (ui/render/gdiplus_canvas.h)
// live behind it, and load images under one shared rule (ui/render/image_file.h).
//
// Coordinates are window client pixels. Colours are 0xAARRGGBB words and are honoured exactly, alpha
// included (the core decides what a colour of 0 means before it calls here).
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui_defs.h"

namespace DuiLib {

// Every canvas draws a larger font at this size: a size set in code may be any int.
constexpr int kMaxFontPixels = 4096;

// A font of the skin's font table. `size` is in pixels (the height of the em box), not points.
struct FontSpec {
  std::wstring face;  // empty: the default face; unknown faces fall back to a CJK-capable font
  int size = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class ICanvas {
 public:
  virtual ~ICanvas() = default;

  virtual void FillRect(const RECT& rect, DWORD argb) = 0;
  // A frame of `width` pixels drawn inside `rect`: four fills, the same on every canvas (a canvas at a
  // display scale fills the sides of the frame mapped to its device pixels: FrameSides).
  virtual void DrawFrame(const RECT& rect, int width, DWORD argb) {
    if (rect.IsEmpty() || width <= 0) return;
    for (const RECT& side : FrameSides(rect, width)) FillRect(side, argb);
  }

  // The top, bottom, left and right sides of a frame of `width` inside `rect` (width capped to the rect).
  static std::array<RECT, 4> FrameSides(const RECT& rect, int width) {
    width = std::min({width, rect.Width(), rect.Height()});
    return {RECT{rect.left, rect.top, rect.right, rect.top + width},
            RECT{rect.left, rect.bottom - width, rect.right, rect.bottom},
            RECT{rect.left, rect.top + width, rect.left + width, rect.bottom - width},
            RECT{rect.right - width, rect.top + width, rect.right, rect.bottom - width}};
  }

  // Draws the image file stretched over `dest`. `file` is a full path; the image is loaded once per file
  // name for the life of the process. A missing or unreadable image is reported once on standard error and
  // draws nothing; the answer is false then.
  virtual bool DrawImage(const RECT& dest, const std::string& file) = 0;
  // Pixel size of the image file, or {0, 0} when it cannot be loaded.
  virtual SIZE ImageSize(const std::string& file) = 0;

  // Text inside `rect` (and clipped to it) with the DT_* flags: horizontal DT_LEFT/DT_CENTER/DT_RIGHT,
  // vertical DT_TOP/DT_VCENTER/DT_BOTTOM, DT_SINGLELINE (optionally DT_END_ELLIPSIS) or DT_WORDBREAK.
  virtual void DrawText(const RECT& rect, std::wstring_view text, const FontSpec& font, DWORD argb,
                        UINT style) = 0;
  // Size the text takes with the same flags; `maxWidth` <= 0 means unbounded.
  virtual SIZE MeasureText(std::wstring_view text, const FontSpec& font, int maxWidth, UINT style) = 0;
  // Where a caret stands in one line of text drawn unwrapped from x = 0: `stops[i]` before text[i],
  // `stops[text.size()]` after the last character (size + 1 entries; the second unit of a surrogate pair
  // gets its character's stop). This default adds up the widths of single characters; a canvas that shapes
  // text measures it as one line.
  virtual std::vector<int> MeasureCaretStops(std::wstring_view text, const FontSpec& font) {
    std::vector<int> stops(text.size() + 1, 0);
    int x = 0;
    for (std::size_t i = 0; i < text.size();) {
      bool const pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
                        text[i + 1] <= 0xDFFF;
      std::size_t const units = pair ? 2 : 1;
      stops[i] = x;
      if (pair) stops[i + 1] = x;
      x += MeasureText(text.substr(i, units), font, 0, DT_SINGLELINE).cx;
      i += units;
    }
    stops[text.size()] = x;
    return stops;
  }

  // Clip stack: drawing is restricted to the intersection of every pushed rectangle.
  virtual void PushClip(const RECT& rect) = 0;
  virtual void PopClip() = 0;
};

// Pops the clip it pushed when it goes out of scope.
class ClipScope {
 public:
  ClipScope(ICanvas& canvas, const RECT& rect) : canvas_(canvas) { canvas_.PushClip(rect); }
  ~ClipScope() { canvas_.PopClip(); }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  ICanvas& canvas_;
};

}  // namespace DuiLib
