#pragma once
// The bounds a skin is held to. A skin is data: whatever a file says, the framework must not crash, overflow
// an int or take unbounded memory or time. Each bound is far beyond what a real skin needs (main.xml is about
// 10 KB, nests four controls deep, and its largest number is 494).
#include <algorithm>
#include <cstdint>

namespace DuiLib {

// An inclusive range of integers a skin number must lie in.
struct IntRange {
  int min;
  int max;
  constexpr bool Contains(long long value) const { return value >= min && value <= max; }
};

constexpr std::uint64_t kMaxSkinFileBytes = 1u << 20;  // 1 MiB
// Controls inside controls: every tree walk (layout, painting, hit tests, deletion) recurses once a level.
constexpr int kMaxSkinDepth = 64;

constexpr IntRange kWindowExtentRange{1, 4096};      // the window's size: a frame of at most 64 MiB
constexpr IntRange kCaptionRange{0, 4096};           // the caption's insets
constexpr IntRange kCoordinateRange{-16384, 16384};  // positions, insets, paddings
constexpr IntRange kExtentRange{0, 16384};           // widths, heights, border sizes
constexpr IntRange kFontSizeRange{1, 512};           // pixels
constexpr IntRange kFontIdRange{0, 9999};
constexpr IntRange kFontIndexRange{-1, 9999};        // a control's font: -1 is the default font
constexpr IntRange kItemHeightRange{1, 1024};
constexpr IntRange kDropRowsRange{1, 100};
constexpr IntRange kMaxCharRange{0, 65535};

// Layout results are kept within this distance of the window's origin, whatever a program sets in code and
// however many children a layout stacks, so that widths and sums of positions always fit an int.
constexpr int kMaxLayoutCoordinate = 1 << 24;
constexpr int ClampCoordinate(long long value) {
  return static_cast<int>(std::clamp<long long>(value, -kMaxLayoutCoordinate, kMaxLayoutCoordinate));
}

}  // namespace DuiLib
