// The cairo/pango canvas: where text lands, clipping, images.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "ui/render/cairo_canvas.h"

namespace uitest {
namespace {

using namespace DuiLib;

constexpr DWORD kWhite = 0xFFFFFFFF;
constexpr DWORD kBlack = 0xFF000000;

bool Inked(DWORD p) { return p != kWhite; }

// The bounding box of every non-white pixel of a frame.
RECT InkBox(CairoFrame& frame) {
  RECT box{frame.Width(), frame.Height(), -1, -1};
  for (int y = 0; y < frame.Height(); ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      if (!Inked(frame.Pixel(x, y))) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box;
}

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : frame(200, 60) { Clear(); }
  void Clear() { frame.Canvas().FillRect(RECT{0, 0, 200, 60}, kWhite); }
  RECT Ink(std::wstring_view text, UINT style, RECT rc = RECT{0, 0, 200, 60}) {
    Clear();
    frame.Canvas().DrawText(rc, text, font, kBlack, style);
    return InkBox(frame);
  }
  CairoFrame frame;
  FontSpec font{L"", 16, false, false, false};
};

TEST_F(CanvasTest, TextIsAlignedInItsRectangle) {
  RECT left = Ink(L"12", DT_SINGLELINE | DT_LEFT | DT_TOP);
  RECT centre = Ink(L"12", DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  RECT right = Ink(L"12", DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  EXPECT_LT(left.left, 4);
  EXPECT_LT(left.top, 8);
  EXPECT_NEAR((centre.left + centre.right) / 2, 100, 3);
  EXPECT_NEAR((centre.top + centre.bottom) / 2, 30, 4);
  EXPECT_GT(right.right, 195);
  EXPECT_GT(right.bottom, 48);
}

TEST_F(CanvasTest, TextNeverLeavesItsRectangle) {
  RECT rc{20, 10, 60, 30};
  RECT ink = Ink(L"一段很长很长的文字不会越界", DT_SINGLELINE, rc);
  EXPECT_GE(ink.left, rc.left);
  EXPECT_LE(ink.right, rc.right);
  EXPECT_GE(ink.top, rc.top);
  EXPECT_LE(ink.bottom, rc.bottom);
}

TEST_F(CanvasTest, EllipsisAndWrappingFitTheWidth) {
  ICanvas& c = frame.Canvas();
  const std::wstring longText = L"嫁娶 祭祀 祈福 求嗣 开光 出行 解除 伐木";
  SIZE plain = c.MeasureText(longText, font, 0, DT_SINGLELINE);
  EXPECT_GT(plain.cx, 100);
  SIZE cut = c.MeasureText(longText, font, 100, DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_LE(cut.cx, 100);
  EXPECT_EQ(cut.cy, plain.cy);
  SIZE wrapped = c.MeasureText(longText, font, 100, DT_WORDBREAK);
  EXPECT_LE(wrapped.cx, 100);
  EXPECT_GE(wrapped.cy, 2 * plain.cy);
}

// Shaped texts are kept for reuse: one drawn again after hundreds of others (the clock's seconds) comes
// back as it was first drawn, and the same text at another width is laid out anew.
TEST_F(CanvasTest, TextDrawnAgainAfterManyOthersLandsAsAtFirst) {
  RECT const first = Ink(L"廿九 除夕", DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  SIZE const measured = frame.Canvas().MeasureText(L"廿九 除夕", font, 0, DT_SINGLELINE);
  for (int i = 0; i < 700; ++i) Ink(L"10:24:" + std::to_wstring(i), DT_SINGLELINE);
  RECT const again = Ink(L"廿九 除夕", DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  EXPECT_EQ(std::tie(again.left, again.top, again.right, again.bottom),
            std::tie(first.left, first.top, first.right, first.bottom));
  SIZE const remeasured = frame.Canvas().MeasureText(L"廿九 除夕", font, 0, DT_SINGLELINE);
  EXPECT_EQ(remeasured.cx, measured.cx);
  EXPECT_LT(frame.Canvas().MeasureText(L"廿九 除夕", font, measured.cx / 2, DT_SINGLELINE | DT_END_ELLIPSIS).cx,
            measured.cx);
}

TEST_F(CanvasTest, BoldIsWiderAndSizesArePixels) {
  ICanvas& c = frame.Canvas();
  FontSpec bold = font;
  bold.bold = true;
  FontSpec big = font;
  big.size = 32;
  SIZE regular = c.MeasureText(L"2015年", font, 0, DT_SINGLELINE);
  EXPECT_GE(c.MeasureText(L"2015年", bold, 0, DT_SINGLELINE).cx, regular.cx);
  EXPECT_NEAR(c.MeasureText(L"2015年", big, 0, DT_SINGLELINE).cx, 2 * regular.cx, 4);
  RECT ink = Ink(L"国", DT_SINGLELINE);
  EXPECT_NEAR(ink.bottom - ink.top, 15, 3) << "a 16-pixel font draws a CJK glyph about 16 pixels high";
}

TEST_F(CanvasTest, AnAbsentSkinFaceFallsBackToOneCjkFontForDigitsAndHanzi) {
  // The skin names a Windows face this machine lacks; digits and hanzi must then come from the same CJK
  // font, the one the face falls back to, not digits from a Latin font and hanzi from another.
  CairoFrame other(200, 60);
  other.Canvas().FillRect(RECT{0, 0, 200, 60}, kWhite);
  FontSpec windowsFace{L"微软雅黑", 16, false, false, false};
  FontSpec installed{L"WenQuanYi Micro Hei", 16, false, false, false};
  frame.Canvas().DrawText(RECT{0, 0, 200, 60}, L"2015年10月01", windowsFace, kBlack, DT_SINGLELINE);
  other.Canvas().DrawText(RECT{0, 0, 200, 60}, L"2015年10月01", installed, kBlack, DT_SINGLELINE);
  int differences = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) differences += frame.Pixel(x, y) != other.Pixel(x, y) ? 1 : 0;
  EXPECT_EQ(differences, 0);
}

TEST_F(CanvasTest, ClipsNestAndPop) {
  ICanvas& c = frame.Canvas();
  c.PushClip(RECT{0, 0, 100, 60});
  c.PushClip(RECT{50, 0, 150, 60});
  c.FillRect(RECT{0, 0, 200, 60}, kBlack);
  c.PopClip();
  EXPECT_EQ(frame.Pixel(40, 10), kWhite);
  EXPECT_EQ(frame.Pixel(60, 10), kBlack);
  EXPECT_EQ(frame.Pixel(120, 10), kWhite);
  c.FillRect(RECT{0, 0, 200, 60}, 0xFF00FF00);
  c.PopClip();
  EXPECT_EQ(frame.Pixel(40, 10), 0xFF00FF00u);
  EXPECT_EQ(frame.Pixel(120, 10), kWhite);
  c.DrawFrame(RECT{150, 10, 170, 30}, 2, kBlack);
  EXPECT_EQ(frame.Pixel(151, 20), kBlack);
  EXPECT_EQ(frame.Pixel(160, 20), kWhite);
}

TEST_F(CanvasTest, ImagesStretchAndMissingOnesDrawNothing) {
  std::string green = std::string(WANNIANLI_TEST_DATA_DIR) + "/skin/green.png";
  ICanvas& c = frame.Canvas();
  EXPECT_EQ(c.ImageSize(green), (SIZE{8, 8}));
  EXPECT_TRUE(c.DrawImage(RECT{10, 10, 50, 20}, green));
  EXPECT_EQ(frame.Pixel(10, 10), 0xFF00FF00u);
  EXPECT_EQ(frame.Pixel(49, 19), 0xFF00FF00u);
  EXPECT_EQ(frame.Pixel(50, 20), kWhite);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(c.DrawImage(RECT{0, 0, 10, 10}, "/nonexistent/picture.png"));
  EXPECT_FALSE(c.DrawImage(RECT{0, 0, 10, 10}, "/nonexistent/picture.png"));
  EXPECT_EQ(c.ImageSize("/nonexistent/picture.png"), (SIZE{0, 0}));
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("/nonexistent/picture.png"), std::string::npos);
  EXPECT_EQ(err.find("picture.png", err.find("picture.png") + 1), std::string::npos) << "once";
  EXPECT_EQ(frame.Pixel(5, 5), kWhite);
}

TEST_F(CanvasTest, FramesReportPixelsAndFailToWriteWhereTheyCannot) {
  EXPECT_EQ(frame.Pixel(-1, 0), 0u);
  EXPECT_EQ(frame.Pixel(200, 0), 0u);
  EXPECT_EQ(frame.Stride() % 4, 0);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(frame.SavePng("/nonexistent/dir/out.png"));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("/nonexistent/dir/out.png"), std::string::npos);
}

TEST(CairoFrameOverPixels, PaintsIntoTheLentRowsOnlyAndRefusesAStrideCairoCannotAddress) {
  constexpr std::uint32_t kUntouched = 0x12345678;
  std::vector<std::uint32_t> pixels(8 * 4, kUntouched);  // 4 rows of 8 words, 6 of them pixels
  auto* memory = reinterpret_cast<std::uint8_t*>(pixels.data());
  std::unique_ptr<CairoFrame> frame = CairoFrame::OverPixels(memory, 6, 4, 8 * 4, PixelLayout::opaqueRgb);
  ASSERT_NE(frame, nullptr);
  frame->Canvas().FillRect(RECT{0, 0, 6, 4}, 0xFF3366CC);
  frame->Flush();
  EXPECT_EQ(pixels[8 + 1] & 0xFFFFFF, 0x3366CCu);
  EXPECT_EQ(frame->Pixel(1, 1), 0xFF3366CCu);  // opaque, whatever the unused byte holds
  EXPECT_EQ(pixels[8 + 6], kUntouched);        // past the row's pixels
  frame.reset();
  EXPECT_EQ(pixels[8 + 1] & 0xFFFFFF, 0x3366CCu);  // the memory stays as painted
  EXPECT_EQ(CairoFrame::OverPixels(memory, 6, 4, 6 * 4 + 2, PixelLayout::premultipliedArgb), nullptr);
  EXPECT_EQ(CairoFrame::OverPixels(memory, 6, 4, 5 * 4, PixelLayout::premultipliedArgb), nullptr);
}

}  // namespace
}  // namespace uitest
