// The main window background under the texts and controls placed on it.
#include "layout.h"
#include "png_image.h"
#include "styles.h"

#include <gtest/gtest.h>

namespace {

using skin_test::contrast;
using skin_test::PngImage;
using skin_test::skin_path;
namespace layout = art::layout;

// The colour the program paints the shrunk header with.
const art::Rgba kShrunk = art::hex(0x278ADF);

double min_contrast(const PngImage& img, art::Box b, art::Rgba text) {
  double lowest = 21;
  for (int y = b.y; y < b.y + b.h; ++y)
    for (int x = b.x; x < b.x + b.w; ++x) lowest = std::min(lowest, contrast(text, img.over(x, y, {0, 0, 0, 1})));
  return lowest;
}

TEST(MainBackground, HeaderHarmonisesWithTheShrunkColour) {
  const PngImage img(skin_path("main_bg.png"));
  ASSERT_TRUE(img.ok());
  double r = 0, g = 0, b = 0;
  const int n = layout::kWidth * layout::kHeaderHeight;
  for (int y = 0; y < layout::kHeaderHeight; ++y)
    for (int x = 0; x < layout::kWidth; ++x) {
      const art::Rgba p = img.over(x, y, {0, 0, 0, 1});
      r += p.r / n, g += p.g / n, b += p.b / n;
    }
  EXPECT_NEAR(r, kShrunk.r, 0.08);
  EXPECT_NEAR(g, kShrunk.g, 0.08);
  EXPECT_NEAR(b, kShrunk.b, 0.08);
}

TEST(MainBackground, HeaderTextsAreLegibleEnlargedAndShrunk) {
  const PngImage img(skin_path("main_bg.png"));
  ASSERT_TRUE(img.ok());
  const std::pair<art::Box, art::TextStyle> texts[] = {
      {layout::now_time, art::style::now_time},         {layout::now_day, art::style::now_day},
      {layout::now_week, art::style::now_week},         {layout::now_datetime, art::style::now_datetime},
      {layout::now_lunar, art::style::now_lunar},       {layout::now_lunarYear, art::style::now_lunarYear},
      {layout::now_lunarMonth, art::style::now_lunarMonth}, {layout::lbl_yi, art::style::almanac},
      {layout::lbl_ji, art::style::almanac},
  };
  for (const auto& [box, style] : texts) {
    EXPECT_GE(min_contrast(img, box, style.colour), 3.0) << box.x << "," << box.y;
    EXPECT_GE(contrast(style.colour, kShrunk), 3.0);
  }
}

TEST(MainBackground, GridAreaIsPlainSoTheCellMarksShowAsDrawn) {
  const PngImage img(skin_path("main_bg.png"));
  ASSERT_TRUE(img.ok());
  const art::Box c = layout::cal;
  for (int y = c.y; y < c.y + c.h; ++y)
    for (int x = c.x; x < c.x + c.w; ++x) {
      const art::Rgba p = img.at(x, y);
      ASSERT_TRUE(p.a == 1 && p.r == 1 && p.g == 1 && p.b == 1) << x << "," << y;
    }
}

TEST(MainBackground, CaptionButtonsShowOnTheHeader) {
  for (const char* b : {"btn_app", "btn_notepad", "btn_screenshot", "btn_shutdown", "btn_suoxiao", "btn_fangda",
                        "btn_close"}) {
    const PngImage icon(skin_path(std::string(b) + "_normal.png"));
    ASSERT_TRUE(icon.ok()) << b;
    double best = 1;
    for (int y = 0; y < icon.height(); ++y)
      for (int x = 0; x < icon.width(); ++x) best = std::max(best, contrast(icon.over(x, y, kShrunk), kShrunk));
    EXPECT_GE(best, 3.0) << b;
  }
}

}  // namespace
