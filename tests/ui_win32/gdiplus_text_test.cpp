#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ui/render/gdiplus_canvas.h"

namespace {

using DuiLib::DWORD;
using DuiLib::FontSpec;
using DuiLib::GdiplusFrame;
using DuiLib::RECT;

// The box around every pixel darker than mid grey ("ink"); empty when there is none.
RECT InkBox(GdiplusFrame& frame) {
  RECT box{frame.Width(), frame.Height(), 0, 0};
  for (int y = 0; y < frame.Height(); ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      if ((frame.Pixel(x, y) & 0xFF) >= 0x80) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box.IsEmpty() ? RECT{} : box;
}

RECT DrawBlackOnWhite(GdiplusFrame& frame, const RECT& rc, std::wstring_view text, DuiLib::UINT style,
                      const std::wstring& face = L"") {
  frame.Canvas().FillRect(RECT{0, 0, frame.Width(), frame.Height()}, 0xFFFFFFFF);
  frame.Canvas().DrawText(rc, text, FontSpec{face, 16}, 0xFF000000, style);
  return InkBox(frame);
}

TEST(GdiplusText, AFaceThatIsNotInstalledFallsBackToAChineseFont) {
  std::wstring const family = DuiLib::ResolveGdiplusFontFamily(L"No Such Face");
  ASSERT_FALSE(family.empty());
  EXPECT_NE(family, L"No Such Face");
  GdiplusFrame frame(100, 40);
  RECT const ink = DrawBlackOnWhite(frame, RECT{0, 0, 100, 40}, L"农历", DuiLib::DT_SINGLELINE, L"No Such Face");
  EXPECT_GT(ink.Width(), 16);  // two full-width characters, not boxes of nothing
}

TEST(GdiplusText, HorizontalAlignmentPutsTheInkWhereAsked) {
  GdiplusFrame frame(200, 30);
  RECT const rc{10, 0, 190, 30};
  RECT const left = DrawBlackOnWhite(frame, rc, L"初一", DuiLib::DT_SINGLELINE | DuiLib::DT_LEFT);
  RECT const right = DrawBlackOnWhite(frame, rc, L"初一", DuiLib::DT_SINGLELINE | DuiLib::DT_RIGHT);
  RECT const center = DrawBlackOnWhite(frame, rc, L"初一", DuiLib::DT_SINGLELINE | DuiLib::DT_CENTER);
  ASSERT_FALSE(left.IsEmpty());
  EXPECT_LE(left.left - rc.left, 3);
  EXPECT_LE(rc.right - right.right, 3);
  EXPECT_NEAR((center.left + center.right) / 2, (rc.left + rc.right) / 2, 3);
  EXPECT_EQ(left.Width(), right.Width());
}

TEST(GdiplusText, VerticalAlignmentPutsTheInkWhereAsked) {
  GdiplusFrame frame(60, 100);
  RECT const rc{0, 0, 60, 100};
  RECT const top = DrawBlackOnWhite(frame, rc, L"宜", DuiLib::DT_SINGLELINE | DuiLib::DT_TOP);
  RECT const middle = DrawBlackOnWhite(frame, rc, L"宜", DuiLib::DT_SINGLELINE | DuiLib::DT_VCENTER);
  RECT const bottom = DrawBlackOnWhite(frame, rc, L"宜", DuiLib::DT_SINGLELINE | DuiLib::DT_BOTTOM);
  EXPECT_LT(top.bottom, 30);
  EXPECT_NEAR((middle.top + middle.bottom) / 2, 50, 4);
  EXPECT_GT(bottom.top, 70);
}

TEST(GdiplusText, TextStaysInsideItsRectangle) {
  GdiplusFrame frame(100, 40);
  RECT const rc{10, 10, 40, 30};
  RECT const ink = DrawBlackOnWhite(frame, rc, L"二零一五年十月一日国庆节", DuiLib::DT_SINGLELINE | DuiLib::DT_END_ELLIPSIS);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.left, rc.left);
  EXPECT_LE(ink.right, rc.right);
  EXPECT_GE(ink.top, rc.top);
  EXPECT_LE(ink.bottom, rc.bottom);
}

TEST(GdiplusText, MeasuredWidthGrowsWithTheTextAndWrappingAddsLines) {
  GdiplusFrame frame(10, 10);
  FontSpec const font{L"", 16};
  DuiLib::SIZE const two = frame.Canvas().MeasureText(L"农历", font, 0, DuiLib::DT_SINGLELINE);
  DuiLib::SIZE const four = frame.Canvas().MeasureText(L"农历农历", font, 0, DuiLib::DT_SINGLELINE);
  EXPECT_GE(two.cx, 28);
  EXPECT_NEAR(four.cx, 2 * two.cx, 2);
  EXPECT_GE(two.cy, 16);
  DuiLib::SIZE const wrapped = frame.Canvas().MeasureText(L"农历农历", font, two.cx + 2, DuiLib::DT_WORDBREAK);
  EXPECT_GE(wrapped.cy, 2 * two.cy - 2);
  EXPECT_LE(wrapped.cx, two.cx + 2);
  EXPECT_EQ(frame.Canvas().MeasureText(L"", font, 0, DuiLib::DT_SINGLELINE), (DuiLib::SIZE{0, 0}));
}

}  // namespace
