// What reaches the screen: the snapshot, images, text colours, tooltips and invalidation.
#include "ui_test_support.h"

#include <cstdio>
#include <filesystem>

#include "ui/render/cairo_canvas.h"
#include "ui/render/image_cache.h"

namespace uitest {
namespace {

constexpr DWORD kWhite = 0xFFFFFFFF;

bool IsReddish(DWORD p) { return ((p >> 16) & 0xFF) > 160 && ((p >> 8) & 0xFF) < 140 && (p & 0xFF) < 140; }
bool IsDark(DWORD p) { return ((p >> 16) & 0xFF) < 100 && ((p >> 8) & 0xFF) < 100 && (p & 0xFF) < 100; }

// Counts pixels in a rectangle of a frame that satisfy a test.
template <typename Pred>
int CountPixels(CairoFrame& frame, const RECT& rc, Pred pred) {
  int n = 0;
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x) n += pred(frame.Pixel(x, y)) ? 1 : 0;
  return n;
}

TEST_F(UiTest, SnapshotPixelsAtKnownPoints) {
  TestWindow window(L"render.xml");
  HWND hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  testing::internal::CaptureStderr();
  std::string png = (std::filesystem::temp_directory_path() / "wannianli_ui_snapshot.png").string();
  ASSERT_TRUE(host.SavePng(hwnd, png));
  std::string err = testing::internal::GetCapturedStderr();

  CairoFrame* frame = host.Frame(hwnd);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Width(), 120);
  EXPECT_EQ(frame->Height(), 90);
  EXPECT_EQ(frame->Pixel(20, 15), 0xFFFF0000u) << "opaque fill";
  DWORD half = frame->Pixel(60, 15);
  EXPECT_NEAR(static_cast<int>(half & 0xFF), 0xFF, 3) << "half-transparent blue over white";
  EXPECT_NEAR(static_cast<int>((half >> 16) & 0xFF), 0x7F, 3);
  EXPECT_EQ(frame->Pixel(100, 15), 0xFF00FF00u) << "the 8x8 image stretched over 40x30";
  EXPECT_EQ(frame->Pixel(30, 75), 0xFF00FF00u) << "the selected image of the option";
  EXPECT_EQ(frame->Pixel(0, 75), 0xFF0000FFu) << "the option's border";
  EXPECT_EQ(frame->Pixel(90, 75), kWhite) << "a missing image draws nothing";
  EXPECT_GT(CountPixels(*frame, RECT{0, 30, 120, 60}, IsDark), 40) << "the text";
  EXPECT_EQ(CountPixels(*frame, RECT{0, 30, 10, 60}, IsDark), 0) << "centred, not at the left edge";

  // The PNG on disk holds the same frame.
  CairoFrame reread(1, 1);
  ASSERT_TRUE(std::filesystem::exists(png));
  EXPECT_TRUE(reread.Canvas().DrawImage(RECT{0, 0, 1, 1}, png));
  std::remove(png.c_str());
  EXPECT_NE(err.find("no_such_image.png"), std::string::npos) << err;
}

TEST_F(UiTest, AMissingImageIsReportedOnceAndDrawnAsNothing) {
  int before = MissingImageCount();
  TestWindow window(L"render.xml");
  HWND hwnd = window.Open();
  testing::internal::CaptureStderr();
  host.Frame(hwnd);
  window.Find(L"missing")->SetBkImage(L"other_missing.png");
  host.RunUntilIdle();
  window.Find(L"missing")->SetBkImage(L"no_such_image.png");
  host.RunUntilIdle();
  window.Find(L"red")->SetBkColor(0xFF00FF00);
  host.RunUntilIdle();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_LE(MissingImageCount() - before, 2);
  EXPECT_EQ(err.find("no_such_image.png", err.find("no_such_image.png") + 1), std::string::npos)
      << "reported at most once per file name: " << err;
  EXPECT_EQ(host.Pixel(hwnd, 90, 75), kWhite);
  window.Find(L"image")->SetBkImage(L"");
  EXPECT_EQ(host.Pixel(hwnd, 100, 15), kWhite) << "an empty name removes the image";
}

// A control painting two lines of its own in the text step, as the day cell does.
class TwoLineOption : public COptionUI {
 public:
  void PaintText(HDC hDC) override {
    RECT top = m_rcItem;
    top.bottom -= 20;
    RECT bottom = m_rcItem;
    bottom.top += 20;
    DWORD color = m_dwTextColor != 0 ? m_dwTextColor : m_pManager->GetDefaultFontColor();
    CRenderEngine::DrawTextW(hDC, m_pManager, top, L"28", color, 2, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    CRenderEngine::DrawTextW(hDC, m_pManager, bottom, L"国庆节", 0x00FF5757, 0, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
};

TEST_F(UiTest, TextColourWordsWithoutAlphaAreDrawnOpaque) {
  TestWindow window(L"render.xml");
  HWND hwnd = window.Open();
  auto* root = window.FindAs<CContainerUI>(L"root");
  auto* cell = new TwoLineOption;
  ASSERT_TRUE(root->Add(cell));
  cell->SetAttribute(L"pos", L"0,0,49,50");
  cell->SetAttribute(L"float", L"true");
  cell->SetBkColor(kWhite);
  CairoFrame* frame = host.Frame(hwnd);
  EXPECT_GT(CountPixels(*frame, RECT{0, 0, 49, 30}, IsDark), 20) << "the day number";
  EXPECT_GT(CountPixels(*frame, RECT{0, 30, 49, 50}, IsReddish), 20) << "the second line in 0x00FF5757";
}

// Paints like a day cell whose database look-up fails.
class FailingCell : public CControlUI {
 public:
  void PaintText(HDC) override { throw std::runtime_error("unable to open database file"); }
};

TEST_F(UiTest, AControlWhosePaintingThrowsLeavesTheRestOfTheFrame) {
  TestWindow window(L"render.xml");
  HWND hwnd = window.Open();
  auto* root = window.FindAs<CContainerUI>(L"root");
  auto* cell = new FailingCell;
  root->AddAt(cell, 0);
  cell->SetAttribute(L"float", L"true");
  cell->SetAttribute(L"pos", L"0,0,10,10");
  testing::internal::CaptureStderr();
  host.RunUntilIdle();
  window.Find(L"red")->Invalidate();
  host.RunUntilIdle();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(host.Pixel(hwnd, 100, 15), 0xFF00FF00u) << "controls after the failing one are painted";
  auto first = err.find("unable to open database file");
  EXPECT_NE(first, std::string::npos);
  EXPECT_EQ(err.find("unable to open database file", first + 1), std::string::npos) << "once";
}

TEST_F(UiTest, ChineseTextIsDrawnWithGlyphsNotBoxes) {
  // A missing glyph is drawn as a hex box: with the same font, 国 and an unassigned code point would look
  // alike. With a CJK font found, they differ.
  CairoFrame a(40, 40);
  CairoFrame b(40, 40);
  FontSpec face{L"微软雅黑", 24, false, false, false};
  a.Canvas().FillRect(RECT{0, 0, 40, 40}, kWhite);
  b.Canvas().FillRect(RECT{0, 0, 40, 40}, kWhite);
  a.Canvas().DrawText(RECT{0, 0, 40, 40}, L"国", face, 0xFF000000, DT_SINGLELINE);
  b.Canvas().DrawText(RECT{0, 0, 40, 40}, L"\U000E0FFF", face, 0xFF000000, DT_SINGLELINE);
  int differences = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) differences += a.Pixel(x, y) != b.Pixel(x, y) ? 1 : 0;
  EXPECT_GT(differences, 30);
  EXPECT_GT(a.Canvas().MeasureText(L"国庆", face, 0, DT_SINGLELINE).cx, 40);
}

TEST_F(UiTest, ATooltipAppearsAfterTheMouseRestsAndGoesWhenItLeaves) {
  TestWindow window(L"basic.xml");
  HWND hwnd = window.Open();
  CPaintManagerUI& pm = window.GetPaintManager();
  host.RunUntilIdle();
  POINT lbl = Centre(window.Find(L"lbl"));
  host.MoveMouse(hwnd, lbl.x, lbl.y);
  host.AdvanceTime(300);
  host.MoveMouse(hwnd, lbl.x + 5, lbl.y);  // still moving: the wait starts again
  host.AdvanceTime(300);
  EXPECT_TRUE(pm.GetShownToolTip().empty());
  host.AdvanceTime(250);
  EXPECT_EQ(pm.GetShownToolTip(), L"提示文字");
  // The box lies below the pointer, inside the window.
  CairoFrame* frame = host.Frame(hwnd);
  EXPECT_EQ(frame->Pixel(lbl.x + 14, lbl.y + 22), 0xFFFFFFE1u);
  host.MoveMouse(hwnd, lbl.x + 8, lbl.y);
  EXPECT_FALSE(pm.GetShownToolTip().empty()) << "moving on the same control keeps it";
  POINT a = Centre(window.Find(L"btn_a"));
  host.MoveMouse(hwnd, a.x, a.y);
  EXPECT_TRUE(pm.GetShownToolTip().empty());
  host.AdvanceTime(2000);
  EXPECT_TRUE(pm.GetShownToolTip().empty()) << "btn_a has no tooltip";
  host.MoveMouse(hwnd, lbl.x, lbl.y);
  host.AdvanceTime(600);
  host.LeaveWindow(hwnd);
  EXPECT_TRUE(pm.GetShownToolTip().empty());
}

TEST_F(UiTest, ChangesRepaintOnceWhenTheQueueIsIdleAndNoChangeRepaintsNothing) {
  TestWindow window(L"basic.xml");
  HWND hwnd = window.Open();
  host.RunUntilIdle();
  int paints = host.PaintCount(hwnd);
  ASSERT_GE(paints, 1);
  auto* lbl = window.FindAs<CLabelUI>(L"lbl");
  lbl->SetText(L"标签");
  lbl->SetVisible(true);
  host.RunUntilIdle();
  EXPECT_EQ(host.PaintCount(hwnd), paints) << "setters that change nothing invalidate nothing";
  lbl->SetText(L"一");
  lbl->SetTextColor(0xFF0000FF);
  window.Find(L"btn_a")->SetBkColor(0xFF00FF00);
  EXPECT_EQ(host.PaintCount(hwnd), paints) << "no paint before the queue is idle";
  host.RunUntilIdle();
  EXPECT_EQ(host.PaintCount(hwnd), paints + 1);
  EXPECT_EQ(host.Pixel(hwnd, 12, 42), 0xFF00FF00u);
  window.Find(L"btn_a")->Invalidate();
  host.RunUntilIdle();
  EXPECT_EQ(host.PaintCount(hwnd), paints + 2);
}

}  // namespace
}  // namespace uitest
