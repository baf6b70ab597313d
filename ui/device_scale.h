#pragma once
// Logical pixels (the skin's: layouts, hit tests, window code) and device pixels (the screen's) at a display
// scale. The paint manager, the controls and the window code work in logical pixels only; a canvas draws a
// logical rectangle on the device pixels these functions give, and a host maps native input and screen
// places back. Scales run from 1 to 3 (100 % to 300 %); any value between is allowed.
#include <algorithm>
#include <cmath>

#include "ui/ui_defs.h"

namespace DuiLib {

constexpr double kMinScale = 1.0;
constexpr double kMaxScale = 3.0;

inline double ClampScale(double scale) {
  return std::isfinite(scale) ? std::clamp(scale, kMinScale, kMaxScale) : kMinScale;
}

// A logical coordinate on the device: the nearest device pixel edge, so that rectangles sharing an edge in
// logical pixels still share it (no seam, no overlap) at 1.25 or 1.5.
inline int ToDevice(int logical, double scale) { return static_cast<int>(std::lround(logical * scale)); }
inline SIZE ToDevice(SIZE logical, double scale) { return SIZE{ToDevice(logical.cx, scale), ToDevice(logical.cy, scale)}; }
inline RECT ToDevice(const RECT& logical, double scale) {
  return RECT{ToDevice(logical.left, scale), ToDevice(logical.top, scale), ToDevice(logical.right, scale),
              ToDevice(logical.bottom, scale)};
}
// Every device pixel the logical rectangle touches (for repainting and presenting a region: nothing that
// a drawing in the rectangle may have touched is left out).
inline RECT ToDeviceOutward(const RECT& logical, double scale) {
  return RECT{static_cast<int>(std::floor(logical.left * scale)), static_cast<int>(std::floor(logical.top * scale)),
              static_cast<int>(std::ceil(logical.right * scale)), static_cast<int>(std::ceil(logical.bottom * scale))};
}

// The logical pixel whose device span (ToDevice of its two edges) holds the device pixel (pointer
// positions): the pixel a pointer is over is the one drawn there.
inline int ToLogicalPoint(int device, double scale) {
  auto x = static_cast<int>(std::floor((device + 0.5) / scale));
  while (ToDevice(x, scale) > device) --x;
  while (ToDevice(x + 1, scale) <= device) ++x;
  return x;
}
inline POINT ToLogicalPoint(POINT device, double scale) {
  return POINT{ToLogicalPoint(device.x, scale), ToLogicalPoint(device.y, scale)};
}
// The nearest logical coordinate (window places and sizes): ToDevice then ToLogical gives the value back.
inline int ToLogical(int device, double scale) { return static_cast<int>(std::lround(device / scale)); }
inline RECT ToLogical(const RECT& device, double scale) {
  return RECT{ToLogical(device.left, scale), ToLogical(device.top, scale), ToLogical(device.right, scale),
              ToLogical(device.bottom, scale)};
}

// A window's screen rectangle: the place maps to the nearest pixel and the size on its own, so that a
// window keeps its exact device size (336 x 494 at 1.5: 504 x 741) wherever it stands.
inline RECT WindowToDevice(const RECT& logical, double scale) {
  int const left = ToDevice(logical.left, scale);
  int const top = ToDevice(logical.top, scale);
  return RECT{left, top, left + ToDevice(logical.Width(), scale), top + ToDevice(logical.Height(), scale)};
}
inline RECT WindowToLogical(const RECT& device, double scale) {
  int const left = ToLogical(device.left, scale);
  int const top = ToLogical(device.top, scale);
  return RECT{left, top, left + ToLogical(device.Width(), scale), top + ToLogical(device.Height(), scale)};
}

}  // namespace DuiLib
