// Display scales: logical and device pixels, the choice of a scale, the choice of an image variant, and the
// cairo canvas drawing logical rectangles, images and text at a scale.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ui/device_scale.h"
#include "ui/host/display_scale.h"
#include "ui/render/cairo_canvas.h"
#include "ui/render/image_cache.h"
#include "ui/render/image_variants.h"

namespace uitest {
namespace {

using namespace DuiLib;

TEST(DeviceScale, WindowsKeepTheirDeviceSizeAndPointsMapBackToTheirLogicalPixel) {
  for (double scale : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
    SCOPED_TRACE(scale);
    for (int left : {-1000, -1, 0, 1, 67, 1201}) {
      RECT const window{left, left / 2, left + 336, left / 2 + 494};
      RECT const device = WindowToDevice(window, scale);
      EXPECT_EQ(device.Width(), ToDevice(336, scale));
      EXPECT_EQ(device.Height(), ToDevice(494, scale));
      EXPECT_EQ(WindowToLogical(device, scale), window);
    }
    // Every device pixel of a logical pixel's span maps back to it.
    for (int x = -3; x < 40; ++x) {
      for (int d = ToDevice(x, scale); d < ToDevice(x + 1, scale); ++d) EXPECT_EQ(ToLogicalPoint(d, scale), x) << d;
    }
    RECT const dirty{3, 5, 7, 11};
    RECT const out = ToDeviceOutward(dirty, scale);
    EXPECT_EQ(IntersectRects(out, ToDevice(dirty, scale)), ToDevice(dirty, scale)) << "outward covers drawn";
  }
  EXPECT_EQ(WindowToDevice(RECT{0, 0, 336, 494}, 1.5), (RECT{0, 0, 504, 741}));
}

TEST(ImageVariants, TheNearestAtOrAboveTheScaleFirstThenLargerThenSmaller) {
  auto factors = [](double scale) {
    std::vector<std::string> names;
    for (const ImageVariant& v : ImageVariantsFor("/skin/close.png", scale)) names.push_back(v.file);
    return names;
  };
  using Names = std::vector<std::string>;
  EXPECT_EQ(factors(1), (Names{"/skin/close.png", "/skin/close@1.5x.png", "/skin/close@2x.png", "/skin/close@3x.png"}));
  EXPECT_EQ(factors(1.25), (Names{"/skin/close@1.5x.png", "/skin/close@2x.png", "/skin/close@3x.png", "/skin/close.png"}));
  EXPECT_EQ(factors(2.5), (Names{"/skin/close@3x.png", "/skin/close@2x.png", "/skin/close@1.5x.png", "/skin/close.png"}));
  EXPECT_EQ(ImageVariantName("/a.b/PIC.PNG", 2), "/a.b/PIC@2x.PNG");
  EXPECT_EQ(factors(2)[0], "/skin/close@2x.png");
  EXPECT_EQ(ImageVariantsFor("/skin/picture.jpg", 2), (std::vector<ImageVariant>{{"/skin/picture.jpg", 1}}));
}

TEST(DisplayScale, TheOptionThenTheProgramsVariableThenTheDesktopElseOne) {
  std::ostringstream warnings;
  ScaleSources sources;
  EXPECT_EQ(ChooseDisplayScale(sources, warnings), 1.0);
  sources.xftDpi = "144";
  EXPECT_EQ(ChooseDisplayScale(sources, warnings), 1.5);
  sources.qtScaleFactor = "1.25";
  EXPECT_EQ(ChooseDisplayScale(sources, warnings), 1.25);
  sources.gdkScale = "2";
  EXPECT_EQ(ChooseDisplayScale(sources, warnings), 2.0);
  sources.wannianliScale = "1.75";
  EXPECT_EQ(ChooseDisplayScale(sources, warnings), 1.75);
  sources.option = 3.0;
  EXPECT_EQ(ChooseDisplayScale(sources, warnings), 3.0);
  EXPECT_EQ(warnings.str(), "");
  // Desktop values are brought into 1..3; a bad one of the program's own is said and passed over.
  EXPECT_EQ(ChooseDisplayScale(ScaleSources{{}, "", "0.5", "", ""}, warnings), 1.0);
  EXPECT_EQ(ChooseDisplayScale(ScaleSources{{}, "", "", "", "384"}, warnings), 3.0);
  EXPECT_EQ(ChooseDisplayScale(ScaleSources{{}, "", "two", "", "192"}, warnings), 2.0);
  EXPECT_EQ(ChooseDisplayScale(ScaleSources{{}, "9", "", "1.5", ""}, warnings), 1.5);
  EXPECT_EQ(warnings.str(), "wannianli: WANNIANLI_SCALE=9 is not a scale from 1 to 3; it is not used\n");
  EXPECT_EQ(XftDpiFromResources("*customization:\t-color\nXft.dpi:\t192\nXft.antialias:\t1\n"), "192");
  EXPECT_EQ(XftDpiFromResources("Xft.dpix: 1\n"), "");
}

class ScaledCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("wannianli_scale_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  // A PNG of one colour at `factor` times 10 x 10, named as that variant of `name`.
  std::string Write(const std::string& name, double factor, DWORD argb) {
    std::string const file = ImageVariantName((dir / name).string(), factor);
    CairoFrame image(ToDevice(10, factor), ToDevice(10, factor));
    image.Canvas().FillRect(RECT{0, 0, 100, 100}, argb);
    EXPECT_TRUE(image.SavePng(file));
    return (dir / name).string();
  }
  std::filesystem::path dir;
};

TEST_F(ScaledCanvasTest, DrawsTheNearestLargerImageOnTheScaledRectangle) {
  std::string const file = Write("state.png", 1, 0xFFFF0000);
  Write("state.png", 1.5, 0xFF00FF00);
  Write("state.png", 2, 0xFF0000FF);
  struct Case {
    double scale;
    DWORD colour;
  };
  for (Case c : {Case{1, 0xFFFF0000}, Case{1.25, 0xFF00FF00}, Case{2, 0xFF0000FF}, Case{3, 0xFF0000FF}}) {
    SCOPED_TRACE(c.scale);
    CairoFrame frame(ToDevice(40, c.scale), ToDevice(40, c.scale), c.scale);
    frame.Canvas().FillRect(RECT{0, 0, 40, 40}, 0xFFFFFFFF);
    ASSERT_TRUE(frame.Canvas().DrawImage(RECT{10, 10, 20, 20}, file));
    EXPECT_EQ(frame.Canvas().ImageSize(file), (SIZE{10, 10})) << "in logical pixels";
    RECT const device = ToDevice(RECT{10, 10, 20, 20}, c.scale);
    EXPECT_EQ(frame.Pixel(device.left, device.top), c.colour);
    EXPECT_EQ(frame.Pixel(device.right - 1, device.bottom - 1), c.colour);
    EXPECT_EQ(frame.Pixel(device.left - 1, device.top), 0xFFFFFFFFu);
    EXPECT_EQ(frame.Pixel(device.right, device.bottom), 0xFFFFFFFFu);
  }
}

TEST_F(ScaledCanvasTest, AOneTimesImageIsEnlargedAndARefusedVariantIsReported) {
  std::string const only = Write("only.png", 1, 0xFF00FF00);
  std::string const spoiled = Write("spoiled.png", 1, 0xFFFF0000);
  std::filesystem::copy_file(dir / "only.png", dir / "spoiled@2x.png");
  std::filesystem::resize_file(dir / "spoiled@2x.png", 20);  // a PNG signature and a broken header
  int const missing = MissingImageCount();
  CairoFrame frame(80, 40, 2);
  EXPECT_TRUE(frame.Canvas().DrawImage(RECT{0, 0, 20, 20}, only));
  EXPECT_EQ(frame.Pixel(39, 39), 0xFF00FF00u);
  EXPECT_EQ(MissingImageCount(), missing) << "absent variants are not reported";
  EXPECT_TRUE(frame.Canvas().DrawImage(RECT{20, 0, 40, 20}, spoiled));
  EXPECT_EQ(frame.Pixel(60, 20), 0xFFFF0000u) << "the 1x image stands in";
  EXPECT_EQ(MissingImageCount(), missing + 1);
}

TEST(ScaledCanvas, TextIsLaidOutAtTheDeviceSizeAndMeasuredInLogicalPixels) {
  FontSpec const font{L"WenQuanYi Micro Hei", 16};
  CairoFrame one(200, 40, 1);
  CairoFrame two(400, 80, 2);
  SIZE const atOne = one.Canvas().MeasureText(L"2015年二月初一", font, 0, DT_SINGLELINE);
  SIZE const atTwo = two.Canvas().MeasureText(L"2015年二月初一", font, 0, DT_SINGLELINE);
  EXPECT_NEAR(atTwo.cx, atOne.cx, 1);
  EXPECT_NEAR(atTwo.cy, atOne.cy, 1);
  // Drawn inside the scaled rectangle and as large as it is measured.
  two.Canvas().FillRect(RECT{0, 0, 200, 40}, 0xFFFFFFFF);
  two.Canvas().DrawText(RECT{10, 5, 190, 35}, L"2015年二月初一", font, 0xFF000000, DT_SINGLELINE | DT_VCENTER);
  int left = 400, right = -1;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 400; ++x)
      if (two.Pixel(x, y) != 0xFFFFFFFF) left = std::min(left, x), right = std::max(right, x);
  EXPECT_GE(left, 20);
  EXPECT_NEAR(right - left, 2 * atOne.cx, 8);
}

}  // namespace
}  // namespace uitest
