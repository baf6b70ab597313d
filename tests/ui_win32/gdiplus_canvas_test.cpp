#include "ui/render/gdiplus_canvas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "ui/render/gdiplus_image_cache.h"

namespace {

using DuiLib::DWORD;
using DuiLib::GdiplusFrame;
using DuiLib::RECT;

constexpr DWORD kWhite = 0xFFFFFFFF;
constexpr DWORD kRed = 0xFFFF0000;
constexpr DWORD kBlue = 0xFF0000FF;

std::string TempFile(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

TEST(GdiplusCanvas, FillsCoverExactlyTheirPixelsInTheirColour) {
  GdiplusFrame frame(20, 10);
  frame.Canvas().FillRect(RECT{0, 0, 20, 10}, kWhite);
  frame.Canvas().FillRect(RECT{2, 3, 5, 6}, 0xFF123456);
  EXPECT_EQ(frame.Pixel(2, 3), 0xFF123456u);
  EXPECT_EQ(frame.Pixel(4, 5), 0xFF123456u);
  EXPECT_EQ(frame.Pixel(5, 5), kWhite);  // right and bottom edges are outside
  EXPECT_EQ(frame.Pixel(4, 6), kWhite);
  EXPECT_EQ(frame.Pixel(1, 3), kWhite);
}

TEST(GdiplusCanvas, TranslucentFillsBlendOverWhatIsThere) {
  GdiplusFrame frame(4, 4);
  frame.Canvas().FillRect(RECT{0, 0, 4, 4}, kWhite);
  frame.Canvas().FillRect(RECT{0, 0, 4, 4}, 0x80000000);  // half black
  DWORD const p = frame.Pixel(1, 1);
  EXPECT_EQ(p >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>(p & 0xFF), 127, 2);
}

TEST(GdiplusCanvas, FrameIsDrawnInsideTheRectangle) {
  GdiplusFrame frame(10, 10);
  frame.Canvas().FillRect(RECT{0, 0, 10, 10}, kWhite);
  frame.Canvas().DrawFrame(RECT{1, 1, 9, 9}, 2, kRed);
  EXPECT_EQ(frame.Pixel(1, 1), kRed);
  EXPECT_EQ(frame.Pixel(2, 5), kRed);
  EXPECT_EQ(frame.Pixel(8, 8), kRed);
  EXPECT_EQ(frame.Pixel(3, 3), kWhite);  // inside the frame
  EXPECT_EQ(frame.Pixel(0, 0), kWhite);  // outside the rectangle
  EXPECT_EQ(frame.Pixel(9, 9), kWhite);
}

TEST(GdiplusCanvas, ClipsNestAndPopBack) {
  GdiplusFrame frame(10, 10);
  DuiLib::ICanvas& canvas = frame.Canvas();
  canvas.FillRect(RECT{0, 0, 10, 10}, kWhite);
  canvas.PushClip(RECT{0, 0, 6, 10});
  canvas.PushClip(RECT{4, 0, 10, 10});
  canvas.FillRect(RECT{0, 0, 10, 10}, kRed);  // only columns 4 and 5
  canvas.PopClip();
  canvas.FillRect(RECT{0, 5, 10, 6}, kBlue);  // columns 0..5 of row 5
  canvas.PopClip();
  canvas.FillRect(RECT{0, 9, 10, 10}, kBlue);  // the whole last row
  EXPECT_EQ(frame.Pixel(3, 0), kWhite);
  EXPECT_EQ(frame.Pixel(4, 0), kRed);
  EXPECT_EQ(frame.Pixel(5, 0), kRed);
  EXPECT_EQ(frame.Pixel(6, 0), kWhite);
  EXPECT_EQ(frame.Pixel(0, 5), kBlue);
  EXPECT_EQ(frame.Pixel(7, 5), kWhite);
  EXPECT_EQ(frame.Pixel(9, 9), kBlue);
}

TEST(GdiplusCanvas, PngImagesRoundTripPixelForPixel) {
  std::string const file = TempFile("wannianli-gdiplus-test.png");
  {
    GdiplusFrame source(6, 4);
    source.Canvas().FillRect(RECT{0, 0, 3, 4}, kRed);
    source.Canvas().FillRect(RECT{3, 0, 6, 4}, 0xFF00FF00);
    ASSERT_TRUE(source.SavePng(file));
  }
  GdiplusFrame frame(10, 10);
  frame.Canvas().FillRect(RECT{0, 0, 10, 10}, kWhite);
  EXPECT_EQ(frame.Canvas().ImageSize(file), (DuiLib::SIZE{6, 4}));
  ASSERT_TRUE(frame.Canvas().DrawImage(RECT{2, 2, 8, 6}, file));
  EXPECT_EQ(frame.Pixel(2, 2), kRed);
  EXPECT_EQ(frame.Pixel(4, 5), kRed);
  EXPECT_EQ(frame.Pixel(5, 2), 0xFF00FF00u);
  EXPECT_EQ(frame.Pixel(7, 5), 0xFF00FF00u);
  EXPECT_EQ(frame.Pixel(8, 5), kWhite);
  EXPECT_EQ(frame.Pixel(1, 2), kWhite);

  // Stretched to twice the size: the edges keep their colour rather than fading.
  ASSERT_TRUE(frame.Canvas().DrawImage(RECT{0, 0, 10, 8}, file));
  EXPECT_EQ(frame.Pixel(0, 0), kRed);
  EXPECT_EQ(frame.Pixel(9, 7), 0xFF00FF00u);
  std::remove(file.c_str());
}

TEST(GdiplusCanvas, AMissingImageDrawsNothingAndIsReportedOnce) {
  GdiplusFrame frame(4, 4);
  frame.Canvas().FillRect(RECT{0, 0, 4, 4}, kWhite);
  std::string const missing = TempFile("wannianli-no-such-image.png");
  int const before = DuiLib::MissingGdiplusImageCount();
  EXPECT_FALSE(frame.Canvas().DrawImage(RECT{0, 0, 4, 4}, missing));
  EXPECT_FALSE(frame.Canvas().DrawImage(RECT{0, 0, 4, 4}, missing));
  EXPECT_EQ(frame.Canvas().ImageSize(missing), (DuiLib::SIZE{0, 0}));
  EXPECT_EQ(DuiLib::MissingGdiplusImageCount(), before + 1);
  EXPECT_EQ(frame.Pixel(1, 1), kWhite);
}

}  // namespace
