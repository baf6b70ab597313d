// Every image the program and the skin files name exists, has its size, and shows something.
#include "piece.h"
#include "png_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using skin_test::PngImage;
using skin_test::skin_path;

struct Expected {
  std::string name;
  int width;
  int height;
};

std::vector<Expected> expected_images() {
  std::vector<Expected> list = {
      {"main_bg.png", 336, 494},      {"soft_box_bg.png", 526, 526},  {"city_bg.png", 240, 320},
      {"jintian3.png", 49, 50},       {"jiaqi.png", 49, 50},          {"ban.png", 49, 50},
      {"default_select.png", 49, 50}, {"jia_selected.png", 49, 50},   {"ban_selected.png", 49, 50},
      {"almanac_yi.png", 14, 14},     {"almanac_ji.png", 14, 14},     {"combo_arrow.png", 12, 12},
  };
  for (const char* f : {"yuandan", "chunjie", "qingming", "laodong", "duanwu", "zhongqiu", "guoqing", "kangzhan"})
    list.push_back({std::string("fest_") + f + ".png", 56, 56});
  auto states = [&](const std::string& stem, int w, int h) {
    for (const char* s : {"_normal.png", "_hot.png", "_pushed.png"}) list.push_back({stem + s, w, h});
  };
  // Buttons the program can disable have a fourth state.
  for (const char* b : {"btn_app", "btn_notepad", "btn_screenshot", "btn_shutdown", "btn_suoxiao", "btn_fangda",
                        "btn_close", "btn_prev_month", "btn_next_month"}) {
    states(b, 24, 24);
    list.push_back({std::string(b) + "_disabled.png", 24, 24});
  }
  states("btn_today", 56, 24);
  states("combo", 80, 24);
  states("btn_tools_fold", 64, 24);
  states("btn_tools_unfold", 64, 24);
  for (const char* t : {"notepad", "screenshot", "notify", "memo", "clock", "translate", "package", "majiang",
                        "doudizhu"})
  {
    states(std::string("tool_") + t, 150, 128);
    list.push_back({std::string("tool_") + t + "_disabled.png", 150, 128});
  }
  return list;
}

struct Census {
  int opaque = 0;  // pixels with any coverage
  std::set<std::tuple<int, int, int, int>> colours;  // quantised, alpha included
};

Census census(const PngImage& img) {
  Census c;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const art::Rgba p = img.at(x, y);
      if (p.a < 0.05) continue;
      ++c.opaque;
      c.colours.insert({static_cast<int>(p.r * 15), static_cast<int>(p.g * 15), static_cast<int>(p.b * 15),
                        static_cast<int>(p.a * 15)});
    }
  return c;
}

TEST(SkinFiles, EveryNamedImageExistsWithItsSizeAndIsNotBlank) {
  for (const Expected& e : expected_images()) {
    SCOPED_TRACE(e.name);
    const PngImage img(skin_path(e.name));
    ASSERT_TRUE(img.ok()) << "missing or unreadable";
    EXPECT_EQ(img.width(), e.width);
    EXPECT_EQ(img.height(), e.height);
    const Census c = census(img);
    // Even the thinnest outline covers a few percent of its image; a picture has more than one colour.
    EXPECT_GE(c.opaque, img.width() * img.height() / 25);
    EXPECT_GE(c.colours.size(), 2u);
  }
}

// Each image comes at 1.5x, 2x and 3x with its size scaled, and is the same drawing: the 2x image reduced
// to 1x (2 x 2 averages over grey) is the 1x image but for edge antialiasing.
TEST(SkinFiles, EveryImageComesAtEachScaleAsTheSameDrawing) {
  const art::Rgba grey{0.5, 0.5, 0.5, 1};
  for (const Expected& e : expected_images()) {
    SCOPED_TRACE(e.name);
    for (double factor : art::kScaleFactors) {
      const PngImage img(skin_path(art::scaled_name(e.name, factor)));
      ASSERT_TRUE(img.ok()) << art::scaled_name(e.name, factor);
      EXPECT_EQ(img.width(), std::lround(e.width * factor));
      EXPECT_EQ(img.height(), std::lround(e.height * factor));
    }
    const PngImage one(skin_path(e.name)), two(skin_path(art::scaled_name(e.name, 2)));
    double diff = 0;
    for (int y = 0; y < one.height(); ++y)
      for (int x = 0; x < one.width(); ++x) {
        art::Rgba const a = one.over(x, y, grey);
        double mean = 0;
        for (int dy = 0; dy < 2; ++dy)
          for (int dx = 0; dx < 2; ++dx) mean += skin_test::luminance(two.over(2 * x + dx, 2 * y + dy, grey)) / 4;
        diff += std::abs(mean - skin_test::luminance(a));
      }
    EXPECT_LT(diff / (one.width() * one.height()), 0.03);
  }
}

// Compared over mid grey, where white header icons and light plates both show.
bool same_pixels(const PngImage& a, const PngImage& b) {
  const art::Rgba grey{0.5, 0.5, 0.5, 1};
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const art::Rgba p = a.over(x, y, grey), q = b.over(x, y, grey);
      if (std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 0.02) return false;
    }
  return true;
}

TEST(SkinFiles, ButtonStatesLookDifferent) {
  for (const char* b : {"btn_app", "btn_close", "btn_prev_month", "btn_today", "combo", "btn_tools_fold",
                        "tool_notepad", "tool_doudizhu"}) {
    SCOPED_TRACE(b);
    const PngImage normal(skin_path(std::string(b) + "_normal.png"));
    const PngImage hot(skin_path(std::string(b) + "_hot.png"));
    const PngImage pushed(skin_path(std::string(b) + "_pushed.png"));
    ASSERT_TRUE(normal.ok() && hot.ok() && pushed.ok());
    EXPECT_FALSE(same_pixels(normal, hot));
    EXPECT_FALSE(same_pixels(hot, pushed));
    if (const PngImage disabled(skin_path(std::string(b) + "_disabled.png")); disabled.ok()) {
      EXPECT_FALSE(same_pixels(normal, disabled));
    }
  }
}

TEST(SkinFiles, FestivalPicturesAreDistinct) {
  const std::vector<std::string> names = {"yuandan", "chunjie", "qingming", "laodong",
                                          "duanwu",  "zhongqiu", "guoqing", "kangzhan"};
  for (std::size_t i = 0; i < names.size(); ++i)
    for (std::size_t j = i + 1; j < names.size(); ++j) {
      const PngImage a(skin_path("fest_" + names[i] + ".png")), b(skin_path("fest_" + names[j] + ".png"));
      ASSERT_TRUE(a.ok() && b.ok());
      EXPECT_FALSE(same_pixels(a, b)) << names[i] << " and " << names[j];
    }
}

}  // namespace
