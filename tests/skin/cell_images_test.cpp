// The day-cell images under the black, grey and red day texts the grid draws on top of them.
#include "cells.h"
#include "layout.h"
#include "png_image.h"
#include "styles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace {

using skin_test::contrast;
using skin_test::PngImage;
using skin_test::skin_path;

const char* const kCellImages[] = {"jintian3.png",       "jiaqi.png",        "ban.png",
                                   "default_select.png", "jia_selected.png", "ban_selected.png"};
const char* const kOverlays[] = {"default_select.png", "jia_selected.png", "ban_selected.png"};
const char* const kBadged[] = {"jiaqi.png", "ban.png", "jia_selected.png", "ban_selected.png"};
const art::Rgba kBody = art::palette::body;

struct Zone {
  int x0, y0, x1, y1;
};

// Where the widest texts land: "28" centred in the top 30 px, "国庆节" centred in the bottom 30 px.
std::pair<Zone, Zone> text_zones() {
  const art::Image probe(1, 1);
  const double day = art::text_width(probe.cr(), "28", art::style::cell_day);
  const double line = art::text_width(probe.cr(), "国庆节", art::style::cell_line);
  const int w = art::layout::kCellWidth;
  auto across = [&](double width, int centre_y, int half_height) {
    return Zone{static_cast<int>((w - width) / 2), centre_y - half_height, static_cast<int>((w + width) / 2) + 1,
                centre_y + half_height};
  };
  return {across(day, 15, 8), across(line, 35, 6)};
}

TEST(CellImages, DayTextsStayLegibleOnEveryMark) {
  const auto [day, line] = text_zones();
  for (const char* name : kCellImages) {
    const PngImage img(skin_path(name));
    ASSERT_TRUE(img.ok()) << name;
    for (art::Rgba text : {art::palette::day_black, art::palette::day_grey, art::palette::day_red}) {
      const double on_white = contrast(text, kBody);
      for (const Zone& z : {day, line})
        for (int y = z.y0; y < z.y1; ++y)
          for (int x = z.x0; x < z.x1; ++x)
            // A mark may cost a text at most 15 % of the contrast it has on the plain grid.
            ASSERT_GE(contrast(text, img.over(x, y, kBody)), 0.85 * on_white) << name << " at " << x << "," << y;
    }
  }
}

TEST(CellImages, MarksKeepOffTheStripsNeighbouringCellsOverlap) {
  const art::Box m = art::cell::kMarkBox;
  for (const char* name : kCellImages) {
    const PngImage img(skin_path(name));
    ASSERT_TRUE(img.ok()) << name;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        if (x < m.x || x >= m.x + m.w || y < m.y || y >= m.y + m.h) {
          ASSERT_EQ(img.at(x, y).a, 0) << name << " at " << x << "," << y;
        }
      }
  }
}

TEST(CellImages, SelectedOverlaysLeaveTheTextAreasClear) {
  const auto [day, line] = text_zones();
  for (const char* name : kOverlays) {
    const PngImage img(skin_path(name));
    ASSERT_TRUE(img.ok()) << name;
    for (const Zone& z : {day, line})
      for (int y = z.y0; y < z.y1; ++y)
        for (int x = z.x0; x < z.x1; ++x) ASSERT_EQ(img.at(x, y).a, 0) << name << " at " << x << "," << y;
  }
}

struct Badge {
  art::Rgba fill;
  art::Rgba brightest;
  int glyph_pixels = 0;
};

Badge read_badge(const PngImage& img) {
  const art::Box b = art::cell::kBadge;
  std::map<std::tuple<int, int, int>, int> counts;
  Badge badge;
  double brightest = -1;
  for (int y = b.y; y < b.y + b.h; ++y)
    for (int x = b.x; x < b.x + b.w; ++x) {
      const art::Rgba p = img.over(x, y, kBody);
      ++counts[{static_cast<int>(p.r * 255), static_cast<int>(p.g * 255), static_cast<int>(p.b * 255)}];
      if (const double l = skin_test::luminance(p); l > brightest) brightest = l, badge.brightest = p;
    }
  const auto most = std::max_element(counts.begin(), counts.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
  const auto [r, g, bl] = most->first;
  badge.fill = {r / 255.0, g / 255.0, bl / 255.0, 1};
  for (int y = b.y; y < b.y + b.h; ++y)
    for (int x = b.x; x < b.x + b.w; ++x)
      if (contrast(img.over(x, y, kBody), badge.fill) >= 3) ++badge.glyph_pixels;
  return badge;
}

TEST(CellImages, BadgesAreLegible) {
  for (const char* name : kBadged) {
    const PngImage img(skin_path(name));
    ASSERT_TRUE(img.ok()) << name;
    const Badge badge = read_badge(img);
    EXPECT_GE(contrast(badge.brightest, badge.fill), 4.5) << name;
    EXPECT_GE(badge.glyph_pixels, 12) << name << ": no glyph in the badge";
  }
}

TEST(CellImages, RestAndWorkBadgesDiffer) {
  const PngImage rest(skin_path("jiaqi.png")), work(skin_path("ban.png"));
  ASSERT_TRUE(rest.ok() && work.ok());
  const art::Rgba a = read_badge(rest).fill, b = read_badge(work).fill;
  EXPECT_GT(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 0.3);
}

}  // namespace
